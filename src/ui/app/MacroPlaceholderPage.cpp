#include "ui/app/MacroPlaceholderPage.h"

namespace orvex::ui {

MacroPlaceholderPage::MacroPlaceholderPage(const std::filesystem::path& macroFolder,
                                           QWidget* parent)
    : PlaceholderPage(kMacroBackground, parent) {
    macros_.SetMacroFolder(macroFolder);
    static_cast<void>(macros_.LoadMacroList());
}

void MacroPlaceholderPage::SaveMacroList() {
    // A failed save leaves the previous one readable and the macros in memory for the next try;
    // there is nothing more the page could do about it.
    static_cast<void>(macros_.SaveMacroList());
}

}  // namespace orvex::ui
