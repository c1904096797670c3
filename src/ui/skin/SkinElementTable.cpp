#include "ui/skin/SkinElementTable.h"

#include <array>
#include <optional>

#include "ui/layout/PopupLayout.h"
#include "ui/skin/SkinFiles.h"

namespace orvex::ui {
namespace {

using Kind = SkinElementSource::Kind;

// A run of element numbers that behave alike. Whole-image rows name a slot; crop rows a family.
struct ElementRow {
    int first;
    int last;
    Kind kind;
    int slot;
    std::optional<SkinFamily> family;
};

constexpr ElementRow Whole(int element, Kind kind, int slot) {
    return {element, element, kind, slot, std::nullopt};
}

constexpr ElementRow Crops(int first, int last, SkinFamily family) {
    return {first, last, Kind::Crop, -1, family};
}

constexpr std::array kRows = {
    Whole(0, Kind::Copy, kSlotMainNormal), Crops(1, 21, SkinFamily::Main),
    Whole(22, Kind::Shared, kSlotMouseSettingNormal), Crops(23, 48, SkinFamily::MouseSetting),
    Whole(49, Kind::Shared, kSlotSensorNormal),
    // 60 was never given to a control on the sensor page.
    Crops(50, 59, SkinFamily::Sensor), Crops(61, 71, SkinFamily::Sensor),
    Whole(72, Kind::Shared, kSlotColorSettingBackground), Crops(73, 112, SkinFamily::ColorSetting),
    Whole(113, Kind::Copy, kSlotMouse), Whole(114, Kind::Shared, kSlotMacroSettingBackground),
    Crops(115, 122, SkinFamily::MacroSetting), Whole(123, Kind::Shared, kSlotSupportNormal),
    Crops(124, 129, SkinFamily::Support), Whole(130, Kind::Copy, kSlotSliderNormal),
    Whole(131, Kind::Copy, kSlotSliderDisable), Whole(132, Kind::Copy, kSlotSlider1),
    Whole(133, Kind::Copy, kSlotSlider2), Whole(134, Kind::Copy, kSlotSlider3),
    Whole(135, Kind::Copy, kSlotScrollNormal),
    // 136..138 are special: see ScrollPartSlot.
    Whole(139, Kind::Copy, kSlotColorPanel), Whole(140, Kind::Shared, kSlotReNameNormal),
    Crops(141, 144, SkinFamily::ReName),
    // 145..173 are the pop-up faces: see layout::popup::kFaces.
};

// The scroll-bar arrows take their resting look from the "Down" bitmap and their hover look from
// "Over"; they have no other states.
int ScrollPartSlot(SkinState state) {
    switch (state) {
        case SkinState::Normal:
            return kSlotScrollDown;
        case SkinState::Hover:
            return kSlotScrollOver;
        default:
            return -1;
    }
}

SkinElementSource CropFrom(int slot) {
    if (slot < 0) {
        return {};
    }
    return {Kind::Crop, slot};
}

// A face is handed out as its family's normal bitmap; its controls crop the family by state.
SkinElementSource PopupElement(const layout::popup::PopupFace& face, int element, SkinState state) {
    if (element == face.FaceElement()) {
        return {Kind::Shared, FamilySlot(face.family, SkinState::Normal)};
    }
    return CropFrom(FamilySlot(face.family, state));
}

}  // namespace

SkinElementSource ResolveSkinElement(int element, SkinState state) {
    if (element >= 136 && element <= 138) {
        return CropFrom(ScrollPartSlot(state));
    }
    if (const layout::popup::PopupFace* face = layout::popup::FaceOwningElement(element)) {
        return PopupElement(*face, element, state);
    }
    for (const ElementRow& row : kRows) {
        if (element < row.first || element > row.last) {
            continue;
        }
        if (row.family) {
            return CropFrom(FamilySlot(*row.family, state));
        }
        return {row.kind, row.slot};
    }
    return {};
}

}  // namespace orvex::ui
