#pragma once

#include <filesystem>

#include "core/log/Log.h"
#include "core/macros/MacroList.h"
#include "ui/pages/PlaceholderPage.h"

namespace orvex::ui {

// The macro page until it is built: its background and the program's macro list, loaded from the
// macro folder, so that Apply and the program's end keep rewriting the folder as they will.
class MacroPlaceholderPage : public PlaceholderPage {
    Q_OBJECT

  public:
    MacroPlaceholderPage(const std::filesystem::path& macroFolder, Log& log, QWidget* parent);

    void SaveMacroList() override;

    const MacroList* macroList() const override { return &macros_; }
    MacroList& macros() { return macros_; }

  private:
    Log& log_;
    MacroList macros_;
};

}  // namespace orvex::ui
