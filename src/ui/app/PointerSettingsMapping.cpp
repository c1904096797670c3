#include "ui/app/PointerSettingsMapping.h"

namespace orvex::ui {

namespace {
constexpr int kDoubleClickBaseMs = 1600;
}

platform::PointerSettingsRequest PointerRequestFor(const ProfileRecord& record) {
    platform::PointerSettingsRequest request;
    request.doubleClickMs = kDoubleClickBaseMs - record.doubleClickSetting;
    request.pointerSpeed = 2 * record.pointerSpeed;
    request.scrollByPage = record.scrollByLines == 0 && record.scrollByPage != 0;
    request.scrollLines = request.scrollByPage ? 0 : record.scrollLines;
    request.accelerationEnabled = record.accelerationEnabled != 0;
    request.accelerationLevel = record.accelerationLevel;
    return request;
}

}  // namespace orvex::ui
