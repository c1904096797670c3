#include "ui/buttons/FunctionMenu.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <string>

#include "core/log/Log.h"
#include "core/macros/MacroIds.h"
#include "core/macros/MacroList.h"
#include "ui/skin/CTavComboButton.h"

namespace orvex::ui {
namespace {

using F = ButtonFunction;

constexpr std::array kDefaultCommands{F::LeftClick, F::RightClick, F::ScrollClick, F::Forward,
                                      F::Back,      F::DpiUp,      F::DpiDown};
// Between the "Default Commands" heading and "Assign record macro", in menu order.
constexpr std::array kOwnEntries{F::ProfileSwitchUp, F::ProfileSwitchDown, F::ProfileSwitchRoll,
                                 F::ScrollUp,        F::ScrollDown,        F::SingleKey};

constexpr int kMacroHeadingId = ToCode(F::RecordMacro);

QString FromUtf16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString FunctionText(ButtonFunction function) {
    return FromUtf16(ButtonFunctionMenuText(function));
}

void FillFunctionMenu(CTavComboButton& button) {
    button.AddMenuItem(kDefaultCommandsMenuId, FromUtf16(kDefaultCommandsText));
    for (const F function : kDefaultCommands) {
        button.AddSubMenuItem(ToCode(function), kDefaultCommandsMenuId, FunctionText(function));
    }
    for (const F function : kOwnEntries) {
        button.AddMenuItem(ToCode(function), FunctionText(function));
    }
    button.AddMenuItem(kMacroHeadingId, FunctionText(F::RecordMacro));
    button.AddMenuItem(ToCode(F::DisableButton), FunctionText(F::DisableButton));

    PopupMenu* defaults = button.tavMenu()->GetSubMenu(kDefaultCommandsMenuId);
    defaults->resize(kDefaultCommandsListWidth, defaults->height());
}

std::vector<MacroEntry> ListableMacros(const MacroList& macros, Log& log) {
    std::vector<MacroEntry> entries;
    entries.reserve(macros.size());
    for (const auto& macro : macros.Macros()) {
        if (!IsBindableMacroId(macro->id)) {
            LogLine(&log, "mouse page",
                    "macro id " + std::to_string(macro->id) +
                        " cannot be bound to a button; the macro is not listed");
            continue;
        }
        entries.push_back({macro->id, QString::fromStdU16String(macro->name)});
    }
    return entries;
}

void ListMacros(CTavComboButton& button, std::span<const MacroEntry> macros) {
    button.RemoveSubMenuItems(kMacroHeadingId);
    for (const MacroEntry& macro : macros) {
        button.AddSubMenuItem(macro.id, kMacroHeadingId, macro.name);
    }
    PopupMenu* list = button.tavMenu()->GetSubMenu(kMacroHeadingId);
    const QFontMetrics metrics(list->itemFont());
    int widest = 0;
    for (const MacroEntry& macro : macros) {
        widest = std::max(widest, metrics.horizontalAdvance(macro.name));
    }
    list->resize(widest + kMacroListMargin, list->height());
}

QString MacroEntryText(CTavComboButton& button, int entryId) {
    const PopupMenu* list = button.tavMenu()->GetSubMenu(kMacroHeadingId);
    for (int i = 0; i < list->itemCount(); ++i) {
        if (list->item(i).id == entryId) {
            return list->item(i).text;
        }
    }
    return {};
}

}  // namespace orvex::ui
