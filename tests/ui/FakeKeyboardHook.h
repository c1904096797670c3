#pragma once

#include <cstdint>
#include <memory>

#include "platform/KeyboardHook.h"
#include "ui/macros/KeyboardHookSlot.h"

namespace orvex::ui::testing {

// A keyboard hook the test types into, made the slot's hook for the fixture's life. The desktop's
// refusal of a hook is one flag.
class FakeKeyboardHook final : public platform::KeyboardHook {
  public:
    struct Desktop {
        bool refusesHooks = false;
        FakeKeyboardHook* installed = nullptr;

        // A key pressed and released anywhere on the desktop.
        void Type(std::uint16_t virtualKey) const {
            Press(virtualKey);
            Release(virtualKey);
        }
        // One half of it, for keys held down (a held key repeats its press).
        void Press(std::uint16_t virtualKey) const { Send(virtualKey, false); }
        void Release(std::uint16_t virtualKey) const { Send(virtualKey, true); }

      private:
        void Send(std::uint16_t virtualKey, bool release) const {
            if (installed != nullptr && installed->sink_) {
                installed->sink_({virtualKey, release});
            }
        }
    };

    explicit FakeKeyboardHook(Desktop& desktop) : desktop_(desktop) {}
    ~FakeKeyboardHook() override { Remove(); }

    bool Install(Sink sink) override {
        if (desktop_.refusesHooks) {
            return false;
        }
        sink_ = std::move(sink);
        desktop_.installed = this;
        return true;
    }
    void Remove() override {
        sink_ = nullptr;
        if (desktop_.installed == this) {
            desktop_.installed = nullptr;
        }
    }
    bool IsInstalled() const override { return static_cast<bool>(sink_); }
    int ConnectionFd() const override { return -1; }
    void Dispatch() override {}

  private:
    Desktop& desktop_;
    Sink sink_;
};

// A slot whose hooks are fake ones on `desktop`.
inline KeyboardHookSlot::HookFactory FakeHooksOn(FakeKeyboardHook::Desktop& desktop) {
    return [&desktop] { return std::make_unique<FakeKeyboardHook>(desktop); };
}

}  // namespace orvex::ui::testing
