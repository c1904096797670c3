#include "cli/DeviceCommandsCli.h"

#include "cli/ExitCode.h"
#include "core/device/DeviceCommands.h"
#include "core/device/MouseNotFound.h"
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
        throw CliError(ExitCode::MouseNotFound, kMouseNotFoundMessage);
    }
}

void PrintInfo(DeviceLink& link, OutputFormat format, std::ostream& out) {
    RequireMouse(link);
    const auto firmware = ReadFirmwareVersion(link);
    RequireDone(firmware.result, "reading the firmware version failed");
    const auto active = ReadActiveProfile(link);
    RequireDone(active.result, "reading the active profile failed");
    const std::string version = FormatFirmwareVersion(firmware.value);
    const int activeNumber = active.value + 1;
    if (format == OutputFormat::Json) {
        PrintJson(out, {{"firmware", version},
                        {"firmwareWord", firmware.value},
                        {"activeProfile", activeNumber}});
        return;
    }
    out << "firmware: " << version << '\n' << "active profile: " << activeNumber << '\n';
}

void PrintActiveProfile(DeviceLink& link, OutputFormat format, std::ostream& out) {
    RequireMouse(link);
    const auto active = ReadActiveProfile(link);
    RequireDone(active.result, "reading the active profile failed");
    if (format == OutputFormat::Json) {
        PrintJson(out, {{"activeProfile", active.value + 1}});
        return;
    }
    out << active.value + 1 << '\n';
}

void MakeProfileActive(DeviceLink& link, int profileNumber) {
    CheckProfileNumber(profileNumber);
    RequireMouse(link);
    RequireDone(SetActiveProfile(link, static_cast<std::uint8_t>(profileNumber - 1)),
                "making profile " + std::to_string(profileNumber) + " active failed");
}

void SwitchActiveProfile(DeviceLink& link, int profileNumber, OutputFormat format,
                         std::ostream& out) {
    MakeProfileActive(link, profileNumber);
    if (format == OutputFormat::Json) {
        PrintJson(out, {{"activeProfile", profileNumber}});
    }
}

void ChangeLift(DeviceLink& link, LiftAction action, int distance, OutputFormat format,
                std::ostream& out) {
    RequireMouse(link);
    const std::uint8_t clamped = ClampLiftDistance(distance);
    const bool save = action == LiftAction::Save;
    if (save) {
        RequireDone(SaveLiftDistance(link, clamped), "Save_LOD failed.");
    } else {
        RequireDone(TestLiftDistance(link, clamped), "Test_LOD failed.");
    }
    if (format == OutputFormat::Json) {
        PrintJson(out, {{"liftDistance", clamped}, {"saved", save}});
        return;
    }
    out << "lift distance " << int{clamped} << (save ? " saved\n" : " tested\n");
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
    if (options.format == OutputFormat::Json) {
        PrintJson(out, {{"quality", quality.value}, {"level", SurfaceQualityLevel(quality.value)}});
        return;
    }
    out << "quality: " << int{quality.value} << '\n'
        << "level: " << SurfaceQualityLevel(quality.value) << '\n';
}

}  // namespace orvex::cli
