// orvex-sim-info: opens the virtual mouse through the device link and prints its firmware version
// and active profile. With --state FILE the mouse lives in that file (created when missing), so
// it can be prepared beforehand and shared with other programs.
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/device/DeviceCommands.h"
#include "core/device/DeviceLink.h"
#include "core/device/SteadyClock.h"
#include "sim/StateFileShare.h"
#include "sim/VirtualMouse.h"
#include "sim/VirtualMouseStateFile.h"
#include "sim/VirtualMouseTransport.h"

namespace {

constexpr int kExitUsage = 1;
constexpr int kExitNotFound = 2;
constexpr int kExitCommandFailed = 3;

struct Options {
    std::optional<std::string> stateFile;
};

void PrintUsage(std::ostream& out) {
    out << "usage: orvex-sim-info [--state FILE]\n";
}

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--state" && i + 1 < argc) {
            options.stateFile = argv[++i];
        } else if (argument.substr(0, 8) == "--state=" && argument.size() > 8) {
            options.stateFile = std::string(argument.substr(8));
        } else {
            return std::nullopt;
        }
    }
    return options;
}

int Run(const Options& options) {
    orvex::sim::VirtualMouse mouse;
    std::unique_ptr<orvex::sim::StateFileShare> share;
    if (options.stateFile) {
        // A damaged file is refused up front rather than silently replaced by a fresh mouse.
        const auto loaded = orvex::sim::LoadMouseState(*options.stateFile);
        if (loaded.outcome == orvex::sim::StateLoadOutcome::Rejected) {
            std::cerr << "orvex-sim-info: " << loaded.error << '\n';
            return kExitUsage;
        }
        share = std::make_unique<orvex::sim::StateFileShare>(*options.stateFile);
    }
    orvex::sim::VirtualMouseTransport transport(mouse, share.get());
    orvex::SteadyClock clock;
    orvex::DeviceLink link(transport, clock);

    if (!link.OpenMouse()) {
        std::cerr << "ORVEX SK mouse not found\n";
        return kExitNotFound;
    }
    const auto firmware = orvex::ReadFirmwareVersion(link);
    const auto profile =
        firmware.ok() ? orvex::ReadActiveProfile(link) : orvex::DeviceReply<std::uint8_t>{};
    if (share && !share->lastError().empty()) {
        std::cerr << "orvex-sim-info: " << share->lastError() << '\n';
        return kExitUsage;
    }
    if (!firmware.ok() || !profile.ok()) {
        std::cerr << "orvex-sim-info: the mouse did not answer\n";
        return kExitCommandFailed;
    }
    std::cout << "firmware: " << orvex::FormatFirmwareVersion(firmware.value) << '\n'
              << "active profile: " << profile.value + 1 << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = ParseOptions(argc, argv);
    if (!options) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    return Run(*options);
}
