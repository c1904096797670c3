#include "core/profiles/ProfileFormat.h"

#include <algorithm>

namespace orvex {
namespace {

constexpr std::array<std::uint8_t, 4> kProfileMagic{0x12, 0x06, 0x33, 0x01};
constexpr std::size_t kEventFileSize = 8;  // type, code, release, delay

// The file keeps the byte sign-extended to 16 bits (0xC8 is written C8 FF).
std::int16_t SignExtend(std::uint8_t value) {
    return static_cast<std::int16_t>(static_cast<std::int8_t>(value));
}

void WriteSettings(DataStream& stream, const ProfileRecord& record) {
    stream.WriteString(record.name);
    stream.WriteInt32(record.enabled);
    stream.WriteInt16(record.reservedWord);
    stream.WriteInt16(record.reportInterval);
    stream.WriteInt16(record.doubleClickSetting);
    stream.WriteInt16(record.scrollLines);
    stream.WriteInt32(record.scrollByLines);
    stream.WriteInt32(record.scrollByPage);
    stream.WriteInt32(record.accelerationEnabled);
    stream.WriteInt32(record.xySeparate);
    stream.WriteInt32(record.definedModeEnabled);
    stream.WriteByte(record.sensorHeaderByte);
    for (const ResolutionStep& step : record.resolutionSteps) {
        stream.WriteInt16(step.x);
        stream.WriteInt16(step.y);
    }
    stream.WriteByte(record.pointerSpeed);
    stream.WriteInt16(SignExtend(record.definedModeValue));
    stream.WriteByte(record.angleSnap);
    stream.WriteByte(record.liftDistance);
    stream.WriteInt16(record.surfaceQuality);
    for (std::uint32_t colour : record.zoneColours) {
        stream.WriteNumberText(static_cast<std::int32_t>(colour));
    }
    stream.WriteInt32(record.lightingZones);
    stream.WriteInt32(record.lightingEffect);
}

void ReadSettings(DataStream& stream, ProfileRecord& record) {
    record.name = stream.ReadString();
    record.enabled = stream.ReadInt32();
    record.reservedWord = stream.ReadInt16();
    record.reportInterval = stream.ReadInt16();
    record.doubleClickSetting = stream.ReadInt16();
    record.scrollLines = stream.ReadInt16();
    record.scrollByLines = stream.ReadInt32();
    record.scrollByPage = stream.ReadInt32();
    record.accelerationEnabled = stream.ReadInt32();
    record.xySeparate = stream.ReadInt32();
    record.definedModeEnabled = stream.ReadInt32();
    record.sensorHeaderByte = stream.ReadByte();
    for (ResolutionStep& step : record.resolutionSteps) {
        step.x = stream.ReadInt16();
        step.y = stream.ReadInt16();
    }
    record.pointerSpeed = stream.ReadByte();
    record.definedModeValue = static_cast<std::uint8_t>(stream.ReadInt16() & 0xFF);
    record.angleSnap = stream.ReadByte();
    record.liftDistance = stream.ReadByte();
    record.surfaceQuality = stream.ReadInt16();
    for (std::uint32_t& colour : record.zoneColours) {
        colour = static_cast<std::uint32_t>(stream.ReadNumberText());
    }
    record.lightingZones = stream.ReadInt32();
    record.lightingEffect = stream.ReadInt32();
}

void WriteBindings(DataStream& stream, const ProfileRecord& record) {
    for (const ButtonBinding& binding : record.buttons) {
        stream.WriteByte(binding.button);
        stream.WriteByte(binding.code);
        stream.WriteInt16(binding.param);
    }
}

void ReadBindings(DataStream& stream, ProfileRecord& record) {
    for (ButtonBinding& binding : record.buttons) {
        binding.button = stream.ReadByte();
        binding.code = stream.ReadByte();
        binding.param = stream.ReadInt16();
    }
}

void WriteMacros(DataStream& stream, const ProfileRecord& record) {
    for (const ProfileMacro& macro : record.buttonMacros) {
        stream.WriteInt32(macro.id);
        stream.WriteString(macro.name);
        stream.WriteInt32(static_cast<std::int32_t>(macro.events.size()));
        for (const CMacroEvent& event : macro.events) {
            stream.WriteByte(event.type);
            stream.WriteInt16(event.code);
            stream.WriteByte(event.release);
            stream.WriteInt32(event.delay);
        }
    }
}

void ReadMacro(DataStream& stream, ProfileMacro& macro) {
    macro.ClearEvents();
    macro.id = stream.ReadInt32();
    macro.name = stream.ReadString();
    const std::int32_t count = stream.ReadInt32();
    // A count of zero or with its sign bit set means no events; a positive count must fit.
    if (count <= 0 || !stream.CanRead(count, kEventFileSize)) {
        return;
    }
    macro.events.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        CMacroEvent event;
        event.type = stream.ReadByte();
        event.code = stream.ReadInt16();
        event.release = stream.ReadByte();
        event.delay = stream.ReadInt32();
        macro.AppendEvent(event);
    }
}

}  // namespace

const char* ProfileLoadStatusName(ProfileLoadStatus status) {
    switch (status) {
        case ProfileLoadStatus::Loaded:
            return "loaded";
        case ProfileLoadStatus::Missing:
            return "no such file";
        case ProfileLoadStatus::Unreadable:
            return "cannot be read";
        case ProfileLoadStatus::NotAProfile:
            return "not a profile file";
        case ProfileLoadStatus::Damaged:
            return "damaged or incomplete";
    }
    return "unknown";
}

void WriteProfile(DataStream& stream, const ProfileRecord& record) {
    for (std::uint8_t byte : kProfileMagic) {
        stream.WriteByte(byte);
    }
    WriteSettings(stream, record);
    WriteBindings(stream, record);
    WriteMacros(stream, record);
}

std::vector<std::uint8_t> ProfileFileBytes(const ProfileRecord& record) {
    DataStream stream;
    WriteProfile(stream, record);
    return {stream.bytes().begin(), stream.bytes().end()};
}

ProfileLoadStatus ReadProfile(DataStream& stream, ProfileRecord& record) {
    std::array<std::uint8_t, 4> magic{};
    for (std::uint8_t& byte : magic) {
        byte = stream.ReadByte();
    }
    if (stream.failed() || magic != kProfileMagic) {
        return ProfileLoadStatus::NotAProfile;
    }
    // Read into a copy so that a file failing half-way changes nothing.
    ProfileRecord loaded = record;
    ReadSettings(stream, loaded);
    ReadBindings(stream, loaded);
    for (ProfileMacro& macro : loaded.buttonMacros) {
        ReadMacro(stream, macro);
    }
    if (stream.failed()) {
        return ProfileLoadStatus::Damaged;
    }
    record = std::move(loaded);
    return ProfileLoadStatus::Loaded;
}

ProfileLoadStatus ReadProfileBytes(std::span<const std::uint8_t> bytes, ProfileRecord& record) {
    DataStream stream(bytes);
    return ReadProfile(stream, record);
}

}  // namespace orvex
