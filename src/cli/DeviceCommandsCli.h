#pragma once

#include <ostream>

#include "cli/OutputFormat.h"
#include "core/device/DeviceLink.h"
#include "core/log/Log.h"

namespace orvex::cli {

// The device commands of orvexctl. Each opens the mouse through the link and throws CliError
// with the exit code and message when the mouse is missing or a command fails; what they print
// goes out in the format asked for.
void PrintInfo(DeviceLink& link, OutputFormat format, std::ostream& out);
void PrintActiveProfile(DeviceLink& link, OutputFormat format, std::ostream& out);
void MakeProfileActive(DeviceLink& link, int profileNumber);  // 1..5
// `active N`: makes N active; only JSON confirms it.
void SwitchActiveProfile(DeviceLink& link, int profileNumber, OutputFormat format,
                         std::ostream& out);

enum class LiftAction { Test, Save };
void ChangeLift(DeviceLink& link, LiftAction action, int distance, OutputFormat format,
                std::ostream& out);

struct SurfaceOptions {
    bool wait = true;
    std::ostream* countdown = nullptr;  // where the seconds left are shown, if anywhere
    OutputFormat format = OutputFormat::Text;
};
// A start command the mouse did not confirm is only logged: the reading that follows shows it.
void AnalyseSurface(DeviceLink& link, const SurfaceOptions& options, std::ostream& out, Log& log);

// Opens the mouse unless the link already has it; throws "mouse not found" otherwise.
void RequireMouse(DeviceLink& link);

}  // namespace orvex::cli
