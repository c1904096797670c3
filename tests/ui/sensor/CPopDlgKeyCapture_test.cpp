#include <gtest/gtest.h>

#include <QTest>

#include "core/buttons/ButtonFunction.h"
#include "ui/TestServices.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/sensor/DialogSkin.h"
#include "ui/sensor/ModalSteps.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/MessageBox.h"
#include "ui/skin/RecordingParent.h"

namespace orvex::ui {
namespace {

using testing::DialogSkin;
using testing::FakeKeyboardHook;
using testing::ModalSteps;
using testing::RecordingParent;

constexpr int kFunctionButtonId = 1030;
constexpr int kSingleKeyCode = ToCode(ButtonFunction::SingleKey);
constexpr std::uint16_t kEscape = 0x1B;
constexpr std::uint16_t kEnter = 0x0D;

CPopDlg& Popup(QDialog& dialog) {
    return static_cast<CPopDlg&>(dialog);
}

void Click(CTavButton* button) {
    ASSERT_TRUE(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// A key typed on the desktop reaches the pop-up through the hook as a posted event.
void TypeOnDesktop(const FakeKeyboardHook::Desktop& desktop, std::uint16_t virtualKey) {
    desktop.Type(virtualKey);
    QCoreApplication::processEvents();
}

// A function button on the mouse page: choosing "Single Key" from its menu opens the capture
// pop-up from inside the page's notification handler, as the page does.
class KeyCaptureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        button.SetControlId(kFunctionButtonId);
        button.setGeometry(10, 10, 160, 24);
        button.AddMenuItem(0, QStringLiteral("Left Click"));
        button.AddMenuItem(kSingleKeyCode, QStringLiteral("Single Key"));
        button.SetSelection(QStringLiteral("Left Click"), 0, 0);
        page.onNotification = [this](int code, int value) {
            if (code == kFunctionButtonId && value == kSingleKeyCode) {
                result =
                    CPopDlg::Run(PopupMode::AssignKey, &page, services.popupServices(), &button);
            }
        };
        MessageBox::TakeShownTexts();
    }

    // The user picks "Single Key" from the button's menu.
    void ChooseSingleKey() { button.ControlNotification(0, kSingleKeyCode); }

    void ExpectButtonUnchanged() {
        EXPECT_EQ(button.Text(), QStringLiteral("Left Click"));
        EXPECT_EQ(button.selectedCode(), 0);
        EXPECT_EQ(button.selectedParameter(), 0);
        EXPECT_TRUE(button.acceptSelection());
    }

    DialogSkin skin;
    testing::TestServices services;
    FakeKeyboardHook::Desktop& desktop = services.desktop;
    RecordingParent page;
    CTavComboButton button{&page};
    int result = 0;
};

TEST_F(KeyCaptureTest, EscapeAndEnterAreCapturedAsKeysAndOkAssignsTheLastOne) {
    ModalSteps steps({[this](QDialog& dialog) {
        CPopDlg& popup = Popup(dialog);
        EXPECT_EQ(services.keyboardHook.Target(), &popup);
        EXPECT_EQ(popup.timeStatic()->CurrentText(), QString());

        // Qt's own key events do nothing to the pop-up, nor does closing its window.
        QTest::keyClick(&popup, Qt::Key_Escape);
        QTest::keyClick(&popup, Qt::Key_Return);
        popup.close();
        ASSERT_TRUE(popup.isVisible());

        TypeOnDesktop(desktop, kEscape);
        EXPECT_EQ(popup.timeStatic()->CurrentText(), QStringLiteral("ESC"));
        TypeOnDesktop(desktop, kEnter);
        EXPECT_EQ(popup.timeStatic()->CurrentText(), QStringLiteral("ENTER"));
        EXPECT_EQ(popup.capturedKey(), kEnter);
        Click(popup.okButton());
    }});
    ChooseSingleKey();
    EXPECT_EQ(result, 1);
    EXPECT_EQ(steps.unusedSteps(), 0);
    // The captured key, not the menu entry that opened the pop-up.
    EXPECT_EQ(button.Text(), QStringLiteral("ENTER"));
    EXPECT_EQ(button.selectedCode(), kSingleKeyCode);
    EXPECT_EQ(button.selectedParameter(), kEnter);
    EXPECT_TRUE(button.acceptSelection());
    EXPECT_FALSE(services.keyboardHook.IsInstalled());
}

TEST_F(KeyCaptureTest, CancelOrCloseAfterSeveralKeysLeaveTheButtonAsItWas) {
    for (const bool useClose : {false, true}) {
        SCOPED_TRACE(useClose ? "Close" : "Cancel");
        ModalSteps steps({[this, useClose](QDialog& dialog) {
            TypeOnDesktop(desktop, 'A');
            TypeOnDesktop(desktop, 0xA0);  // left Shift
            TypeOnDesktop(desktop, 'B');
            CPopDlg& popup = Popup(dialog);
            Click(useClose ? popup.closeButton() : popup.cancelButton());
        }});
        ChooseSingleKey();
        EXPECT_EQ(result, 2);
        ExpectButtonUnchanged();
        EXPECT_FALSE(services.keyboardHook.IsInstalled());
    }
}

TEST_F(KeyCaptureTest, OkBeforeAnyKeyAssignsNothing) {
    ModalSteps steps({[](QDialog& dialog) { Click(Popup(dialog).okButton()); }});
    ChooseSingleKey();
    EXPECT_EQ(result, 1);
    ExpectButtonUnchanged();
}

TEST_F(KeyCaptureTest, RefusedHookIsReportedAndThePopupStaysUsable) {
    desktop.refusesHooks = true;
    ModalSteps steps({[](QDialog& dialog) {
        EXPECT_EQ(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("set hook failed.")});
        EXPECT_TRUE(dialog.isVisible());
        Click(Popup(dialog).cancelButton());
    }});
    ChooseSingleKey();
    EXPECT_EQ(result, 2);
    EXPECT_EQ(steps.unusedSteps(), 0);
    ExpectButtonUnchanged();
}

}  // namespace
}  // namespace orvex::ui
