#include "platform/FallbackKeyboardHook.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/WindowKeys.h"

namespace orvex::platform {
namespace {

class ScriptedHook : public KeyboardHook {
  public:
    explicit ScriptedHook(bool refuses) : refuses_(refuses) {}
    bool Install(Sink sink) override {
        if (refuses_) {
            return false;
        }
        sink_ = std::move(sink);
        return true;
    }
    void Remove() override { sink_ = nullptr; }
    bool IsInstalled() const override { return static_cast<bool>(sink_); }
    int ConnectionFd() const override { return IsInstalled() ? 42 : -1; }
    void Dispatch() override { sink_({7, false}); }

  private:
    bool refuses_;
    Sink sink_;
};

TEST(FallbackKeyboardHookTest, ThePreferredHookIsTakenWhenItInstallsAndTheFallbackOtherwise) {
    struct Case {
        bool preferredRefuses;
        bool fallbackRefuses;
        int installed;  // 0 none, 1 preferred, 2 fallback
    };
    for (const Case& c : {Case{false, false, 1}, Case{true, false, 2}, Case{true, true, 0}}) {
        auto preferred = std::make_unique<ScriptedHook>(c.preferredRefuses);
        auto fallback = std::make_unique<ScriptedHook>(c.fallbackRefuses);
        const KeyboardHook* hooks[] = {nullptr, preferred.get(), fallback.get()};
        FallbackKeyboardHook hook(std::move(preferred), std::move(fallback));
        std::vector<KeyEvent> keys;
        EXPECT_EQ(hook.Install([&keys](const KeyEvent& key) { keys.push_back(key); }),
                  c.installed != 0);
        EXPECT_EQ(hook.installed(), hooks[c.installed]);
        EXPECT_EQ(hook.ConnectionFd(), c.installed != 0 ? 42 : -1);
        hook.Dispatch();
        EXPECT_EQ(keys.size(), c.installed != 0 ? 1u : 0u);
        hook.Remove();
        EXPECT_FALSE(hook.IsInstalled());
        EXPECT_EQ(hooks[c.installed] != nullptr && hooks[c.installed]->IsInstalled(), false);
    }
}

// The desktop's choice: the X server's hook where it can be had, else the program's windows'.
TEST(DesktopKeyboardHookTest, WhereNoXServerHookCanBeHadTheWindowsKeysAreHeard) {
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display != nullptr ? display : "";
    ::setenv("DISPLAY", ":65000", 1);
    for (const char* windowSystem : {"xcb", "wayland", "offscreen"}) {
        WindowKeys windowKeys;
        const auto hook = MakeDesktopKeyboardHook(windowSystem, windowKeys);
        std::vector<KeyEvent> keys;
        ASSERT_TRUE(hook->Install([&keys](const KeyEvent& key) { keys.push_back(key); }))
            << windowSystem;
        EXPECT_EQ(hook->ConnectionFd(), -1);
        windowKeys.Deliver(50, false);  // left Shift
        windowKeys.Deliver(108, true);  // right Alt
        windowKeys.Deliver(3, false);   // below the XKB range: nothing
        ASSERT_EQ(keys.size(), 2u) << windowSystem;
        EXPECT_EQ(keys[0].virtualKey, 160);
        EXPECT_FALSE(keys[0].release);
        EXPECT_EQ(keys[1].virtualKey, 165);
        EXPECT_TRUE(keys[1].release);
        hook->Remove();
        EXPECT_FALSE(windowKeys.HasListener());
    }
    ::setenv("DISPLAY", saved.c_str(), 1);
}

TEST(WindowKeysTest, ALaterListenerTakesTheKeysOverAndOnlyItCanStop) {
    WindowKeys windowKeys;
    std::vector<int> heard;
    int first = 0;
    int second = 0;
    windowKeys.Listen(&first, [&heard](std::uint32_t code, bool) {
        heard.push_back(1000 + static_cast<int>(code));
    });
    windowKeys.Listen(&second, [&heard](std::uint32_t code, bool) {
        heard.push_back(2000 + static_cast<int>(code));
    });
    windowKeys.StopListening(&first);
    windowKeys.Deliver(1, false);
    windowKeys.StopListening(&second);
    windowKeys.Deliver(2, false);
    EXPECT_EQ(heard, std::vector<int>{2001});
}

}  // namespace
}  // namespace orvex::platform
