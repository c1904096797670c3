#pragma once

#include <QString>
#include <span>
#include <vector>

#include "core/buttons/ButtonFunction.h"

namespace orvex {
class Log;
class MacroList;
}  // namespace orvex

namespace orvex::ui {

class CTavComboButton;

// A macro as the function menus list it: its id is the entry's id, its name the entry's text.
struct MacroEntry {
    int id = 0;
    QString name;
};

// The width of the "Default Commands" sub-list; the macro sub-list is as wide as its widest name
// plus the margin.
inline constexpr int kDefaultCommandsListWidth = 100;
inline constexpr int kMacroListMargin = 50;

// Gives a function button the entries every button of the mouse page offers, each entry's id
// being its function code: "Default Commands" with the seven standard functions under it, the
// profile and scroll functions, "Single key assign...", "Assign record macro" (whose sub-list
// holds the macros) and "Disable Button".
void FillFunctionMenu(CTavComboButton& button);

// The macros the menus can offer, in list order. A macro whose id no binding can hold (only from
// a damaged or foreign macro file) is left out and logged: listed, it could pass for a function.
std::vector<MacroEntry> ListableMacros(const MacroList& macros, Log& log);

// Replaces the sub-list of "Assign record macro" with `macros` and sizes it to its texts.
void ListMacros(CTavComboButton& button, std::span<const MacroEntry> macros);

// The name of the macro entry `entryId` of the button's macro sub-list; empty when there is none.
QString MacroEntryText(CTavComboButton& button, int entryId);

// The text under which the function is offered.
QString FunctionText(ButtonFunction function);

}  // namespace orvex::ui
