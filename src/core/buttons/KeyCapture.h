#pragma once

#include <optional>
#include <string>

namespace orvex {

// The key being captured for a single-key binding. Every keyboard event, press or release,
// replaces the key: pressing Ctrl, typing C and releasing Ctrl last captures Ctrl. There are no
// combinations; a modifier is a key of its own (the hook reports the side-specific codes).
class KeyCapture {
  public:
    void OnKeyEvent(int virtualKey) { key_ = virtualKey; }

    // The captured key, or none before the first event.
    std::optional<int> Key() const { return key_; }

    // What the capture pop-up shows: the captured key's name, empty before the first event.
    std::u16string KeyName() const;

  private:
    std::optional<int> key_;
};

}  // namespace orvex
