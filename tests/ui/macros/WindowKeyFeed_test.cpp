#include "ui/macros/WindowKeyFeed.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include "platform/KeyboardHook.h"
#include "platform/WindowKeys.h"
#include "ui/macros/KeyCapturedRecorder.h"
#include "ui/macros/KeyboardHookSlot.h"
#include "ui/macros/WindowKeyCases.h"

namespace orvex::ui {
namespace {

using Keys = std::vector<std::pair<int, int>>;
using testing::kWindowKeyCases;

// A key event as the window system delivers it: to the window, which passes it to its focused
// widget.
void SendKey(QWidget& widget, QEvent::Type type, const testing::WindowKeyCase& key,
             bool autoRepeat = false, const QString& text = {}) {
    QKeyEvent event(type, key.qtKey, Qt::NoModifier, key.nativeScanCode, 0, 0, text, autoRepeat);
    QCoreApplication::sendEvent(widget.windowHandle(), &event);
}

// The program's own hook where the window system offers none: this platform's, fed from the
// program's windows.
class WindowKeyFeedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        focused.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&focused));
    }

    bool WaitForKeys(std::size_t count) {
        return QTest::qWaitFor([&] { return target.keys.size() >= count; }, 2000);
    }

    platform::WindowKeys keys;
    WindowKeyFeed feed{keys};
    KeyboardHookSlot slot{[this] {
        return platform::MakeDesktopKeyboardHook(QGuiApplication::platformName().toStdString(),
                                                 keys);
    }};
    testing::KeyCapturedRecorder target;
    QLineEdit focused;
};

TEST_F(WindowKeyFeedTest, KeysTheWindowsGetArriveAsVirtualKeysSideSpecificModifiersIncluded) {
    ASSERT_TRUE(slot.InstallKeyboardHook(&target));
    for (const testing::WindowKeyCase& key : kWindowKeyCases) {
        target.keys.clear();
        SendKey(focused, QEvent::KeyPress, key);
        SendKey(focused, QEvent::KeyRelease, key);
        ASSERT_TRUE(WaitForKeys(2)) << key.name;
        EXPECT_EQ(target.keys, (Keys{{key.virtualKey, 0}, {key.virtualKey, 0x80}})) << key.name;
    }
}

TEST_F(WindowKeyFeedTest, TheWindowStillGetsTheKeyAHeldKeyRepeatsItsPressAndRemovingEndsIt) {
    ASSERT_TRUE(slot.InstallKeyboardHook(&target));
    const testing::WindowKeyCase& a = kWindowKeyCases[0];
    SendKey(focused, QEvent::KeyPress, a, false, QStringLiteral("a"));
    SendKey(focused, QEvent::KeyRelease, a, true, QStringLiteral("a"));
    SendKey(focused, QEvent::KeyPress, a, true, QStringLiteral("a"));
    SendKey(focused, QEvent::KeyRelease, a, false, QStringLiteral("a"));
    ASSERT_TRUE(WaitForKeys(3));
    QCoreApplication::processEvents();
    EXPECT_EQ(target.keys, (Keys{{'A', 0}, {'A', 0}, {'A', 0x80}}));
    EXPECT_EQ(focused.text(), QStringLiteral("aa"));

    // A key without a virtual-key code is left out.
    target.keys.clear();
    SendKey(focused, QEvent::KeyPress, {"none", 7, Qt::Key_unknown, 0});
    slot.RemoveKeyboardHook();
    SendKey(focused, QEvent::KeyPress, a);
    QCoreApplication::processEvents();
    EXPECT_TRUE(target.keys.empty());
    EXPECT_FALSE(keys.HasListener());
}

}  // namespace
}  // namespace orvex::ui
