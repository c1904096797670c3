#include "platform/linux/X11KeyboardHook.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <string>
#include <vector>

#include "platform/WindowKeys.h"
#include "platform/linux/WindowKeyboardHook.h"
#include "ui/macros/KeyCapturedRecorder.h"
#include "ui/macros/KeyboardHookSlot.h"
#include "ui/macros/WindowKeyFeed.h"
#include "x11/RunCommand.h"
#include "x11/XvfbServer.h"

namespace orvex::testing {
namespace {

using Keys = std::vector<std::pair<int, int>>;  // virtual-key code, release flag (0x80)

constexpr auto kKeyDeadline = std::chrono::seconds(5);

// A keysym or an X keycode, pressed and released.
void TypeKey(const std::string& key) {
    ASSERT_EQ(RunCommand({"xdotool", "key", key}), 0);
}

// Dispatches the hook's events as they arrive until `count` keys came or the deadline passed.
void WaitForKeys(platform::X11KeyboardHook& hook, const Keys& keys, std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + kKeyDeadline;
    while (keys.size() < count && std::chrono::steady_clock::now() < deadline) {
        pollfd readable{hook.ConnectionFd(), POLLIN, 0};
        ::poll(&readable, 1, 10);
        hook.Dispatch();
    }
}

using KeyRecorder = ui::testing::KeyCapturedRecorder;

using X11KeyboardHookTest = XvfbTest;

TEST_F(X11KeyboardHookTest, TypedKeysArriveAsVirtualKeysPressedThenReleased) {
    // Modifiers go by X keycode: given their keysym, xdotool also presses and releases the
    // modifier it thinks the key needs, which would add keys nobody typed.
    const std::pair<const char*, int> cases[] = {
        {"a", 'A'},
        {"7", '7'},
        {"F5", 0x74},
        {"KP_Enter", 0x0D},
        {"Escape", 0x1B},
        {"Next", 0x22},
        {"50", 160 /* Shift_L */},
        {"62", 161 /* Shift_R */},
        {"37", 162 /* Control_L */},
        {"105", 163 /* Control_R */},
        {"64", 164 /* Alt_L */},
        {"108", 165 /* Alt_R */},
    };
    platform::X11KeyboardHook hook;
    Keys keys;
    ASSERT_TRUE(hook.Install([&keys](const platform::KeyEvent& key) {
        keys.emplace_back(key.virtualKey, key.release ? 0x80 : 0);
    }));
    ASSERT_TRUE(hook.IsInstalled());
    for (const auto& [key, virtualKey] : cases) {
        keys.clear();
        TypeKey(key);
        WaitForKeys(hook, keys, 2);
        EXPECT_EQ(keys, (Keys{{virtualKey, 0}, {virtualKey, 0x80}})) << key;
    }
    hook.Remove();
    EXPECT_FALSE(hook.IsInstalled());
    EXPECT_EQ(hook.ConnectionFd(), -1);
}

TEST(X11KeyboardHook, WithoutAnXServerInstallingFails) {
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display != nullptr ? display : "";
    ::setenv("DISPLAY", ":65000", 1);
    platform::X11KeyboardHook hook;
    EXPECT_FALSE(hook.Install([](const platform::KeyEvent&) {}));
    EXPECT_FALSE(hook.IsInstalled());
    EXPECT_EQ(hook.ConnectionFd(), -1);
    ::setenv("DISPLAY", saved.c_str(), 1);
}

class KeyboardHookSlotOnX11Test : public XvfbTest {
  protected:
    // The program's own choice of hook for the window system Qt runs on.
    platform::WindowKeys windowKeys;
    ui::KeyboardHookSlot slot{[this] {
        return platform::MakeDesktopKeyboardHook(QGuiApplication::platformName().toStdString(),
                                                 windowKeys);
    }};
};

TEST_F(KeyboardHookSlotOnX11Test, TheDesktopHookPostsKeyCapturedWhileTheFocusedWidgetGetsTheKey) {
    QLineEdit focused;
    focused.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&focused));
    const std::string window = std::to_string(focused.winId());
    ASSERT_EQ(RunCommand({"xdotool", "windowfocus", "--sync", window}), 0);

    KeyRecorder target;
    ASSERT_TRUE(slot.InstallKeyboardHook(&target));
    TypeKey("a");
    TypeKey("62");  // Shift_R by its keycode, without the Shift_L xdotool adds to the keysym
    ASSERT_TRUE(QTest::qWaitFor([&] { return target.keys.size() >= 4; }, 5000));
    EXPECT_EQ(target.keys, (Keys{{'A', 0}, {'A', 0x80}, {161, 0}, {161, 0x80}}));
    // Listening takes nothing away from the window that has the focus.
    EXPECT_TRUE(QTest::qWaitFor([&] { return focused.text() == QStringLiteral("a"); }, 5000));
}

// The fallback where the X server's hook is refused: the keys the program's own windows get, with
// the scan codes the X server really sends.
TEST_F(KeyboardHookSlotOnX11Test, WithoutTheServersHookTheFocusedWindowsKeysArriveAsVirtualKeys) {
    QLineEdit focused;
    focused.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&focused));
    ASSERT_EQ(RunCommand({"xdotool", "windowfocus", "--sync", std::to_string(focused.winId())}), 0);
    const ui::WindowKeyFeed feed(windowKeys);
    ui::KeyboardHookSlot inWindow(
        [this] { return std::make_unique<platform::WindowKeyboardHook>(windowKeys); });
    KeyRecorder target;
    ASSERT_TRUE(inWindow.InstallKeyboardHook(&target));

    const std::pair<const char*, int> cases[] = {
        {"a", 'A'},  {"F5", 0x74}, {"KP_Enter", 0x0D}, {"50", 160},  {"62", 161},
        {"37", 162}, {"105", 163}, {"64", 164},        {"108", 165},
    };
    for (const auto& [key, virtualKey] : cases) {
        target.keys.clear();
        TypeKey(key);
        ASSERT_TRUE(QTest::qWaitFor([&] { return target.keys.size() >= 2; }, 5000)) << key;
        EXPECT_EQ(target.keys, (Keys{{virtualKey, 0}, {virtualKey, 0x80}})) << key;
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return focused.text() == QStringLiteral("a"); }, 5000));
}

}  // namespace
}  // namespace orvex::testing
