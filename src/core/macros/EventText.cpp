#include "core/macros/EventText.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "core/buttons/KeyNames.h"
#include "core/macros/CMacroEvent.h"

namespace orvex {
namespace {

std::u16string_view ButtonWord(std::int16_t code) {
    switch (code) {
        case kLeftButtonCode:
            return u"Left button";
        case kRightButtonCode:
            return u"Right button";
        case kMiddleButtonCode:
            return u"Middle button";
        case kBackButtonCode:
            return u"Back button";
        case kForwardButtonCode:
            return u"Forward button";
        default:
            return {};
    }
}

}  // namespace

EventRowText EventText(std::int16_t code, std::uint8_t release) {
    if (code == kWheelUpCode) {
        return {true, u"Scroll wheel Up"};
    }
    if (code == kWheelDownCode) {
        return {true, u"Scroll wheel Down"};
    }
    const std::u16string_view button = ButtonWord(code);
    if (!button.empty() && (release == kEventPress || release == kEventRelease)) {
        std::u16string text(button);
        text += release == kEventPress ? u" Down" : u" Up";
        return {true, std::move(text)};
    }
    return {false, GetKeyName(code)};
}

std::u16string DelayText(std::int32_t delay) {
    const std::string digits = std::to_string(delay) + " ms";
    return std::u16string(digits.begin(), digits.end());
}

std::int32_t DelayFromText(std::u16string_view text) {
    constexpr std::int64_t kLongest = std::numeric_limits<std::int32_t>::max();
    std::int64_t delay = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            break;
        }
        delay = std::min(kLongest, delay * 10 + (c - u'0'));
    }
    return static_cast<std::int32_t>(delay);
}

}  // namespace orvex
