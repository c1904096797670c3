#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "core/macros/MacroList.h"
#include "core/macros/ProfileMacro.h"
#include "ui/app/MainWindowRig.h"
#include "ui/buttons/CMouseSettingsDlg.h"

namespace orvex::ui::testing {

// Function codes by name, as the tests use them.
inline constexpr int kLeftClick = 0;
inline constexpr int kForward = 3;
inline constexpr int kBack = 4;
inline constexpr int kDpiUp = 5;
inline constexpr int kScrollUp = 11;
inline constexpr int kSingleKey = 13;
inline constexpr int kRecordMacro = 14;
inline constexpr int kDisable = 15;

// What a function button shows and holds.
struct Shown {
    QString text;
    int code;
    int parameter;
    friend bool operator==(const Shown&, const Shown&) = default;
};
void PrintTo(const Shown& shown, std::ostream* out);

// The main window with the program's mouse page (and, when asked, the macro page
// with its macro list), driven with real clicks.
class MouseSettingsTest : public MainWindowTest {
  protected:
    void MakeWindowWithMousePage(bool withMacroList = false);

    CMouseSettingsDlg& mousePage() const;
    // The macro page's list; the window must have been made with it.
    MacroList& macroList() const;
    // Adds a macro with `events` key presses of A to the macro page's list.
    ProfileMacro AddMacro(std::int32_t id, const std::u16string& name, int events = 1) const;

    // Opens the button's menu with a click and clicks the entry, hovering the heading first when
    // the entry is in a sub-list. The choice is made as a user makes it, pop-ups included.
    void Choose(std::size_t button, int entryId) const;
    // Clicks a control of the page at the point `fraction` of its width across.
    void ClickAcross(QWidget* control, double fraction) const;

    Shown ShownOn(std::size_t button) const;
    // The page written into a copy of the current slot's record, as the window would.
    ProfileRecord Saved() const;
};

}  // namespace orvex::ui::testing
