#include "ui/buttons/CMouseSettingsDlg.h"

#include <QImage>

#include "core/buttons/BindingRules.h"
#include "core/buttons/ButtonFunction.h"
#include "core/buttons/MenuChoice.h"
#include "core/macros/MacroIds.h"
#include "ui/buttons/FunctionMenu.h"
#include "ui/layout/PopupMode.h"
#include "ui/services/PopupRunner.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavSliderCtrl.h"
#include "ui/skin/ControlPlacement.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui {
namespace {

namespace ms = layout::mousesettings;

constexpr int kBackgroundElement = 22;
constexpr int kSliderThumbElement = 130;
constexpr int kSliderInertThumbElement = 131;
constexpr int kFunctionFontHeight = 14;

// The buttons' factory functions: the seven standard ones in order, then two disabled buttons.
constexpr std::array<ButtonFunction, CMouseSettingsDlg::kFunctionButtonCount> kInitialFunctions{
    ButtonFunction::LeftClick, ButtonFunction::RightClick,    ButtonFunction::ScrollClick,
    ButtonFunction::Forward,   ButtonFunction::Back,          ButtonFunction::DpiUp,
    ButtonFunction::DpiDown,   ButtonFunction::DisableButton, ButtonFunction::DisableButton};

QImage PagePicture(SkinState state, const QRect& rect) {
    return SkinImageSet::Instance().CropFamily(SkinFamily::MouseSetting, state, rect);
}

QImage WholeImage(int element) {
    return SkinImageSet::Instance().GetSkinImage(element, SkinState::Normal, QRect());
}

template <typename Button>
Button* PlaceButton(QWidget* page, int id, const layout::LayoutRect& rect) {
    return PlaceFamilyButton<Button>(page, id, rect, SkinFamily::MouseSetting);
}

}  // namespace

CMouseSettingsDlg::CMouseSettingsDlg(const WindowServices& services, const MacroList& macros,
                                     QWidget* parent)
    : ProfilePage(parent),
      log_(services.log),
      popups_(services.popups),
      macros_(macros),
      clock_(services.clock()),
      menuIds_(clock_) {
    SkinImageSet::Instance().LoadSkinImages();
    SetBackgroundImage(WholeImage(kBackgroundElement));
    BuildFunctionButtons();
    BuildPointerControls();
    RebuildMacroLists();
}

void CMouseSettingsDlg::BuildFunctionButtons() {
    for (std::size_t i = 0; i < kFunctionButtonCount; ++i) {
        auto* button = PlaceControl<CTavComboButton>(this, ms::kFunctionIds[i], ms::kFunctions[i]);
        const QRect place = button->geometry();
        button->SetImages(PagePicture(SkinState::Normal, place),
                          PagePicture(SkinState::Hover, place),
                          PagePicture(SkinState::Pressed, place));
        button->SetLabelFont(kNeoSansFace, kFunctionFontHeight);
        button->SetClock(clock_);
        button->SetMenuIdAllocator(menuIds_);
        FillFunctionMenu(*button);
        const ButtonFunction initial = kInitialFunctions[i];
        button->SetSelection(FunctionText(initial), ToCode(initial), 0);
        functions_[i] = button;

        badges_[i] = PlaceButton<CTavButton>(this, layout::kNoControlId, ms::kButtonBadges[i]);
    }
}

void CMouseSettingsDlg::BuildPointerControls() {
    for (std::size_t i = 0; i < kReportRateCount; ++i) {
        reportRates_[i] = PlaceButton<CTavCheckBox>(this, kReportRateIds[i], ms::kReportRates[i]);
    }
    CheckReportRate(kReportRateCount - 1);  // 1000 Hz
    doubleClick_ = MakeSlider(ms::kDoubleClickId, ms::kDoubleClick, kDoubleClickRange);
    scrollSpeed_ = MakeSlider(ms::kScrollSpeedId, ms::kScrollSpeed, kScrollSpeedRange);
    accelerationEnable_ =
        PlaceButton<CTavCheckBox>(this, ms::kAccelerationEnableId, ms::kAccelerationEnable);
    acceleration_ =
        MakeSlider(ms::kPointAccelerationId, ms::kPointAcceleration, kAccelerationRange);
    FollowAccelerationEnable();
}

CTavSliderCtrl* CMouseSettingsDlg::MakeSlider(int id, const layout::LayoutRect& rect,
                                              const SliderRange& range) {
    auto* slider = PlaceControl<CTavSliderCtrl>(this, id, rect);
    const QImage thumb = WholeImage(kSliderThumbElement);
    slider->SetImages(PagePicture(SkinState::Normal, slider->geometry()), thumb, thumb,
                      WholeImage(kSliderInertThumbElement));
    slider->SetMinimum(range.minimum);
    slider->SetMaximum(range.maximum);
    slider->SetStep(range.step);
    slider->SetPos(range.initial);
    return slider;
}

void CMouseSettingsDlg::RebuildMacroLists() {
    const std::vector<MacroEntry> entries = ListableMacros(macros_, log_);
    for (CTavComboButton* button : functions_) {
        ListMacros(*button, entries);
    }
}

void CMouseSettingsDlg::LoadFromProfile(const ProfileRecord& record) {
    RebuildMacroLists();
    for (std::size_t i = 0; i < kFunctionButtonCount; ++i) {
        ShowBinding(record, i);
    }
    std::optional<std::size_t> rate;
    for (std::size_t i = 0; i < kReportRateCount; ++i) {
        if (record.reportInterval == kReportIntervals[i]) {
            rate = i;
        }
    }
    CheckReportRate(rate);
    // As they are, even between steps or out of range: the profile keeps its value until the
    // user moves the thumb.
    doubleClick_->SetPos(record.doubleClickSetting);
    scrollSpeed_->SetPos(record.scrollLines);
    acceleration_->SetPos(record.accelerationLevel);
    accelerationEnable_->SetChecked(record.accelerationEnabled != 0);
    FollowAccelerationEnable();
}

void CMouseSettingsDlg::ShowBinding(const ProfileRecord& record, std::size_t button) {
    const ButtonBinding& binding = record.buttons[button];
    // A code no menu offers (7, or above 15, only from a file) is kept as it is and shown without
    // a name, like a key without one; the mouse does nothing for it.
    const std::u16string label = BindingLabel(record, binding).value_or(std::u16string());
    functions_[button]->SetSelection(QString::fromStdU16String(label), binding.code, binding.param);
}

void CMouseSettingsDlg::SaveToProfile(ProfileRecord& record) {
    for (std::size_t i = 0; i < kFunctionButtonCount; ++i) {
        ButtonBinding& binding = record.buttons[i];
        const CTavComboButton* function = functions_[i];
        binding.code = static_cast<std::uint8_t>(function->selectedCode());
        const auto code = ButtonFunctionFromCode(binding.code);
        if (code == ButtonFunction::SingleKey || code == ButtonFunction::RecordMacro) {
            binding.param = static_cast<std::int16_t>(function->selectedParameter());
        }
    }
    StoreMacroBindings(record, macros_);
    if (const auto interval = CheckedReportInterval()) {
        record.reportInterval = *interval;
    }
    record.doubleClickSetting = static_cast<std::int16_t>(doubleClick_->value());
    record.scrollLines = static_cast<std::int16_t>(scrollSpeed_->value());
    record.accelerationLevel = static_cast<std::int16_t>(acceleration_->value());
    record.accelerationEnabled = accelerationEnable_->IsChecked() ? 1 : 0;
}

std::optional<std::size_t> CMouseSettingsDlg::FunctionButtonIndex(int controlId) const {
    for (std::size_t i = 0; i < kFunctionButtonCount; ++i) {
        if (ms::kFunctionIds[i] == controlId) {
            return i;
        }
    }
    return std::nullopt;
}

std::array<std::uint8_t, CMouseSettingsDlg::kFunctionButtonCount> CMouseSettingsDlg::SelectedCodes()
    const {
    std::array<std::uint8_t, kFunctionButtonCount> codes{};
    for (std::size_t i = 0; i < kFunctionButtonCount; ++i) {
        codes[i] = static_cast<std::uint8_t>(functions_[i]->selectedCode());
    }
    return codes;
}

void CMouseSettingsDlg::OnFunctionChosen(std::size_t button, int entryId) {
    CTavComboButton* function = functions_[button];
    // A pop-up is not left under the menu it was chosen from: the menu goes first.
    const auto closeMenu = [function] { function->menu()->Close(); };
    switch (DecideMenuChoice(SelectedCodes(), button, entryId)) {
        case MenuChoice::KeepLeftClick:
            closeMenu();
            popups_.Run(PopupMode::LeftClickWarning, this);
            function->SetAcceptSelection(false);
            break;
        case MenuChoice::CaptureKey:
            // The entry itself is never taken: OK in the capture gives the button the key, Cancel
            // leaves it as it was.
            function->SetAcceptSelection(false);
            closeMenu();
            popups_.Run(PopupMode::AssignKey, this, function);
            break;
        case MenuChoice::BindMacro:
            function->SetAcceptSelection(false);
            if (IsBindableMacroId(entryId)) {
                function->SetSelection(MacroEntryText(*function, entryId),
                                       ToCode(ButtonFunction::RecordMacro), entryId);
            }
            break;
        case MenuChoice::TakeEntry:
            // With no macro listed, "Assign record macro" has nothing to bind: the button keeps
            // its function rather than show a binding the next save would drop.
            if (entryId == ToCode(ButtonFunction::RecordMacro)) {
                function->SetAcceptSelection(false);
            }
            break;
    }
}

void CMouseSettingsDlg::ControlNotification(int code, int value) {
    if (const auto button = FunctionButtonIndex(code)) {
        OnFunctionChosen(*button, value);
        return;
    }
    // The menus' hide notices go on to the window; sliders and badges need no answer: slider
    // values are read when the page is saved.
    ProfilePage::ControlNotification(code, value);
}

void CMouseSettingsDlg::ControlClicked(int controlId) {
    for (std::size_t i = 0; i < kReportRateCount; ++i) {
        if (controlId == kReportRateIds[i]) {
            CheckReportRate(i);
            return;
        }
    }
    if (controlId == ms::kAccelerationEnableId) {
        FollowAccelerationEnable();
    }
}

void CMouseSettingsDlg::CheckReportRate(std::optional<std::size_t> index) {
    // One box at most: a click on the checked box (which unchecked itself) checks it again.
    for (std::size_t i = 0; i < kReportRateCount; ++i) {
        reportRates_[i]->SetChecked(index == i);
    }
}

std::optional<std::int16_t> CMouseSettingsDlg::CheckedReportInterval() const {
    for (std::size_t i = 0; i < kReportRateCount; ++i) {
        if (reportRates_[i]->IsChecked()) {
            return kReportIntervals[i];
        }
    }
    return std::nullopt;
}

void CMouseSettingsDlg::FollowAccelerationEnable() {
    acceleration_->SetState(accelerationEnable_->IsChecked() ? SkinState::Normal
                                                             : SkinnedSlider::kInert);
}

}  // namespace orvex::ui
