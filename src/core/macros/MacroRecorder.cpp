#include "core/macros/MacroRecorder.h"

#include <algorithm>
#include <limits>

namespace orvex {
namespace {

// The system's millisecond tick count: 32 bits that wrap about every 49.7 days.
std::uint32_t TickCount(Milliseconds now) {
    return static_cast<std::uint32_t>(now.count());
}

}  // namespace

void MacroRecorder::Start(Milliseconds now) {
    lastTick_ = TickCount(now);
}

std::optional<RecordedKey> MacroRecorder::KeyCaptured(int virtualKey, bool release,
                                                      Milliseconds now, Options options) {
    const std::uint32_t tick = TickCount(now);
    // Unsigned subtraction counts across a wrap of the tick count; a gap longer than a delay can
    // hold (about 24.8 days) is held as the longest delay rather than turning negative.
    const std::uint32_t elapsed = tick - lastTick_;
    lastTick_ = tick;
    const std::int32_t delay =
        options.recordDelay
            ? static_cast<std::int32_t>(std::min<std::uint32_t>(
                  elapsed, static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())))
            : 0;

    if (virtualKey == lastKey_ && release == lastRelease_) {
        return std::nullopt;
    }
    lastKey_ = virtualKey;
    lastRelease_ = release;

    if (release && options.recordHold) {
        return std::nullopt;
    }
    return RecordedKey{static_cast<std::int16_t>(virtualKey),
                       static_cast<std::uint8_t>(release ? 1 : 0), delay};
}

}  // namespace orvex
