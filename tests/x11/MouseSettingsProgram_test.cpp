// The mouse settings page in the running program: its menus, the key capture and its boxes and
// sliders clicked as a user clicks them, then Apply, and what reached the virtual mouse compared
// with the slot file byte for byte.
#include <gtest/gtest.h>

#include <QTest>

#include "core/buttons/VirtualKeys.h"
#include "core/macros/MacroList.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/ProfileFile.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/layout/MouseSettingsLayout.h"
#include "ui/layout/PopupLayout.h"
#include "x11/FunctionMenusUnderTest.h"
#include "x11/RunCommand.h"

namespace orvex::testing {
namespace {

namespace main = ui::layout::mainwindow;
namespace ms = ui::layout::mousesettings;
namespace popup = ui::layout::popup;

constexpr int kMacroId = 16;

class MouseSettingsProgramTest : public FunctionMenusUnderTest {
  protected:
    // The macro folder as the macro page leaves it, before the program starts.
    void PutMacroIntoTheConfigFolder() const {
        MacroList macros;
        macros.SetMacroFolder(MacroFolderPath(ConfigFolder()));
        CMacro& macro = macros.AddMacro(kMacroId, u"Reload");
        macro.AddEvent(0, 'R', 0, 0, InsertMode::Append);
        macro.AddEvent(0, 'R', 1, 30, InsertMode::Append);
        ASSERT_TRUE(macros.SaveMacroList().ok);
    }

    // The key-capture pop-up: the program's one window the size of its face.
    static QString CapturePopup() {
        const popup::PopupFace& face = popup::FaceOf(ui::PopupMode::AssignKey);
        for (const QString& window :
             VisibleWindows(QStringLiteral("^orvex-sk$"), QStringLiteral("--classname"))) {
            const ScreenRect rect = Geometry(window);
            if (rect.width == face.size.width && rect.height == face.size.height) {
                return window;
            }
        }
        return {};
    }

    void CaptureKey(std::size_t button, const QString& key) const {
        ChooseEntry(button, kSingleKeyEntry);
        ASSERT_TRUE(QTest::qWaitFor([] { return !CapturePopup().isEmpty(); }, kStartMs));
        TypeKeys({key});
        const ui::layout::LayoutRect ok = popup::FaceOf(ui::PopupMode::AssignKey).ok;
        ASSERT_EQ(RunCommand({"xdotool", "mousemove", "--sync", "--window",
                              CapturePopup().toStdString(), std::to_string(ok.left + ok.width / 2),
                              std::to_string(ok.top + ok.height / 2), "click", "1"}),
                  0);
        ASSERT_TRUE(QTest::qWaitFor([] { return CapturePopup().isEmpty(); }, kStartMs));
    }

    // Clicks a slider of the page near one end.
    void ClickSliderEnd(const ui::layout::LayoutRect& slider, bool right) const {
        ClickInWindow(QPoint(main::kPageOrigin.x + slider.left + (right ? slider.width - 3 : 3),
                             main::kPageOrigin.y + slider.top + slider.height / 2));
    }
};

TEST_F(MouseSettingsProgramTest, ClickedFunctionsKeysMacrosAndRatesReachTheMouseByteForByte) {
    PutMacroIntoTheConfigFolder();
    StartAndWaitForWindow();

    ChooseEntry(1, kScrollUpEntry);
    ChooseFirstMacro(7);
    CaptureKey(4, QStringLiteral("F5"));
    ClickOnPage(ms::kReportRates[1]);  // 250 Hz
    ClickSliderEnd(ms::kDoubleClick, false);
    ClickSliderEnd(ms::kScrollSpeed, true);
    ClickOnPage(ms::kAccelerationEnable);
    ClickInWindow(main::kApply);
    ASSERT_TRUE(WaitUntilMouseHoldsTheSlotFiles());

    ProfileRecord slot1;
    ASSERT_EQ(LoadProfile(SlotFile(1), slot1), ProfileLoadStatus::Loaded);
    EXPECT_EQ(slot1.buttons[0].code, 0) << "untouched";
    EXPECT_EQ(slot1.buttons[1].code, 11);
    EXPECT_EQ(slot1.buttons[4].code, 13);
    EXPECT_EQ(slot1.buttons[4].param, vk::kF5);
    EXPECT_EQ(slot1.buttons[7].code, 14);
    EXPECT_EQ(slot1.buttons[7].param, kMacroId);
    EXPECT_EQ(slot1.buttonMacros[7].name, u"Reload");
    EXPECT_EQ(slot1.buttonMacros[7].events.size(), 2u);
    EXPECT_EQ(slot1.reportInterval, 4);
    EXPECT_EQ(slot1.doubleClickSetting, 200);
    EXPECT_EQ(slot1.scrollLines, 6);
    EXPECT_EQ(slot1.accelerationEnabled, 1);
    EXPECT_EQ(MouseImage(1), SlotFileImage(1));
}

}  // namespace
}  // namespace orvex::testing
