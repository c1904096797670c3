#include "core/profiles/ConfigFolders.h"

#include <cstdlib>
#include <string>

namespace orvex {
namespace {

std::optional<std::filesystem::path> AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    std::filesystem::path path(value);
    if (!path.is_absolute()) {
        return std::nullopt;
    }
    return path;
}

}  // namespace

std::optional<std::filesystem::path> UserConfigRoot() {
#ifdef _WIN32
    return AbsoluteFromEnvironment("APPDATA");
#else
    // A relative XDG_CONFIG_HOME is to be ignored, as the base-directory rules say.
    if (auto configHome = AbsoluteFromEnvironment("XDG_CONFIG_HOME")) {
        return configHome;
    }
    if (auto home = AbsoluteFromEnvironment("HOME")) {
        return *home / ".config";
    }
    return std::nullopt;
#endif
}

std::optional<std::filesystem::path> ProgramDataFolder(
    const std::optional<std::filesystem::path>& overrideRoot) {
    const std::optional<std::filesystem::path> root =
        overrideRoot ? overrideRoot : UserConfigRoot();
    if (!root) {
        return std::nullopt;
    }
    return *root / "Velnor" / "ORVEX SK";
}

std::filesystem::path ProfilesFolderPath(const std::filesystem::path& programDataFolder) {
    return programDataFolder / "Profiles";
}

std::filesystem::path SlotProfilePath(const std::filesystem::path& programDataFolder, int slot) {
    return ProfilesFolderPath(programDataFolder) / ("Default" + std::to_string(slot) + ".profile");
}

std::filesystem::path MacroFolderPath(const std::filesystem::path& programDataFolder) {
    return programDataFolder / "Macros";
}

}  // namespace orvex
