#include "platform/linux/UdevFacts.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/linux/SmallTextFile.h"

namespace orvex::platform {
namespace {

// A rules folder with more files than this is not looked through further.
constexpr std::size_t kMaxRuleFiles = 2048;

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool NamesMouse(const std::filesystem::path& file) {
    const auto text = ReadSmallTextFile(file, 256 * 1024);
    if (!text) {
        return false;
    }
    const std::string lower = Lowercase(*text);
    return lower.find("2a3c") != std::string::npos && lower.find("3b19") != std::string::npos;
}

}  // namespace

std::vector<std::filesystem::path> UdevRuleFolders(const std::filesystem::path& root) {
    return {root / "etc/udev/rules.d", root / "run/udev/rules.d",
            root / "usr/local/lib/udev/rules.d", root / "usr/lib/udev/rules.d",
            root / "lib/udev/rules.d"};
}

std::vector<std::filesystem::path> UdevRulesNamingMouse(const std::filesystem::path& root) {
    std::vector<std::filesystem::path> found;
    for (const auto& folder : UdevRuleFolders(root)) {
        std::vector<std::filesystem::path> files;
        std::error_code error;
        for (std::filesystem::directory_iterator entry(folder, error), end;
             !error && entry != end && files.size() < kMaxRuleFiles; entry.increment(error)) {
            if (entry->path().extension() == ".rules") {
                files.push_back(entry->path());
            }
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            if (NamesMouse(file)) {
                found.push_back(file);
            }
        }
    }
    return found;
}

std::vector<std::string> UdevDeviceTags(const std::filesystem::path& root,
                                        const std::string& deviceNumber) {
    std::vector<std::string> tags;
    if (deviceNumber.empty() || deviceNumber.find('/') != std::string::npos) {
        return tags;
    }
    const auto text = ReadSmallTextFile(root / "run/udev/data" / ("c" + deviceNumber));
    if (!text) {
        return tags;
    }
    std::size_t lineStart = 0;
    while (lineStart < text->size()) {
        std::size_t lineEnd = text->find('\n', lineStart);
        if (lineEnd == std::string::npos) {
            lineEnd = text->size();
        }
        const std::string line = text->substr(lineStart, lineEnd - lineStart);
        if ((line.starts_with("G:") || line.starts_with("Q:")) &&
            std::find(tags.begin(), tags.end(), line.substr(2)) == tags.end()) {
            tags.push_back(line.substr(2));
        }
        lineStart = lineEnd + 1;
    }
    return tags;
}

}  // namespace orvex::platform
