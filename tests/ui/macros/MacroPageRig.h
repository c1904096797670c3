#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <vector>

#include "core/macros/CMacroEvent.h"
#include "ui/TestServices.h"
#include "ui/macros/CMacroSettingsDlg.h"

namespace orvex {

inline void PrintTo(const CMacroEvent& event, std::ostream* out) {
    *out << "{" << int{event.type} << ", " << event.code << ", " << int{event.release} << ", "
         << event.delay << "}";
}

}  // namespace orvex

namespace orvex::ui::testing {

// An event as the tests write it: type, code, release, delay.
using Events = std::vector<CMacroEvent>;

inline CMacroEvent Key(int virtualKey, std::uint8_t release, std::int32_t delay = 0) {
    return {kKeyEventType, static_cast<std::int16_t>(virtualKey), release, delay};
}

// The macro page on the default skin the build draws, over the test services, with a macro folder
// of its own.
class MacroPageTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the page (again: as at a restart) on the fixture's macro folder.
    void MakePage();
    std::filesystem::path MacroFolder() const;

    // A left click on a button or check box of the page by its control id.
    void Click(int controlId) const;
    // New Macro, the name typed into the editor, Enter.
    void CreateMacro(const QString& name) const;
    // Makes the macro current with these events (and the last one selected).
    void GiveCurrentMacro(const Events& events) const;
    void SelectEvent(int row) const;
    // Keys on the desktop, as the keyboard hook reports them, handled by the page.
    void Type(std::initializer_list<int> virtualKeys);
    void Press(int virtualKey);
    void Release(int virtualKey);
    void Wait(std::chrono::milliseconds time);

    // Opens the record menu with a right click on an event row and chooses the entries along
    // `path` (for example {3, 15, 18}: "Insert mouse event", "Middle button", "Click").
    void RightClickEvent(int row) const;
    void ChooseInRecordMenu(std::initializer_list<int> path) const;

    // The shown macro's events and selected rows.
    Events ShownEvents() const;
    std::vector<int> SelectedEvents() const;
    bool Checked(int checkBoxId) const;

    TestServices services;
    QTemporaryDir folder;
    std::unique_ptr<CMacroSettingsDlg> page;
};

}  // namespace orvex::ui::testing
