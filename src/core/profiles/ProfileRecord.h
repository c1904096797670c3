#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/macros/ProfileMacro.h"
#include "core/profiles/ButtonBinding.h"

namespace orvex {

inline constexpr std::size_t kResolutionStepCount = 3;
inline constexpr std::size_t kLightingZoneCount = 4;

struct ResolutionStep {
    std::int16_t x = 0;
    std::int16_t y = 0;

    friend bool operator==(const ResolutionStep&, const ResolutionStep&) = default;
};

// Every setting of one of the mouse's five profiles. The member initialisers are the factory
// defaults. Colours are 0x00BBGGRR (red in the low byte), as in the files and the device image.
struct ProfileRecord {
    std::filesystem::path filePath;  // the slot's own file; empty until the owner sets it
    std::int32_t enabled = 1;
    std::u16string name = u"profile";
    std::uint8_t slotIndex = 0;
    std::int16_t reservedWord = 179;
    std::int16_t reportInterval = 1;        // ms between reports: 1, 2, 4 or 8
    std::int16_t doubleClickSetting = 800;  // the system's double-click time is 1600 minus this
    std::int16_t scrollLines = 2;
    std::int32_t scrollByLines = 1;
    std::int32_t scrollByPage = 0;
    std::int32_t accelerationEnabled = 0;
    std::int16_t accelerationLevel = 1;  // not in the profile file: after a load it is 1 again
    std::uint8_t sensorHeaderByte = 2;
    std::int32_t xySeparate = 0;
    std::int32_t definedModeEnabled = 0;
    std::array<ResolutionStep, kResolutionStepCount> resolutionSteps{
        {{400, 400}, {1600, 1600}, {7000, 7000}}};
    std::uint8_t pointerSpeed = 5;  // the system's pointer speed is twice this
    std::uint8_t liftDistance = 12;
    std::int16_t surfaceQuality = 0;
    std::uint8_t angleSnap = 0;
    std::uint8_t definedModeValue = 0;
    std::int32_t lightingZones = 15;  // bits 0-3: zone lit; bit 4: zones chosen one by one
    std::int32_t lightingEffect = 1;  // low four bits: effect 1 ... 4; bit 4: colour shift
    std::array<std::uint32_t, kLightingZoneCount> zoneColours{0x00FFFF00, 0x00FFFF00, 0x00FFFF00,
                                                              0x00FFFF00};
    std::array<ButtonBinding, kButtonCount> buttons = DefaultBindings();
    // Button b's private copy of the macro it is bound to; empty for a button without a macro.
    std::array<ProfileMacro, kButtonCount> buttonMacros{};

    static std::array<ButtonBinding, kButtonCount> DefaultBindings();

    friend bool operator==(const ProfileRecord&, const ProfileRecord&) = default;
};

ProfileRecord MakeDefaultProfile();

// Reset to Default: every setting goes back to the factory value; the file path, name, slot index,
// default codes and macro copies stay.
void ResetProfileToDefaults(ProfileRecord& record);

// The name of the macro copy that labels a macro-bound button; empty when there is none.
std::u16string MacroNameForBinding(const ProfileRecord& record, const ButtonBinding& binding);

// Stores a RecordMacro binding's macro in the record. `macro` is the result of looking the
// binding's id up in the macro list: null when the macro was deleted, which turns the button back
// into its default function.
void StoreBindingMacro(const ProfileMacro* macro, ButtonBinding& binding, ProfileRecord& record);

}  // namespace orvex
