// What the lighting page shows and stores: its handlers, LoadFromProfile, SaveToProfile and the
// poll of the colour fields.
#include "ui/layout/ColorSettingsLayout.h"
#include "ui/lighting/CColorSettingsDlg.h"
#include "ui/lighting/CTavCbnColorButton.h"
#include "ui/lighting/CTavMouseStatic.h"
#include "ui/lighting/ColourFieldText.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/SkinColours.h"

namespace orvex::ui {
namespace {

namespace cs = layout::colorsettings;

// lightingZones: one bit per zone, and the bit that says the zones were chosen one by one.
constexpr std::int32_t kWheelZoneBit = 1;
constexpr std::int32_t kLogoZoneBit = 8;
constexpr std::int32_t kAllZones = 15;
constexpr std::int32_t kNoZones = 0;
constexpr std::int32_t kSelectedZonesBit = 16;

// lightingEffect: the effect 1 ... 4, plus this bit for the colour cycle.
constexpr std::int32_t kColourShiftBit = 16;
constexpr std::int32_t kNoEffect = 0;

// The zoneColours entries of the two zones the page colours.
constexpr std::size_t kWheelColourEntry = 0;
constexpr std::size_t kLogoColourEntry = 3;

constexpr std::size_t kOn = 0;
constexpr std::size_t kOff = 1;
constexpr std::size_t kSelect = 2;

constexpr std::size_t kWheel = CTavMouseStatic::kWheelZone;
constexpr std::size_t kLogo = CTavMouseStatic::kLogoZone;

bool InRange(int id, int first, std::size_t count) {
    return id >= first && id < first + static_cast<int>(count);
}

std::size_t IndexFrom(int id, int first) {
    return static_cast<std::size_t>(id - first);
}

}  // namespace

void CColorSettingsDlg::ControlClicked(int controlId) {
    if (controlId == cs::kOnId || controlId == cs::kOffId || controlId == cs::kSelectId) {
        ChooseLightingState(controlId);
    } else if (controlId == cs::kScrollWheelId) {
        preview_->SetZoneLit(kWheel, zoneBoxes_[kWheel]->IsChecked());
    } else if (controlId == cs::kLogoTypeId) {
        preview_->SetZoneLit(kLogo, zoneBoxes_[kLogo]->IsChecked());
    } else if (InRange(controlId, cs::kEffectFirstId, effectButtons_.size())) {
        ChooseEffect(IndexFrom(controlId, cs::kEffectFirstId));
    } else if (controlId == cs::kColorShiftId || controlId == cs::kSolidColorId) {
        const bool on = controlId == cs::kColorShiftId;
        // Choosing the mode that is already on changes nothing: above all, a second "Color
        // Shift" must not take the cycling colours for the user's.
        if (preview_->colourShift() != on) {
            SetColourShift(on);
        }
    } else if (InRange(controlId, cs::kGridFirstId, gridButtons_.size())) {
        ChooseGridColour(cs::kGridColours[IndexFrom(controlId, cs::kGridFirstId)]);
    }
}

void CColorSettingsDlg::ControlNotification(int code, int value) {
    if (code == cs::kZone1ColourId) {
        TakePickedColour(kWheel, static_cast<std::uint32_t>(value));
    } else if (code == cs::kZone4ColourId) {
        TakePickedColour(kLogo, static_cast<std::uint32_t>(value));
    }
    ProfilePage::ControlNotification(code, value);
}

void CColorSettingsDlg::ChooseLightingState(int controlId) {
    for (CTavButton* state : stateButtons_) {
        state->SetChecked(state->controlId() == controlId);
    }
    ShowZoneEntries(controlId == cs::kSelectId);
    preview_->SetBothZonesLit(controlId == cs::kOnId);
}

// Showing the zone entries starts them unticked.
void CColorSettingsDlg::ShowZoneEntries(bool show) {
    for (std::size_t zone : {kWheel, kLogo}) {
        if (show) {
            zoneBoxes_[zone]->SetChecked(false);
        }
        zoneBoxes_[zone]->setVisible(show);
        colourButtons_[zone]->setVisible(show);
    }
}

void CColorSettingsDlg::ChooseEffect(std::size_t index) {
    for (std::size_t i = 0; i < effectButtons_.size(); ++i) {
        effectButtons_[i]->SetChecked(i == index);
    }
    preview_->SetAnimationMode(static_cast<int>(index));
}

void CColorSettingsDlg::SetColourShift(bool on) {
    colorShift_->SetChecked(on);
    solidColor_->SetChecked(!on);
    for (CTavButton* grid : gridButtons_) {
        grid->setEnabled(!on);
    }
    preview_->StopColourShiftTimer();
    preview_->SetColourShift(on);
    if (on) {
        preview_->SaveShownColours();
        preview_->StartColourShiftTimer();
    } else {
        preview_->RestoreSavedColours();
    }
}

// A grid colour colours both zones (the user's saved colours stay as they are while the cycle
// runs) and shows in the fields.
void CColorSettingsDlg::ChooseGridColour(std::uint32_t argb) {
    preview_->SetShownColour(kWheel, argb);
    preview_->SetShownColour(kLogo, argb);
    ShowColourInFields(argb);
}

void CColorSettingsDlg::ShowColourInFields(std::uint32_t argb) {
    const std::array<QString, 3> texts = ColourFieldTexts(argb);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setText(texts[i]);
    }
    lastAppliedTexts_ = texts;
}

// A panel's colour is the user's colour of that one zone, also while the cycle runs.
void CColorSettingsDlg::TakePickedColour(std::size_t zone, std::uint32_t bgr) {
    preview_->SetSavedColour(zone, ArgbFromBgr(bgr));
    preview_->SetShownColour(zone, ArgbFromBgr(bgr));
}

void CColorSettingsDlg::PollColourFields() {
    bool anyEnabled = false;
    for (const CTavEdit* field : fields_) {
        anyEnabled = anyEnabled || field->isEnabled();
    }
    if (!anyEnabled) {
        return;
    }
    std::array<QString, 3> texts;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const QString typed = fields_[i]->text();
        texts[i] = CorrectedColourFieldText(typed);
        if (texts[i] != typed) {
            fields_[i]->setText(texts[i]);
            fields_[i]->setCursorPosition(kColourFieldLength);
        }
    }
    if (texts == lastAppliedTexts_) {
        return;
    }
    lastAppliedTexts_ = texts;
    if (stateButtons_[kOn]->IsChecked()) {
        const std::uint32_t typedColour = ArgbFromColourFields(texts);
        preview_->SetShownColour(kWheel, typedColour);
        preview_->SetShownColour(kLogo, typedColour);
    }
}

void CColorSettingsDlg::LoadFromProfile(const ProfileRecord& record) {
    const std::int32_t zones = record.lightingZones;
    stateButtons_[kOn]->SetChecked(zones == kAllZones);
    if (zones == kAllZones) {
        preview_->SetBothZonesLit(true);
    }
    stateButtons_[kOff]->SetChecked(zones == kNoZones);
    if (zones == kNoZones) {
        preview_->SetBothZonesLit(false);
    }
    const bool selected = (zones & kSelectedZonesBit) != 0;
    ShowZoneEntries(selected);
    stateButtons_[kSelect]->SetChecked(selected);
    if (selected) {
        zoneBoxes_[kWheel]->SetChecked((zones & kWheelZoneBit) != 0);
        zoneBoxes_[kLogo]->SetChecked((zones & kLogoZoneBit) != 0);
        preview_->SetZoneLit(kWheel, zoneBoxes_[kWheel]->IsChecked());
        preview_->SetZoneLit(kLogo, zoneBoxes_[kLogo]->IsChecked());
    }

    std::int32_t effect = record.lightingEffect;
    const bool colourShift = (effect & kColourShiftBit) != 0;
    SetColourShift(colourShift);
    if (colourShift) {
        effect -= kColourShiftBit;
    }
    for (CTavButton* effectButton : effectButtons_) {
        effectButton->SetChecked(false);
    }
    if (effect >= 1 && effect <= static_cast<std::int32_t>(effectButtons_.size())) {
        ChooseEffect(static_cast<std::size_t>(effect - 1));
    }

    const std::uint32_t wheel = ArgbFromBgr(record.zoneColours[kWheelColourEntry]);
    const std::uint32_t logo = ArgbFromBgr(record.zoneColours[kLogoColourEntry]);
    ChooseGridColour(logo);
    preview_->SetShownColour(kWheel, wheel);
    preview_->SetSavedColour(kWheel, wheel);
    preview_->SetShownColour(kLogo, logo);
    preview_->SetSavedColour(kLogo, logo);
}

void CColorSettingsDlg::SaveToProfile(ProfileRecord& record) {
    if (stateButtons_[kOn]->IsChecked()) {
        record.lightingZones = kAllZones;
    } else if (stateButtons_[kOff]->IsChecked()) {
        record.lightingZones = kNoZones;
    } else if (stateButtons_[kSelect]->IsChecked()) {
        record.lightingZones = kSelectedZonesBit |
                               (zoneBoxes_[kWheel]->IsChecked() ? kWheelZoneBit : 0) |
                               (zoneBoxes_[kLogo]->IsChecked() ? kLogoZoneBit : 0);
    } else {
        record.lightingZones = kNoZones;
    }

    std::int32_t effect = kNoEffect;
    for (std::size_t i = 0; i < effectButtons_.size(); ++i) {
        if (effectButtons_[i]->IsChecked()) {
            effect = static_cast<std::int32_t>(i) + 1;
            break;
        }
    }
    if (colorShift_->IsChecked()) {
        effect += kColourShiftBit;
    }
    record.lightingEffect = effect;

    // While the colours cycle, the user's colours are the saved ones.
    const bool cycling = preview_->colourShift();
    const auto userColour = [&](std::size_t zone) {
        return ArgbToBgr(cycling ? preview_->savedColour(zone) : preview_->shownColour(zone));
    };
    record.zoneColours[kWheelColourEntry] = userColour(kWheel);
    record.zoneColours[kLogoColourEntry] = userColour(kLogo);
}

}  // namespace orvex::ui
