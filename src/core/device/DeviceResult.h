#pragma once

namespace orvex {

// Result of every device operation.
enum class DeviceResult : int {
    Done = 1,
    Refused = 2,  // refused before anything was sent
    Failed = 3,
};

// A result together with the value a command read back (meaningful only when Done).
template <typename T>
struct DeviceReply {
    DeviceResult result = DeviceResult::Failed;
    T value{};

    bool ok() const { return result == DeviceResult::Done; }
};

}  // namespace orvex
