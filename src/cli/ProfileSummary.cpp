#include "cli/ProfileSummary.h"

#include <iomanip>
#include <sstream>

#include "core/buttons/ButtonFunction.h"
#include "core/buttons/KeyNames.h"
#include "core/text/Utf.h"

namespace orvex::cli {
namespace {

std::string ButtonText(const ProfileRecord& record, const ButtonBinding& binding) {
    const auto function = ButtonFunctionFromCode(binding.code);
    if (!function) {
        return "(no function, code " + std::to_string(binding.code) + ")";
    }
    const std::string text = ToUtf8(ButtonFunctionMenuText(*function));
    if (*function == ButtonFunction::SingleKey) {
        return text + ": " + ToUtf8(GetKeyName(static_cast<std::uint16_t>(binding.param)));
    }
    if (*function == ButtonFunction::RecordMacro) {
        const std::u16string macro = MacroNameForBinding(record, binding);
        return text + ": " + (macro.empty() ? std::string("(missing macro)") : ToUtf8(macro)) +
               " (id " + std::to_string(binding.param) + ")";
    }
    return text;
}

std::string Colour(std::uint32_t bgr) {
    std::ostringstream text;
    text << '#' << std::hex << std::setfill('0') << std::setw(2) << (bgr & 0xFF) << std::setw(2)
         << ((bgr >> 8) & 0xFF) << std::setw(2) << ((bgr >> 16) & 0xFF);
    return text.str();
}

int ReportRateHz(std::int16_t interval) {
    return interval > 0 ? 1000 / interval : 0;
}

}  // namespace

void PrintProfileSummary(const ProfileRecord& record, std::ostream& out) {
    out << "name: " << ToUtf8(record.name) << (record.enabled ? "" : " (disabled)") << '\n';
    out << "buttons:\n";
    for (const ButtonBinding& binding : record.buttons) {
        out << "  " << int{binding.button} + 1 << ": " << ButtonText(record, binding) << '\n';
    }
    out << "resolution steps:";
    for (const ResolutionStep& step : record.resolutionSteps) {
        out << ' ' << step.x << 'x' << step.y;
    }
    out << (record.xySeparate ? " (X and Y separate)" : "") << '\n';
    out << "report rate: " << ReportRateHz(record.reportInterval) << " Hz\n";
    out << "angle snap: " << int{record.angleSnap}
        << ", lift distance: " << int{record.liftDistance}
        << ", surface level: " << record.surfaceQuality << '\n';
    out << "lighting: effect " << (record.lightingEffect & 0x0F)
        << ((record.lightingEffect & 0x10) ? " with colour shift" : "") << ", zones";
    for (std::size_t zone = 0; zone < kLightingZoneCount; ++zone) {
        const bool lit = (record.lightingZones >> zone) & 1;
        out << ' ' << zone + 1 << '=' << (lit ? Colour(record.zoneColours[zone]) : "off");
    }
    out << '\n';
    out << "pointer: speed " << int{record.pointerSpeed} * 2 << ", double-click "
        << 1600 - record.doubleClickSetting << " ms, scroll "
        << (record.scrollByLines ? std::to_string(record.scrollLines) + " lines"
                                 : std::string(record.scrollByPage ? "one page" : "default"))
        << ", acceleration " << (record.accelerationEnabled ? "on" : "off") << '\n';
}

}  // namespace orvex::cli
