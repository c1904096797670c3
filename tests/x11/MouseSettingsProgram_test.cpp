// The mouse settings page in the running program: its menus, the key capture and its boxes and
// sliders clicked as a user clicks them, then Apply, and what reached the virtual mouse compared
// with the slot file byte for byte.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include "core/buttons/VirtualKeys.h"
#include "core/macros/MacroList.h"
#include "core/profiles/ConfigFolders.h"
#include "core/profiles/ProfileFile.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/layout/MouseSettingsLayout.h"
#include "ui/layout/PopupLayout.h"
#include "x11/ProgramUnderTest.h"
#include "x11/RunCommand.h"

namespace orvex::testing {
namespace {

namespace main = ui::layout::mainwindow;
namespace ms = ui::layout::mousesettings;
namespace popup = ui::layout::popup;

constexpr int kFunctionMenuEntries = 9;
constexpr int kScrollUpEntry = 4;
constexpr int kSingleKeyEntry = 6;
constexpr int kRecordMacroEntry = 7;
constexpr int kMacroId = 16;

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

ScreenRect Geometry(const QString& window) {
    QProcess query;
    query.start(QStringLiteral("xdotool"),
                {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    query.waitForFinished(5000);
    ScreenRect rect;
    for (const QString& line : QString::fromLatin1(query.readAllStandardOutput()).split(u'\n')) {
        const QString value = line.section(u'=', 1);
        if (line.startsWith(QStringLiteral("X="))) {
            rect.x = value.toInt();
        } else if (line.startsWith(QStringLiteral("Y="))) {
            rect.y = value.toInt();
        } else if (line.startsWith(QStringLiteral("WIDTH="))) {
            rect.width = value.toInt();
        } else if (line.startsWith(QStringLiteral("HEIGHT="))) {
            rect.height = value.toInt();
        }
    }
    return rect;
}

QStringList MenuWindows() {
    return ProgramUnderTest::VisibleWindows(QStringLiteral("^menu$"));
}

class MouseSettingsProgramTest : public ProgramUnderTest {
  protected:
    static void MoveTo(int x, int y, bool click) {
        std::vector<std::string> command{"xdotool", "mousemove", "--sync", std::to_string(x),
                                         std::to_string(y)};
        if (click) {
            command.insert(command.end(), {"click", "1"});
        }
        ASSERT_EQ(RunCommand(command), 0);
        Settle();
    }

    // A menu window's entries share its height evenly but for a 4-pixel margin above and below.
    static void PointAtEntry(const QString& menu, int entryCount, int entry, bool click) {
        const ScreenRect rect = Geometry(menu);
        const int entryHeight = (rect.height - 8) / entryCount;
        MoveTo(rect.x + 30, rect.y + 4 + entry * entryHeight + entryHeight / 2, click);
    }

    // The macro folder as the macro page leaves it, before the program starts.
    void PutMacroIntoTheConfigFolder() const {
        MacroList macros;
        macros.SetMacroFolder(MacroFolderPath(ConfigFolder()));
        CMacro& macro = macros.AddMacro(kMacroId, u"Reload");
        macro.AddEvent(0, 'R', 0, 0, InsertMode::Append);
        macro.AddEvent(0, 'R', 1, 30, InsertMode::Append);
        ASSERT_TRUE(macros.SaveMacroList().ok);
    }

    // Opens the function menu of `button`; the new menu window.
    QString OpenFunctionMenu(std::size_t button) const {
        ClickOnPage(ms::kFunctions[button]);
        const QStringList menus = MenuWindows();
        EXPECT_EQ(menus.size(), 1) << "the menu of button " << button;
        return menus.value(0);
    }

    void ChooseEntry(std::size_t button, int entry) const {
        const QString menu = OpenFunctionMenu(button);
        ASSERT_FALSE(menu.isEmpty());
        PointAtEntry(menu, kFunctionMenuEntries, entry, true);
        ASSERT_TRUE(QTest::qWaitFor([] { return MenuWindows().isEmpty(); }, kStartMs));
    }

    void ChooseFirstMacro(std::size_t button) const {
        const QString menu = OpenFunctionMenu(button);
        ASSERT_FALSE(menu.isEmpty());
        PointAtEntry(menu, kFunctionMenuEntries, kRecordMacroEntry, false);
        ASSERT_TRUE(QTest::qWaitFor([] { return MenuWindows().size() == 2; }, kStartMs))
            << "the macro list opens beside its entry";
        QStringList menus = MenuWindows();
        menus.removeAll(menu);
        PointAtEntry(menus.front(), 1, 0, true);
        ASSERT_TRUE(QTest::qWaitFor([] { return MenuWindows().isEmpty(); }, kStartMs));
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
