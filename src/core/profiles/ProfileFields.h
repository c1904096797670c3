#pragma once

#include <concepts>
#include <string_view>
#include <type_traits>

#include "core/profiles/ProfileRecord.h"

namespace orvex {

// The list of a profile's fields: the order the profile file keeps them in and each one's key in
// orvexctl's JSON form. The file format and the JSON both walk this list, so a field is added,
// moved or renamed here once.
//
// A visitor is called as visit(key, field) for every field, in order. A field is one of
//   - std::u16string, std::uint8_t, std::int16_t or std::int32_t, kept as its type says;
//   - SignExtendedByte: a byte that the file keeps sign-extended to 16 bits (0xC8 is C8 FF);
//   - NumberTexts: an array of 32-bit numbers that the file keeps as decimal texts;
//   - a std::array of items (ResolutionStep, ButtonBinding, ProfileMacro), which have fields of
//     their own, walked with VisitItemFields;
//   - a std::vector<CMacroEvent>: items that the file precedes with their 32-bit count.
// Visiting a const record hands out const fields: that is how writers visit.
//
// The file path, slot index, acceleration level and the buttons' default codes are not fields.

template <typename Byte>
struct SignExtendedByte {
    Byte& value;
};
template <typename Byte>
SignExtendedByte(Byte&) -> SignExtendedByte<Byte>;

template <typename Numbers>
struct NumberTexts {
    Numbers& values;
};
template <typename Numbers>
NumberTexts(Numbers&) -> NumberTexts<Numbers>;

// `T` is `Plain` or `const Plain`.
template <typename T, typename Plain>
concept MaybeConst = std::same_as<std::remove_const_t<T>, Plain>;

template <MaybeConst<ProfileRecord> Record, typename Visitor>
constexpr void VisitProfileFields(Record& record, Visitor&& visit) {
    visit("name", record.name);
    visit("enabled", record.enabled);
    visit("reservedWord", record.reservedWord);
    visit("reportInterval", record.reportInterval);
    visit("doubleClickSetting", record.doubleClickSetting);
    visit("scrollLines", record.scrollLines);
    visit("scrollByLines", record.scrollByLines);
    visit("scrollByPage", record.scrollByPage);
    visit("accelerationEnabled", record.accelerationEnabled);
    visit("xySeparate", record.xySeparate);
    visit("definedModeEnabled", record.definedModeEnabled);
    visit("sensorHeaderByte", record.sensorHeaderByte);
    visit("resolutionSteps", record.resolutionSteps);
    visit("pointerSpeed", record.pointerSpeed);
    visit("definedModeValue", SignExtendedByte{record.definedModeValue});
    visit("angleSnap", record.angleSnap);
    visit("liftDistance", record.liftDistance);
    visit("surfaceQuality", record.surfaceQuality);
    visit("zoneColours", NumberTexts{record.zoneColours});
    visit("lightingZones", record.lightingZones);
    visit("lightingEffect", record.lightingEffect);
    visit("buttons", record.buttons);
    visit("buttonMacros", record.buttonMacros);
}

template <MaybeConst<ResolutionStep> Step, typename Visitor>
constexpr void VisitItemFields(Step& step, Visitor&& visit) {
    visit("x", step.x);
    visit("y", step.y);
}

template <MaybeConst<ButtonBinding> Binding, typename Visitor>
constexpr void VisitItemFields(Binding& binding, Visitor&& visit) {
    visit("button", binding.button);
    visit("code", binding.code);
    visit("param", binding.param);
}

template <MaybeConst<ProfileMacro> Macro, typename Visitor>
constexpr void VisitItemFields(Macro& macro, Visitor&& visit) {
    visit("id", macro.id);
    visit("name", macro.name);
    visit("events", macro.events);
}

template <MaybeConst<CMacroEvent> Event, typename Visitor>
constexpr void VisitItemFields(Event& event, Visitor&& visit) {
    visit("type", event.type);
    visit("code", event.code);
    visit("release", event.release);
    visit("delay", event.delay);
}

}  // namespace orvex
