#include "platform/linux/LogindSessions.h"

#include <string>
#include <system_error>

#include "platform/linux/SmallTextFile.h"

namespace orvex::platform {
namespace {

constexpr std::size_t kMaxSessions = 4096;

// uaccess hands a device to the active session of the seat it belongs to; a remote (SSH) session
// has no seat.
bool IsActiveLocalSessionOf(const std::string& text, uid_t uid) {
    const auto owner = KeyValue(text, "UID");
    const auto active = KeyValue(text, "ACTIVE");
    const auto remote = KeyValue(text, "REMOTE");
    const auto seat = KeyValue(text, "SEAT");
    return owner && *owner == std::to_string(uid) && active && *active == "1" &&
           !(remote && *remote == "1") && seat && !seat->empty();
}

}  // namespace

LogindFacts ReadLogindFacts(const std::filesystem::path& root, uid_t uid) {
    LogindFacts facts;
    std::error_code error;
    facts.logindRuns = std::filesystem::is_directory(root / "run/systemd/seats", error);
    std::size_t seen = 0;
    for (std::filesystem::directory_iterator entry(root / "run/systemd/sessions", error), end;
         !error && entry != end && seen < kMaxSessions; entry.increment(error), ++seen) {
        const auto text = ReadSmallTextFile(entry->path(), 16 * 1024);
        if (text && IsActiveLocalSessionOf(*text, uid)) {
            facts.activeLocalSession = true;
            break;
        }
    }
    return facts;
}

}  // namespace orvex::platform
