#include "core/buttons/MenuChoice.h"

#include <algorithm>

#include "core/buttons/ButtonFunction.h"

namespace orvex {

bool IsMacroEntryId(int entryId) {
    return entryId >= kFirstMacroEntryId;
}

bool LeftClickGuardBlocks(std::span<const std::uint8_t> selectedCodes, std::size_t button,
                          int entryId) {
    constexpr std::uint8_t leftClick = ToCode(ButtonFunction::LeftClick);
    if (button >= selectedCodes.size() || selectedCodes[button] != leftClick ||
        entryId == leftClick) {
        return false;
    }
    return std::count(selectedCodes.begin(), selectedCodes.end(), leftClick) <= 1;
}

MenuChoice DecideMenuChoice(std::span<const std::uint8_t> selectedCodes, std::size_t button,
                            int entryId) {
    if (LeftClickGuardBlocks(selectedCodes, button, entryId)) {
        return MenuChoice::KeepLeftClick;
    }
    if (entryId == ToCode(ButtonFunction::SingleKey)) {
        return MenuChoice::CaptureKey;
    }
    if (IsMacroEntryId(entryId)) {
        return MenuChoice::BindMacro;
    }
    return MenuChoice::TakeEntry;
}

}  // namespace orvex
