#include "cli/DeviceCommandsCli.h"

#include "cli/ExitCode.h"
#include "core/device/DeviceCommands.h"
#include "core/device/SurfaceQuality.h"

namespace orvex::cli {
namespace {

constexpr Milliseconds kCountdownStep{1000};

void RequireDone(DeviceResult result, const std::string& message) {
    if (result != DeviceResult::Done) {
        throw CliError(ExitCode::DeviceFailed, message);
    }
}

void CheckProfileNumber(int profileNumber) {
    if (profileNumber < 1 || profileNumber > kProfileCount) {
        throw CliError(ExitCode::UsageOrInput, "profile number must be 1 to 5");
    }
}

}  // namespace

void RequireMouse(DeviceLink& link) {
    if (!link.HasHandle() && !link.OpenMouse()) {
        throw CliError(ExitCode::MouseNotFound, kMouseNotFound);
    }
}

void PrintInfo(DeviceLink& link, std::ostream& out) {
    RequireMouse(link);
    const auto firmware = ReadFirmwareVersion(link);
    RequireDone(firmware.result, "reading the firmware version failed");
    const auto active = ReadActiveProfile(link);
    RequireDone(active.result, "reading the active profile failed");
    out << "firmware: " << FormatFirmwareVersion(firmware.value) << '\n'
        << "active profile: " << active.value + 1 << '\n';
}

void PrintActiveProfile(DeviceLink& link, std::ostream& out) {
    RequireMouse(link);
    const auto active = ReadActiveProfile(link);
    RequireDone(active.result, "reading the active profile failed");
    out << active.value + 1 << '\n';
}

void MakeProfileActive(DeviceLink& link, int profileNumber) {
    CheckProfileNumber(profileNumber);
    RequireMouse(link);
    RequireDone(SetActiveProfile(link, static_cast<std::uint8_t>(profileNumber - 1)),
                "making profile " + std::to_string(profileNumber) + " active failed");
}

void TestLift(DeviceLink& link, int distance, std::ostream& out) {
    RequireMouse(link);
    const std::uint8_t clamped = ClampLiftDistance(distance);
    RequireDone(TestLiftDistance(link, clamped), "Test_LOD failed.");
    out << "lift distance " << int{clamped} << " tested\n";
}

void SaveLift(DeviceLink& link, int distance, std::ostream& out) {
    RequireMouse(link);
    const std::uint8_t clamped = ClampLiftDistance(distance);
    RequireDone(SaveLiftDistance(link, clamped), "Save_LOD failed.");
    out << "lift distance " << int{clamped} << " saved\n";
}

void AnalyseSurface(DeviceLink& link, const SurfaceOptions& options, std::ostream& out, Log& log) {
    RequireMouse(link);
    // The analysis dialog goes on after a failed start too: a dropped start shows up as a poor
    // reading.
    if (StartSurfaceAnalysis(link) != DeviceResult::Done) {
        LogLine(&log, "orvexctl",
                "starting the surface analysis failed; reading the quality anyway");
    }
    if (options.wait) {
        for (int remaining = kSurfaceCountdownSeconds; remaining > 0; --remaining) {
            if (options.countdown) {
                *options.countdown << "\rmove the mouse over the surface: " << remaining << ' '
                                   << std::flush;
            }
            link.clock().Sleep(kCountdownStep);
        }
        if (options.countdown) {
            *options.countdown << '\n';
        }
    }
    const auto quality = ReadSurfaceQuality(link);
    RequireDone(quality.result, "reading the surface quality failed");
    out << "quality: " << int{quality.value} << '\n'
        << "level: " << SurfaceQualityLevel(quality.value) << '\n';
}

}  // namespace orvex::cli
