#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/PointerSettings.h"
#include "sim/VirtualMouseRig.h"
#include "ui/TestServices.h"
#include "ui/app/CTESKDlg.h"
#include "ui/pages/ProfilePage.h"

namespace orvex::ui::testing {

// What the fake pages were asked to do, in order: "Load mouse", "Save sensor",
// "Notify sensor 1018", "Rebuild mouse", "SaveMacroList macros" ...
using CallLog = std::vector<std::string>;

// A data page whose only control is one number, standing for every edit the user can make on
// it. It shows and takes back the record's `pointerSpeed`, which the tests read as "the page's
// value".
class FakeDataPage : public ProfilePage {
  public:
    FakeDataPage(std::string name, CallLog& log, QWidget* parent);

    void LoadFromProfile(const ProfileRecord& record) override;
    void SaveToProfile(ProfileRecord& record) override;
    void RebuildMacroLists() override;
    void SaveMacroList() override;
    void ControlNotification(int code, int value) override;

    int value = -1;  // what the control shows; -1 until a record was loaded

  private:
    std::string name_;
    CallLog& log_;
};

class FakePointerSettings : public platform::PointerSettings {
  public:
    platform::PointerSettingsOutcome Apply(const platform::PointerSettingsRequest& r) override;

    std::vector<platform::PointerSettingsRequest> requests;
    std::function<void()> whileApplying;  // runs inside Apply, as a nested event would
};

// The skin the main window is cut from: every bitmap at the size of its window, each state of a
// family in its own shade, with the controls of the main window outlined and named so that a
// screenshot can be read. Made once per test program.
QString MainWindowSkinFolder();

// The main window over the virtual mouse in virtual time, with a fresh configuration folder, the
// fake pages (the real macro page placeholder when `realMacroPage`) and a fake pointer backend.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the window; slot files written before this are what it loads. With `realPages` the
    // window makes every page itself.
    void MakeWindow(bool realMacroPage = false, bool realPages = false);
    // Makes the window with the program's own pages of the kinds listed and fake ones of the
    // others (the fake macro page keeps no macros). With any real page the window is cut from
    // the default skin the build draws, so the pages' controls sit on their real pictures.
    void MakeWindowWith(std::initializer_list<CTESKDlg::Page> realPages);
    // Writes a slot file as the program would, before the window is made.
    void WriteSlotFile(int slot, const ProfileRecord& record) const;
    ProfileRecord ReadSlotFile(int slot) const;
    std::filesystem::path SlotFile(int slot) const;
    std::filesystem::path DataFolder() const;

    FakeDataPage& page(CTESKDlg::Page which) const;
    void ClickControl(QWidget* control) const;
    // Opens the slot's menu with a click on its button and clicks the item.
    void ChooseSlotMenuItem(int slot, int item) const;
    // Clears what happened so far, so a test sees only what its action does.
    void ForgetHistory();

    TestServices services;
    sim::VirtualMouseRig& mouse = services.mouse;
    QTemporaryDir configRoot;
    FakePointerSettings pointer;
    CallLog calls;
    std::unique_ptr<CTESKDlg> window;
    bool inFront = true;
    // The poll's timer ran when the window was made; the rig stops it, so that no tick lands in
    // the middle of a test, and tests call the poll themselves.
    bool pollTimerStarted = false;
    // What the window had asked of the mouse and showed as its firmware before its first frame.
    std::size_t transfersBeforeFirstFrame = 0;
    QString firmwareTextBeforeFirstFrame;
};

}  // namespace orvex::ui::testing
