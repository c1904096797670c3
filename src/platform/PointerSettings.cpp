#include "platform/PointerSettings.h"

namespace orvex::platform {
namespace {

const char* Taken(bool taken) {
    return taken ? "applied" : "skipped";
}

}  // namespace

std::string DescribePointerOutcome(const PointerSettingsRequest& request,
                                   const PointerSettingsOutcome& outcome) {
    std::string wheel = "unchanged";
    if (request.scrollLines.has_value()) {
        wheel = request.scrollByPage ? "by page" : std::to_string(*request.scrollLines) + " lines";
        wheel += std::string(" ") + Taken(outcome.scrollLines);
    }
    return "pointer settings: double click " + std::to_string(request.doubleClickMs) + " ms " +
           Taken(outcome.doubleClick) + ", speed " + std::to_string(request.pointerSpeed) + " " +
           Taken(outcome.speed) + ", wheel " + wheel + ", acceleration " +
           (request.accelerationEnabled ? "level " + std::to_string(request.accelerationLevel)
                                        : std::string("off")) +
           " " + Taken(outcome.acceleration) +
           (outcome.skipped.empty() ? std::string() : " (" + outcome.skipped + ")");
}

}  // namespace orvex::platform
