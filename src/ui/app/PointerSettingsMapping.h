#pragma once

#include "core/profiles/ProfileRecord.h"
#include "platform/PointerSettings.h"

namespace orvex::ui {

// The desktop pointer settings a profile asks for. The profile keeps the double-click time as
// 1600 ms minus its setting and the pointer speed at half the desktop's scale. A profile that
// scrolls neither by lines nor by page leaves the desktop's wheel setting alone.
platform::PointerSettingsRequest PointerRequestFor(const ProfileRecord& record);

}  // namespace orvex::ui
