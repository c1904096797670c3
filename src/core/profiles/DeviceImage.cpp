#include "core/profiles/DeviceImage.h"

#include <algorithm>
#include <utility>

#include "core/buttons/ButtonFunction.h"
#include "core/macros/MacroAreaPacking.h"
#include "core/profiles/KeyCodeTranslation.h"
#include "core/text/Windows1252.h"

namespace orvex {
namespace {

constexpr std::size_t kNameOffset = 1;
constexpr std::size_t kMaxNameBytes = 15;  // the 16-byte field keeps its terminator
constexpr std::uint8_t kMaxSentLiftDistance = 31;

// Each zone is red, green, blue, effect; the firmware's order of zones in the image is 0, 3, 1,
// and zone 2 three times.
constexpr std::array<std::pair<std::size_t, std::size_t>, 6> kZoneFields{
    {{23, 0}, {27, 3}, {33, 1}, {37, 2}, {41, 2}, {45, 2}}};

constexpr std::array<std::size_t, kResolutionStepCount> kResolutionFlagOffsets{51, 60, 81};

// The action pair (type, value) a function code sends; codes without a function send 00 00.
std::pair<std::uint8_t, std::uint8_t> ActionFor(std::uint8_t code) {
    const std::optional<ButtonFunction> function = ButtonFunctionFromCode(code);
    if (!function) {
        return {0x00, 0x00};
    }
    switch (*function) {
        case ButtonFunction::LeftClick:
            return {0x00, 0x01};
        case ButtonFunction::RightClick:
            return {0x00, 0x02};
        case ButtonFunction::ScrollClick:
            return {0x00, 0x04};
        case ButtonFunction::Forward:
            return {0x00, 0x10};
        case ButtonFunction::Back:
            return {0x00, 0x08};
        case ButtonFunction::DpiUp:
            return {0x09, 0xF0};
        case ButtonFunction::DpiDown:
            return {0x09, 0xF2};
        case ButtonFunction::ProfileSwitchRoll:
            return {0x08, 0xF1};
        case ButtonFunction::ProfileSwitchUp:
            return {0x08, 0xF0};
        case ButtonFunction::ProfileSwitchDown:
            return {0x08, 0xF2};
        case ButtonFunction::ScrollUp:
            return {0x01, 0x01};
        case ButtonFunction::ScrollDown:
            return {0x01, 0xFF};
        case ButtonFunction::SingleKey:
            return {0x02, 0x00};  // the key goes in by the caller
        case ButtonFunction::RecordMacro:
            return {kMacroSlotType, 0x00};  // the hold mark goes in by the caller
        case ButtonFunction::DisableButton:
            return {0xFF, 0x00};
    }
    return {0x00, 0x00};
}

void PutWord(DeviceProfileImage& image, std::size_t at, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    image[at] = static_cast<std::uint8_t>(bits & 0xFF);
    image[at + 1] = static_cast<std::uint8_t>(bits >> 8);
}

void WriteName(DeviceProfileImage& image, const std::u16string& name) {
    const std::vector<std::uint8_t> bytes = ToWindows1252(name);
    const std::size_t kept = std::min(bytes.size(), kMaxNameBytes);
    std::copy_n(bytes.begin(), kept, image.begin() + kNameOffset);
}

void WriteLighting(DeviceProfileImage& image, const ProfileRecord& record) {
    const auto effect = static_cast<std::uint8_t>(record.lightingEffect & 0xFF);
    for (const auto& [offset, zone] : kZoneFields) {
        const bool lit = (record.lightingZones >> zone) & 1;
        const std::uint32_t colour = lit ? record.zoneColours[zone] : 0;
        image[offset] = static_cast<std::uint8_t>(colour & 0xFF);             // red
        image[offset + 1] = static_cast<std::uint8_t>((colour >> 8) & 0xFF);  // green
        image[offset + 2] = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
        image[offset + 3] = effect;
    }
}

void WriteSensor(DeviceProfileImage& image, const ProfileRecord& record) {
    const auto separate = static_cast<std::uint8_t>(record.xySeparate & 0xFF);
    image[50] = record.sensorHeaderByte;
    for (std::size_t step = 0; step < kResolutionStepCount; ++step) {
        const std::size_t flag = kResolutionFlagOffsets[step];
        image[flag] = separate;
        PutWord(image, flag + 1, record.resolutionSteps[step].x);
        PutWord(image, flag + 3, record.resolutionSteps[step].y);
    }
    image[70] = std::min(record.liftDistance, kMaxSentLiftDistance);
    image[72] = record.angleSnap;
    image[86] = 3;
    image[87] = static_cast<std::uint8_t>(record.definedModeEnabled & 0xFF);
    image[88] = record.definedModeValue;
}

void WriteSettings(DeviceProfileImage& image, const ProfileRecord& record) {
    image[0] = record.slotIndex;
    WriteName(image, record.name);
    PutWord(image, 17, static_cast<std::int16_t>(kDeviceImageSize));  // bytes 19-20 stay 0
    image[21] = static_cast<std::uint8_t>(record.reportInterval & 0xFF);
    image[22] = static_cast<std::uint8_t>(record.enabled & 0xFF);
    WriteLighting(image, record);
    WriteSensor(image, record);
}

void WriteButtonSlot(DeviceProfileImage& image, std::size_t button, const ButtonBinding& binding,
                     const DeviceMacro& macro) {
    auto [type, value] = ActionFor(binding.code);
    if (binding.code == ToCode(ButtonFunction::SingleKey)) {
        value = static_cast<std::uint8_t>(
            TranslateKeyCode(static_cast<std::uint16_t>(binding.param)) & 0xFF);
    } else if (binding.code == ToCode(ButtonFunction::RecordMacro)) {
        value = macro.IsHoldMacro() ? kHoldMacroValue : 0x00;
    }
    const std::size_t slot = ButtonSlotOffset(button);
    image[slot] = type;
    image[slot + 1] = value;
    image[slot + 6] = kButtonSlotEnd;
}

}  // namespace

std::size_t ButtonSlotOffset(std::size_t button) {
    constexpr std::array<std::size_t, kButtonCount> kSlotOfButton{0, 1, 2, 3, 4, 5, 6, 10, 11};
    return kButtonSlotsOffset + kButtonSlotSize * kSlotOfButton[button];
}

DeviceMacro ConvertToDeviceMacro(const ProfileMacro& macro, const ButtonBinding& binding) {
    DeviceMacro converted;
    if (macro.id != std::int32_t{binding.param}) {
        return converted;
    }
    const std::size_t kept = std::min(macro.events.size(), kMaxDeviceMacroEvents);
    converted.events.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) {
        const CMacroEvent& event = macro.events[i];
        // Every code goes through the translation; the mouse-button and wheel codes are not keys
        // there and come out unchanged.
        converted.events.push_back({event.type,
                                    TranslateKeyCode(static_cast<std::uint16_t>(event.code)),
                                    event.release, event.delay});
    }
    return converted;
}

DeviceImageBuild BuildDeviceImage(const ProfileRecord& record) {
    DeviceImageBuild build;
    std::array<std::size_t, kButtonCount> slotOffsets{};
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        slotOffsets[b] = ButtonSlotOffset(b);
        if (record.buttons[b].code == ToCode(ButtonFunction::RecordMacro)) {
            build.macros[b] = ConvertToDeviceMacro(record.buttonMacros[b], record.buttons[b]);
        }
    }
    build.totalMacroEvents = TotalMacroEvents(build.macros);
    if (build.totalMacroEvents > kMaxImageMacroEvents) {
        return build;
    }
    DeviceProfileImage image{};
    WriteSettings(image, record);
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        WriteButtonSlot(image, b, record.buttons[b], build.macros[b]);
    }
    PackMacroArea(image, slotOffsets, build.macros);
    build.image = image;
    return build;
}

}  // namespace orvex
