#pragma once

#include <filesystem>
#include <optional>

namespace orvex {

inline constexpr int kSlotCount = 5;

// The per-user configuration root: %APPDATA% on Windows; elsewhere $XDG_CONFIG_HOME when it is an
// absolute path, else ~/.config. None when the environment names no home.
std::optional<std::filesystem::path> UserConfigRoot();

// The program's own folder, "<root>/Velnor/ORVEX SK". `overrideRoot` replaces the user's
// configuration root (the command line's --config-dir, tests); otherwise UserConfigRoot is used.
std::optional<std::filesystem::path> ProgramDataFolder(
    const std::optional<std::filesystem::path>& overrideRoot = std::nullopt);

// "<program folder>/Profiles": the slot files, and where exports and imports start.
std::filesystem::path ProfilesFolderPath(const std::filesystem::path& programDataFolder);

// "<program folder>/Profiles/Default<n>.profile" for slot n = 1 ... 5.
std::filesystem::path SlotProfilePath(const std::filesystem::path& programDataFolder, int slot);

// "<program folder>/Macros".
std::filesystem::path MacroFolderPath(const std::filesystem::path& programDataFolder);

}  // namespace orvex
