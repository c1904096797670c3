// The macro page in the running program with the desktop's own keyboard hook: keys typed into
// another window while recording become the macro, which, bound to a button on the mouse page and
// applied, reaches the virtual mouse in the device's macro encoding.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "core/macros/CMacroEvent.h"
#include "core/macros/MacroList.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/DeviceImage.h"
#include "core/profiles/DeviceProfileImage.h"
#include "core/profiles/ProfileFile.h"
#include "ui/app/CTESKDlg.h"
#include "ui/layout/MacroSettingsLayout.h"
#include "ui/layout/MainWindowLayout.h"
#include "x11/FunctionMenusUnderTest.h"
#include "x11/RunCommand.h"

namespace orvex::testing {
namespace {

namespace main = ui::layout::mainwindow;
namespace mc = ui::layout::macrosettings;

constexpr std::size_t kButton4 = 3;

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values) {
        bytes.append(static_cast<char>(value));
    }
    return bytes;
}

using MacroProgramTest = FunctionMenusUnderTest;

TEST_F(MacroProgramTest, KeysTypedElsewhereWhileRecordingReachTheMouseAsAButtonsMacro) {
    StartAndWaitForWindow();
    ClickInWindow(main::kPageTabs[ui::CTESKDlg::kMacroPage]);
    ClickOnPage(mc::kNewMacro);
    FocusWindow(MainWindowId());
    TypeKeys({QStringLiteral("f"), QStringLiteral("i"), QStringLiteral("r"), QStringLiteral("e"),
              QStringLiteral("Return")});
    ClickOnPage(mc::kStartRecord);

    // Another program's window has the keyboard; the recording hears the keys all the same.
    QLineEdit elsewhere;
    elsewhere.setWindowTitle(QStringLiteral("elsewhere"));
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
    FocusWindow(std::to_string(elsewhere.winId()));
    ASSERT_EQ(RunCommand({"xdotool", "type", "--delay", "60", "ab"}), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return elsewhere.text() == QStringLiteral("ab"); }, 5000))
        << "the keys reach the window that has the focus";
    ClickOnPage(mc::kStopRecord);  // where Start Record was

    ClickInWindow(main::kPageTabs[ui::CTESKDlg::kMousePage]);
    ChooseFirstMacro(kButton4);
    ClickInWindow(main::kApply);
    ASSERT_TRUE(WaitUntilMouseHoldsTheSlotFiles());

    // Recorded without "Record Delay": A and B pressed and released, no delays.
    const std::vector<CMacroEvent> typed{
        {kKeyEventType, 'A', kEventPress, 0},
        {kKeyEventType, 'A', kEventRelease, 0},
        {kKeyEventType, 'B', kEventPress, 0},
        {kKeyEventType, 'B', kEventRelease, 0},
    };
    MacroList saved;
    saved.SetMacroFolder(MacroFolderPath(ConfigFolder()));
    ASSERT_EQ(saved.LoadMacroList(), 0u);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved.Macros().front()->name, u"fire");
    EXPECT_EQ(saved.CopyMacro(16)->events, typed);

    ProfileRecord slot1;
    ASSERT_EQ(LoadProfile(SlotFile(1), slot1), ProfileLoadStatus::Loaded);
    EXPECT_EQ(slot1.buttons[kButton4].param, 16);
    EXPECT_EQ(slot1.buttonMacros[kButton4].events, typed);

    // On the mouse: the button's slot points at the macro area, which holds the four events with
    // the keys as HID usages (A = 0x04, B = 0x05), then the terminator.
    const QByteArray image = MouseImage(1);
    ASSERT_EQ(image.size(), static_cast<qsizetype>(kDeviceImageSize));
    EXPECT_EQ(image.mid(static_cast<qsizetype>(ButtonSlotOffset(kButton4)), 7),
              Bytes({0x03, 0x00, 0x20, 0x03, 0x04, 0x00, 0x0F}));
    EXPECT_EQ(image.mid(static_cast<qsizetype>(kMacroAreaOffset), 35),
              Bytes({0x01, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00,  //
                     0x01, 0x04, 0x00, 0x01, 0x00, 0x00, 0x00,  //
                     0x01, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00,  //
                     0x01, 0x05, 0x00, 0x01, 0x00, 0x00, 0x00,  //
                     0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(image, SlotFileImage(1));
}

}  // namespace
}  // namespace orvex::testing
