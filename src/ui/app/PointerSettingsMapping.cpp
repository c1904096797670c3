#include "ui/app/PointerSettingsMapping.h"

namespace orvex::ui {

namespace {
constexpr int kDoubleClickBaseMs = 1600;
}

platform::PointerSettingsRequest PointerRequestFor(const ProfileRecord& record) {
    platform::PointerSettingsRequest request;
    request.doubleClickMs = kDoubleClickBaseMs - record.doubleClickSetting;
    request.pointerSpeed = 2 * record.pointerSpeed;
    if (record.scrollByLines != 0) {
        request.scrollLines = record.scrollLines;
    } else if (record.scrollByPage != 0) {
        request.scrollByPage = true;
        request.scrollLines = 0;
    } else {
        // Only a damaged or foreign file scrolls neither way; the desktop's wheel stays as it is.
        request.scrollLines = std::nullopt;
    }
    request.accelerationEnabled = record.accelerationEnabled != 0;
    request.accelerationLevel = record.accelerationLevel;
    return request;
}

}  // namespace orvex::ui
