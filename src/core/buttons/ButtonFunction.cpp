#include "core/buttons/ButtonFunction.h"

namespace orvex {

std::optional<ButtonFunction> ButtonFunctionFromCode(int code) {
    if (code < 0 || code > ToCode(ButtonFunction::DisableButton) || code == 7) {
        return std::nullopt;
    }
    return static_cast<ButtonFunction>(code);
}

std::u16string_view ButtonFunctionMenuText(ButtonFunction function) {
    switch (function) {
        case ButtonFunction::LeftClick:
            return u"Left Click";
        case ButtonFunction::RightClick:
            return u"Right Click";
        case ButtonFunction::ScrollClick:
            return u"Scroll Click";
        case ButtonFunction::Forward:
            return u"Forward";
        case ButtonFunction::Back:
            return u"Back";
        case ButtonFunction::DpiUp:
            return u"Dpi up";
        case ButtonFunction::DpiDown:
            return u"Dpi down";
        case ButtonFunction::ProfileSwitchRoll:
            return u"Profile switch roll";
        case ButtonFunction::ProfileSwitchUp:
            return u"Profile switch up";
        case ButtonFunction::ProfileSwitchDown:
            return u"Profile switch down";
        case ButtonFunction::ScrollUp:
            return u"Scroll up";
        case ButtonFunction::ScrollDown:
            return u"Scroll down";
        case ButtonFunction::SingleKey:
            return u"Single key assign...";
        case ButtonFunction::RecordMacro:
            return u"Assign record macro";
        case ButtonFunction::DisableButton:
            return u"Disable Button";
    }
    return {};
}

}  // namespace orvex
