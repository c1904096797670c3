#pragma once

#include <ostream>

#include "core/device/DeviceLink.h"
#include "core/log/Log.h"

namespace orvex::cli {

// The device commands of orvexctl. Each opens the mouse through the link and throws CliError
// with the exit code and message when the mouse is missing or a command fails.
void PrintInfo(DeviceLink& link, std::ostream& out);
void PrintActiveProfile(DeviceLink& link, std::ostream& out);
void MakeProfileActive(DeviceLink& link, int profileNumber);  // 1..5
void TestLift(DeviceLink& link, int distance, std::ostream& out);
void SaveLift(DeviceLink& link, int distance, std::ostream& out);

struct SurfaceOptions {
    bool wait = true;
    std::ostream* countdown = nullptr;  // where the seconds left are shown, if anywhere
};
// A start command the mouse did not confirm is only logged: the reading that follows shows it.
void AnalyseSurface(DeviceLink& link, const SurfaceOptions& options, std::ostream& out, Log& log);

// Opens the mouse unless the link already has it; throws "mouse not found" otherwise.
void RequireMouse(DeviceLink& link);

}  // namespace orvex::cli
