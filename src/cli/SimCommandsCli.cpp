#include "cli/SimCommandsCli.h"

#include "cli/ExitCode.h"
#include "core/device/DeviceCommands.h"

namespace orvex::cli {
namespace {

template <typename T>
T InRange(long long value, long long low, long long high, const std::string& what) {
    if (value < low || value > high) {
        throw CliError(ExitCode::UsageOrInput, "sim set " + what + ": value must be " +
                                                   std::to_string(low) + " to " +
                                                   std::to_string(high));
    }
    return static_cast<T>(value);
}

}  // namespace

void WriteVirtualImage(const sim::VirtualMouse& mouse, int profileNumber, std::ostream& out) {
    if (profileNumber < 1 || profileNumber > kProfileCount) {
        throw CliError(ExitCode::UsageOrInput, "profile number must be 1 to 5");
    }
    const sim::ProfileImage& image =
        mouse.state().images[static_cast<std::size_t>(profileNumber - 1)];
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
}

void SetVirtualState(sim::VirtualMouse& mouse, const std::string& what, long long value) {
    sim::VirtualMouseState& state = mouse.state();
    if (what == "firmware") {
        state.firmwareVersion = InRange<std::uint16_t>(value, 0, 0xFFFF, what);
    } else if (what == "active") {
        state.activeProfile =
            static_cast<std::uint8_t>(InRange<int>(value, 1, kProfileCount, what) - 1);
    } else if (what == "quality") {
        state.surfaceQuality = InRange<std::uint8_t>(value, 0, 255, what);
    } else if (what == "unplugged") {
        state.unplugged = InRange<int>(value, 0, 1, what) == 1;
    } else if (what == "busy") {
        state.faults.busyReads = InRange<std::uint32_t>(value, 0, sim::Faults::kMaxBusyReads, what);
    } else {
        throw CliError(ExitCode::UsageOrInput,
                       "sim set: unknown setting '" + what +
                           "' (firmware, active, quality, unplugged or busy)");
    }
}

}  // namespace orvex::cli
