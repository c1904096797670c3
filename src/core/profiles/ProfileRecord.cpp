#include "core/profiles/ProfileRecord.h"

#include "core/buttons/ButtonFunction.h"

namespace orvex {
namespace {

bool IsButtonIndex(std::uint8_t button) {
    return button < kButtonCount;
}

}  // namespace

std::array<ButtonBinding, kButtonCount> ProfileRecord::DefaultBindings() {
    // Buttons 0 ... 6 start as left, right, middle, forward, back, resolution up and down (codes
    // 0 ... 6); the two extra buttons start disabled.
    std::array<ButtonBinding, kButtonCount> bindings{};
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        const auto code =
            b < 7 ? static_cast<std::uint8_t>(b) : ToCode(ButtonFunction::DisableButton);
        bindings[b] = ButtonBinding{static_cast<std::uint8_t>(b), code, 0, code};
    }
    return bindings;
}

ProfileRecord MakeDefaultProfile() {
    return ProfileRecord{};
}

void ResetProfileToDefaults(ProfileRecord& record) {
    ProfileRecord reset;
    reset.filePath = std::move(record.filePath);
    reset.name = std::move(record.name);
    reset.slotIndex = record.slotIndex;
    reset.buttonMacros = std::move(record.buttonMacros);
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        reset.buttons[b].defaultCode = record.buttons[b].defaultCode;
    }
    record = std::move(reset);
}

std::u16string MacroNameForBinding(const ProfileRecord& record, const ButtonBinding& binding) {
    if (!IsButtonIndex(binding.button)) {
        return {};
    }
    return record.buttonMacros[binding.button].name;
}

void StoreBindingMacro(const ProfileMacro* macro, ButtonBinding& binding, ProfileRecord& record) {
    if (!IsButtonIndex(binding.button)) {
        return;
    }
    if (macro == nullptr) {
        binding.code = binding.defaultCode;
        binding.param = 0;
        return;
    }
    if (binding.code == ToCode(ButtonFunction::RecordMacro)) {
        record.buttonMacros[binding.button] = *macro;
    }
}

}  // namespace orvex
