#include "core/macros/EventText.h"

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

}  // namespace orvex
