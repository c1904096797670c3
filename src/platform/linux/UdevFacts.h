#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvex::platform {

// The folders udev (systemd-udevd) reads rules from, below `root`, in the order it lists them.
std::vector<std::filesystem::path> UdevRuleFolders(const std::filesystem::path& root);

// The rule files of those folders that name the mouse: their text holds its vendor and product
// ids (any case), as 70-orvex-sk.rules and a hand-written group rule both do.
std::vector<std::filesystem::path> UdevRulesNamingMouse(const std::filesystem::path& root);

// The tags udev's database keeps for the character device `deviceNumber` ("major:minor"):
// those set by the rules when the device last changed ("G:" and "Q:" lines of
// <root>/run/udev/data/c<major>:<minor>). Empty when udev has no entry for it.
std::vector<std::string> UdevDeviceTags(const std::filesystem::path& root,
                                        const std::string& deviceNumber);

}  // namespace orvex::platform
