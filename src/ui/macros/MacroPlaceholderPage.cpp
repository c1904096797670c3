#include "ui/macros/MacroPlaceholderPage.h"

namespace orvex::ui {

MacroPlaceholderPage::MacroPlaceholderPage(const std::filesystem::path& macroFolder, Log& log,
                                           QWidget* parent)
    : PlaceholderPage(kMacroBackground, parent), log_(log) {
    macros_.SetMacroFolder(macroFolder);
    const std::size_t skipped = macros_.LoadMacroList();
    if (skipped != 0) {
        LogLine(&log_, "macros",
                std::to_string(skipped) + " unreadable macro entries skipped in " +
                    macroFolder.string());
    }
}

void MacroPlaceholderPage::SaveMacroList() {
    // A failed save leaves the previous one readable and the macros in memory for the next try.
    const FileWriteResult saved = macros_.SaveMacroList();
    if (!saved.ok) {
        LogLine(&log_, "macros", "macro list not saved: " + saved.error);
    }
}

}  // namespace orvex::ui
