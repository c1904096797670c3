#include "core/buttons/BindingRules.h"

#include <limits>

#include "core/buttons/ButtonFunction.h"
#include "core/buttons/KeyNames.h"
#include "core/macros/MacroIds.h"
#include "core/macros/MacroList.h"

namespace orvex {

void BindSingleKey(ButtonBinding& binding, std::int16_t virtualKey) {
    binding.code = ToCode(ButtonFunction::SingleKey);
    binding.param = virtualKey;
}

bool BindMacro(ButtonBinding& binding, std::int32_t macroId) {
    static_assert(kLastMacroId == std::numeric_limits<std::int16_t>::max());
    if (!IsBindableMacroId(macroId)) {
        return false;
    }
    binding.code = ToCode(ButtonFunction::RecordMacro);
    binding.param = static_cast<std::int16_t>(macroId);
    return true;
}

void StoreMacroBindings(ProfileRecord& record, const MacroList& macros) {
    for (ButtonBinding& binding : record.buttons) {
        if (binding.code != ToCode(ButtonFunction::RecordMacro)) {
            continue;
        }
        const std::optional<ProfileMacro> copy = macros.CopyMacro(binding.param);
        StoreBindingMacro(copy ? &*copy : nullptr, binding, record);
    }
}

std::optional<std::u16string> BindingLabel(const ProfileRecord& record,
                                           const ButtonBinding& binding) {
    const auto function = ButtonFunctionFromCode(binding.code);
    if (!function) {
        return std::nullopt;
    }
    switch (*function) {
        case ButtonFunction::SingleKey:
            return GetKeyName(binding.param);
        case ButtonFunction::RecordMacro:
            return MacroNameForBinding(record, binding);
        default:
            return std::u16string(ButtonFunctionMenuText(*function));
    }
}

}  // namespace orvex
