#include "ui/layout/WindowLayouts.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ui/layout/ColorPanelLayout.h"
#include "ui/layout/ColorSettingsLayout.h"
#include "ui/layout/MacroSettingsLayout.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/layout/MouseSettingsLayout.h"
#include "ui/layout/PopupLayout.h"
#include "ui/layout/RenameLayout.h"
#include "ui/layout/SensorLayout.h"
#include "ui/layout/SkinFamily.h"
#include "ui/layout/SupportLayout.h"

namespace orvex::ui::layout {
namespace {

using Controls = std::vector<ControlPlacement>;

// Names built at run time (numbered rows, grid cells) must outlive the table.
std::string_view Keep(std::string text) {
    static std::vector<std::unique_ptr<std::string>> names;
    names.push_back(std::make_unique<std::string>(std::move(text)));
    return *names.back();
}

Controls MainWindowControls() {
    namespace mw = mainwindow;
    static constexpr std::array<std::string_view, 5> kTabNames{
        "Mouse Settings", "Sensor Performance", "Color Settings", "Macro Settings", "Support"};
    Controls controls;
    for (int i = 0; i < 5; ++i) {
        const auto at = static_cast<std::size_t>(i);
        controls.push_back({mw::kPageButtonFirstId + i, kTabNames[at], mw::kPageTabs[at]});
    }
    for (int i = 0; i < 5; ++i) {
        const auto at = static_cast<std::size_t>(i);
        controls.push_back({mw::kSlotButtonFirstId + i, Keep("Profile" + std::to_string(i + 1)),
                            mw::kSlotButtons[at]});
        controls.push_back({mw::kSlotMenuButtonFirstId - i, Keep(std::to_string(i + 1)),
                            mw::kSlotMenuButtons[at]});
    }
    controls.push_back({mw::kResetToDefaultId, "Reset to Default", mw::kResetToDefault});
    controls.push_back({mw::kLanguageId, "Language", mw::kLanguage});
    controls.push_back({mw::kOkId, "OK", mw::kOk});
    controls.push_back({mw::kApplyId, "Apply", mw::kApply});
    controls.push_back({mw::kCancelId, "Cancel", mw::kCancel});
    controls.push_back({mw::kVersionId, "Version", mw::kVersion, false});
    controls.push_back({kNoControlId, "Page area", mw::kPageArea, false});
    return controls;
}

Controls MouseSettingsControls() {
    namespace ms = mousesettings;
    static constexpr std::array<std::string_view, 4> kRates{"125", "250", "500", "1000"};
    Controls controls;
    for (std::size_t i = 0; i < 9; ++i) {
        controls.push_back(
            {ms::kFunctionIds[i], Keep("Function" + std::to_string(i + 1)), ms::kFunctions[i]});
        controls.push_back(
            {kNoControlId, Keep("Bn" + std::to_string(i + 1)), ms::kButtonBadges[i], false});
    }
    for (std::size_t i = 0; i < 4; ++i) {
        controls.push_back({kNoControlId, kRates[i], ms::kReportRates[i]});
    }
    controls.push_back({ms::kDoubleClickId, "Double Click", ms::kDoubleClick});
    controls.push_back({ms::kScrollSpeedId, "Scroll Speed", ms::kScrollSpeed});
    controls.push_back({ms::kAccelerationEnableId, "Enable", ms::kAccelerationEnable});
    controls.push_back({ms::kPointAccelerationId, "Point Acceleration", ms::kPointAcceleration});
    return controls;
}

Controls SensorControls() {
    namespace sn = sensor;
    Controls controls{
        {sn::kSeparateId, "Enable X or Y Separate Setting", sn::kSeparate},
        {sn::kXAxisId, "Xaxis", sn::kXAxis},
        {sn::kYAxisId, "Yaxis", sn::kYAxis},
        {sn::kDefinedModeId, "Eanble Defined mode", sn::kDefinedMode},
        {sn::kDefinedValueId, "Defined mode value", sn::kDefinedValue},
        {sn::kAngleSnapId, "AngleSnap", sn::kAngleSnap},
        {sn::kPointSpeedId, "Point Speed", sn::kPointSpeed},
        {sn::kLiftDistanceId, "Lift Distance", sn::kLiftDistance},
        {sn::kTestId, "Test", sn::kTest},
        {sn::kSaveId, "Save", sn::kSave},
        {sn::kAnalyzeSurfaceId, "Analyze Surface", sn::kAnalyzeSurface},
        {sn::kQualityAnalyzerId, "Quality Analyzer", sn::kQualityAnalyzer, false},
        {sn::kSurfaceId, "Surface", sn::kSurface, false},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        controls.push_back({kNoControlId, Keep("XYaxisBK" + n), sn::kStepBackgrounds[i], false});
        controls.push_back({kNoControlId, Keep("Step" + n + "x"), sn::kStepXLabels[i], false});
        controls.push_back({kNoControlId, Keep("Step" + n + "xy"), sn::kStepXYLabels[i], false});
    }
    return controls;
}

Controls ColorSettingsControls() {
    namespace cs = colorsettings;
    static constexpr std::array<std::string_view, 4> kEffectNames{"Solid", "Blinking", "Pulsating",
                                                                  "Breathing"};
    static constexpr std::array<std::string_view, 3> kFieldNames{"Red", "Green", "Blue"};
    Controls controls{
        {cs::kOnId, "ON", cs::kOn},
        {cs::kOffId, "OFF", cs::kOff},
        {cs::kSelectId, "Select", cs::kSelect},
        {cs::kScrollWheelId, "Scroll Wheel", cs::kScrollWheel},
        {cs::kLogoTypeId, "LogoType", cs::kLogoType},
        {cs::kDpiButtonsId, "DPI Buttons", cs::kDpiButtons, false},
        {cs::kDpiIndicatorId, "DPI Indicator", cs::kDpiIndicator, false},
        {cs::kZone1ColourId, "1", cs::kZone1Colour},
        {cs::kZone4ColourId, "4", cs::kZone4Colour},
        {cs::kZone3ColourId, "3", cs::kZone3Colour, false},
        {cs::kZone2ColourId, "2", cs::kZone2Colour, false},
        {cs::kColorShiftId, "Color Shift", cs::kColorShift},
        {cs::kSolidColorId, "Solid Color", cs::kSolidColor},
        {cs::kMousePreviewId, "Mouse", cs::kMousePreview, false},
    };
    for (std::size_t i = 0; i < kFieldNames.size(); ++i) {
        controls.push_back(
            {cs::kColourFieldFirstId + static_cast<int>(i), kFieldNames[i], cs::kColourFields[i]});
    }
    for (std::size_t i = 0; i < kEffectNames.size(); ++i) {
        controls.push_back(
            {cs::kEffectFirstId + static_cast<int>(i), kEffectNames[i], cs::kEffects[i]});
    }
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            controls.push_back({cs::GridCellId(row, column),
                                Keep(std::to_string(row + 1) + std::to_string(column + 1)),
                                cs::GridCell(row, column)});
        }
    }
    return controls;
}

Controls MacroSettingsControls() {
    namespace mc = macrosettings;
    return Controls{
        {mc::kMacroListId, "Macro", mc::kMacroList},
        {mc::kEventListId, "Events", mc::kEventList},
        {mc::kNewMacroId, "New Macro", mc::kNewMacro},
        {mc::kDeleteId, "Delete", mc::kDelete},
        {mc::kRecordDelayId, "Record Delay", mc::kRecordDelay},
        {mc::kRecordHoldId, "Record Hold", mc::kRecordHold},
        {mc::kStartRecordId, "Start Record", mc::kStartRecord, true, "Stop Record"},
        {mc::kStopRecordId, "Stop Record", mc::kStopRecord, true, "Start Record"},
    };
}

Controls SupportControls() {
    namespace sp = support;
    return Controls{
        {kNoControlId, "FQA", sp::kFqa},
        {kNoControlId, "Online Support", sp::kOnlineSupport},
        {kNoControlId, "Check Updates", sp::kCheckUpdates},
        {kNoControlId, "Check Firmware", sp::kCheckFirmware},
        {kNoControlId, "Firm Version", sp::kFirmVersion, false},
        {kNoControlId, "Soft Version", sp::kSoftVersion, false},
    };
}

Controls RenameControls() {
    namespace rn = rename;
    return Controls{
        {rn::kOkId, "OK", rn::kOk},
        {rn::kCancelId, "Cancel", rn::kCancel},
        {rn::kCloseId, "Close", rn::kClose},
        {rn::kEditId, "Name", rn::kEdit},
    };
}

Controls ColorPanelControls() {
    Controls controls;
    int number = 1;
    for (const colorpanel::PanelCell& cell : colorpanel::kCells) {
        controls.push_back({kNoControlId, Keep("Cell " + std::to_string(number++)), cell.Rect()});
    }
    return controls;
}

Controls PopupControls(const popup::PopupFace& face) {
    Controls controls{{popup::kOkId, "OK", face.ok}, {popup::kCloseId, "Close", face.close}};
    if (face.cancel) {
        controls.push_back({popup::kCancelId, "Cancel", *face.cancel});
    }
    if (face.time) {
        controls.push_back({popup::kTimeId, "Time", *face.time, false});
    }
    if (face.image) {
        controls.push_back({popup::kImageId, "Image", *face.image, false});
    }
    return controls;
}

struct Table {
    std::vector<Controls> controls;
    std::vector<WindowLayout> windows;

    void Add(std::string_view window, std::string_view family, LayoutSize size, Controls list) {
        controls.push_back(std::move(list));
        windows.push_back({window, family, size, {}});
    }
    // Spans are taken once every list has its final address.
    void Seal() {
        for (std::size_t i = 0; i < windows.size(); ++i) {
            windows[i].controls = controls[i];
        }
    }
};

Table BuildTable() {
    Table table;
    table.Add("Main", FamilyStem(SkinFamily::Main), mainwindow::kWindowSize, MainWindowControls());
    table.Add("MouseSettings", FamilyStem(SkinFamily::MouseSetting), mainwindow::kPageSize,
              MouseSettingsControls());
    table.Add("Sensor", FamilyStem(SkinFamily::Sensor), mainwindow::kPageSize, SensorControls());
    table.Add("ColorSettings", FamilyStem(SkinFamily::ColorSetting), mainwindow::kPageSize,
              ColorSettingsControls());
    table.Add("MacroSettings", FamilyStem(SkinFamily::MacroSetting), mainwindow::kPageSize,
              MacroSettingsControls());
    table.Add("Support", FamilyStem(SkinFamily::Support), mainwindow::kPageSize, SupportControls());
    table.Add("Rename", FamilyStem(SkinFamily::ReName), rename::kDialogSize, RenameControls());
    table.Add("ColorPanel", "ColorPanel", colorpanel::kPanelSize, ColorPanelControls());
    for (const popup::PopupFace& face : popup::kFaces) {
        table.Add(face.window, FamilyStem(face.family), face.size, PopupControls(face));
    }
    table.Seal();
    return table;
}

}  // namespace

std::span<const WindowLayout> AllWindowLayouts() {
    static const Table table = BuildTable();
    return table.windows;
}

const WindowLayout* FindWindowLayout(std::string_view window) {
    for (const WindowLayout& layout : AllWindowLayouts()) {
        if (layout.window == window) {
            return &layout;
        }
    }
    return nullptr;
}

}  // namespace orvex::ui::layout
