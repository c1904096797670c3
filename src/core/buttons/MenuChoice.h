#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvex {

// Function-menu entry ids from this value up are macro ids.
inline constexpr int kFirstMacroEntryId = 16;

// What the mouse page does when a function button reports the menu entry the user chose.
enum class MenuChoice {
    KeepLeftClick,  // warn and keep "Left Click": it is the last button holding it
    CaptureKey,     // open the key capture; the button never takes the entry itself
    BindMacro,      // the button shows the macro's name and holds (RecordMacro, entry id)
    TakeEntry,      // the button takes the entry's text and code, keeping its parameter
};

bool IsMacroEntryId(int entryId);

// True when `button` holds the only Left Click among `selectedCodes` (the selected code of every
// function button) and the choice would take it away. Once some button clicks left, one always
// does, so the mouse cannot be left without a primary button.
bool LeftClickGuardBlocks(std::span<const std::uint8_t> selectedCodes, std::size_t button,
                          int entryId);

// The guard comes first: choosing "Single key assign..." or a macro on the last Left Click button
// warns instead.
MenuChoice DecideMenuChoice(std::span<const std::uint8_t> selectedCodes, std::size_t button,
                            int entryId);

}  // namespace orvex
