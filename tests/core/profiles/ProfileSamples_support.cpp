#include <fstream>
#include <iterator>

#include "core/buttons/ButtonFunction.h"
#include "core/profiles/ProfileSamples.h"

namespace orvex::testing {

ProfileMacro SampleMacro(std::int32_t id, std::u16string name, std::size_t count) {
    ProfileMacro macro;
    macro.id = id;
    macro.name = std::move(name);
    for (std::size_t i = 0; i < count; ++i) {
        macro.AppendEvent({kKeyEventType, static_cast<std::int16_t>(0x41 + (i / 2) % 26),
                           static_cast<std::uint8_t>(i % 2), static_cast<std::int32_t>(10 * i)});
    }
    return macro;
}

void BindMacro(ProfileRecord& record, std::size_t button, const ProfileMacro& macro) {
    record.buttons[button].code = ToCode(ButtonFunction::RecordMacro);
    record.buttons[button].param = static_cast<std::int16_t>(macro.id);
    record.buttonMacros[button] = macro;
}

ProfileRecord RecordWithMacros() {
    ProfileRecord record;
    record.enabled = 0;
    record.name = u"Sniper \u00e9\u20ac";
    record.reservedWord = -5;
    record.reportInterval = 8;
    record.doubleClickSetting = 1200;
    record.scrollLines = 7;
    record.scrollByLines = 0;
    record.scrollByPage = 1;
    record.accelerationEnabled = 1;
    record.sensorHeaderByte = 9;
    record.xySeparate = 1;
    record.definedModeEnabled = 1;
    record.resolutionSteps = {{{100, 200}, {3000, 3200}, {-1, 32767}}};
    record.pointerSpeed = 10;
    record.liftDistance = 40;
    record.surfaceQuality = 7;
    record.angleSnap = 1;
    record.definedModeValue = 200;
    record.lightingZones = 16 + 4 + 1;
    record.lightingEffect = 16 + 3;
    record.zoneColours = {0x000000FF, 0x00FF0000, 0x00123456, 0};
    record.buttons[1].code = ToCode(ButtonFunction::SingleKey);
    record.buttons[1].param = 0x41;
    record.buttons[2].code = ToCode(ButtonFunction::ScrollUp);
    record.buttons[2].param = 65;  // left over from an earlier key binding; kept
    BindMacro(record, 0, SampleMacro(16, u"Burst", 4));
    BindMacro(record, 3, SampleMacro(17, u"Hold", 1));
    BindMacro(record, 8, SampleMacro(40, u"Long one", 30));
    return record;
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace orvex::testing
