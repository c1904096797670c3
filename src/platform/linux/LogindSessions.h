#pragma once

#include <sys/types.h>

#include <filesystem>

namespace orvex::platform {

// What logind's state files under <root>/run/systemd say about a user.
struct LogindFacts {
    bool logindRuns = false;          // it keeps seats (so uaccess can work at all)
    bool activeLocalSession = false;  // the user has an active session on a seat, not remote
};

// Reads at most a few thousand session files; `root` is "/" but for tests and chroots.
LogindFacts ReadLogindFacts(const std::filesystem::path& root, uid_t uid);

}  // namespace orvex::platform
