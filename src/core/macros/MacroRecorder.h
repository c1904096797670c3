#pragma once

#include <cstdint>
#include <optional>

#include "core/device/Clock.h"

namespace orvex {

// A key event as recording adds it to the shown macro.
struct RecordedKey {
    std::int16_t virtualKey = 0;
    std::uint8_t release = 0;  // 0 press, 1 release
    std::int32_t delay = 0;    // milliseconds since the key message before it

    friend bool operator==(const RecordedKey&, const RecordedKey&) = default;
};

// What recording makes of the keys the keyboard hook reports. Every key message restarts the
// delay measurement, recorded or not, so the release of a key held down gets the time since its
// last auto-repeat. A message equal to the one before it (same key, same direction) is the
// keyboard's auto-repeat and is dropped; this memory is never reset, so a recording whose first
// key repeats the last message of the previous recording drops it too. With "Record Hold" the
// releases are dropped; without "Record Delay" every delay is 0.
class MacroRecorder {
  public:
    struct Options {
        bool recordDelay = false;
        bool recordHold = false;
    };

    // Recording starts: delays are measured from now on.
    void Start(Milliseconds now);

    // The event to record for a key message, or none.
    std::optional<RecordedKey> KeyCaptured(int virtualKey, bool release, Milliseconds now,
                                           Options options);

  private:
    std::uint32_t lastTick_ = 0;
    int lastKey_ = 0;
    bool lastRelease_ = false;
};

}  // namespace orvex
