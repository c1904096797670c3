#include "ui/sensor/CSensorDlg.h"

#include "ui/sensor/DefinedModeNumber.h"
#include "ui/skin/CQELComboButton.h"
#include "ui/skin/CQELNUMEdit.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavProgressCtrl.h"
#include "ui/skin/CTavSliderCtrl.h"
#include "ui/skin/CTavSliderCtrl3D.h"
#include "ui/skin/CTavStatic.h"

namespace orvex::ui {
namespace {

void SetThumb(CTavSliderCtrl3D& axis, int thumb, int value, bool notify) {
    switch (thumb) {
        case 1:
            axis.SetPos1(value, notify);
            break;
        case 2:
            axis.SetPos2(value, notify);
            break;
        default:
            axis.SetPos3(value, notify);
            break;
    }
}

void ShowNumber(CTavStatic& label, int value) {
    const QString text = QString::number(value);
    if (label.CurrentText() != text) {
        label.SetText(text);
    }
}

}  // namespace

CSensorDlg::CSensorDlg(const WindowServices& services, QWidget* parent)
    : ProfilePage(parent), link_(services.link), log_(services.log), popups_(services.popups) {
    BuildControls();
    angleSnap_->SetClock(services.clock());
    SetCreationDefaults();

    numberFieldTimer_.setInterval(kNumberFieldInterval);
    connect(&numberFieldTimer_, &QTimer::timeout, this, &CSensorDlg::NumberFieldTick);
    numberFieldTimer_.start();
    stepLabelTimer_.setInterval(kStepLabelInterval);
    connect(&stepLabelTimer_, &QTimer::timeout, this, &CSensorDlg::StepLabelTick);
    stepLabelTimer_.start();
}

bool CSensorDlg::separate() const {
    return separateBox_->IsChecked();
}

void CSensorDlg::LoadFromProfile(const ProfileRecord& record) {
    // The boxes first: the resolutions below follow each other or not by the loaded mode. The
    // step labels are laid out by the window's notice that follows every load.
    separateBox_->SetChecked(record.xySeparate != 0);
    definedModeBox_->SetChecked(record.definedModeEnabled != 0);
    // Shown as stored, even outside the sliders' ranges, so that saving gives them back.
    pointSpeed_->SetPos(record.pointerSpeed);
    liftDistance_->SetPos(record.liftDistance);
    ShowSurfaceLevel(record.surfaceQuality);
    // Each thumb that moves reports as a dragged one would, so tied sliders follow: with tied
    // resolutions the Y values end up on both sliders.
    for (int thumb = 1; thumb <= kStepCount; ++thumb) {
        SetThumb(*xAxis_, thumb, record.resolutionSteps[static_cast<std::size_t>(thumb - 1)].x,
                 true);
    }
    for (int thumb = 1; thumb <= kStepCount; ++thumb) {
        SetThumb(*yAxis_, thumb, record.resolutionSteps[static_cast<std::size_t>(thumb - 1)].y,
                 true);
    }
    numberField_->setText(DefinedModeText(record.definedModeValue));
    // A level the menu does not have (above 15) leaves the shown one.
    const QString snapText = angleSnap_->ItemText(record.angleSnap);
    if (!snapText.isEmpty()) {
        angleSnap_->SetSelection(snapText, record.angleSnap, 0);
    }
}

void CSensorDlg::SaveToProfile(ProfileRecord& record) {
    record.xySeparate = separate() ? 1 : 0;
    record.definedModeEnabled = definedModeBox_->IsChecked() ? 1 : 0;
    record.pointerSpeed = static_cast<std::uint8_t>(pointSpeed_->value());
    record.liftDistance = static_cast<std::uint8_t>(liftDistance_->value());
    record.surfaceQuality = static_cast<std::int16_t>(qualityAnalyzer_->position());
    for (int thumb = 1; thumb <= kStepCount; ++thumb) {
        record.resolutionSteps[static_cast<std::size_t>(thumb - 1)] = {
            static_cast<std::int16_t>(xAxis_->value(thumb)),
            static_cast<std::int16_t>(yAxis_->value(thumb))};
    }
    record.definedModeValue = DefinedModeByte(numberField_->text());
    record.angleSnap = static_cast<std::uint8_t>(angleSnap_->selectedCode());
}

void CSensorDlg::ControlNotification(int code, int value) {
    switch (code) {
        case kXAxisId:
            if (!separate()) {
                CopyThumbs(*xAxis_, *yAxis_, false);
            }
            return;
        case kYAxisId:
            if (!separate()) {
                CopyThumbs(*yAxis_, *xAxis_, false);
            }
            return;
        case kSeparateId:
            // The window's notice after a load: the mode is the loaded one, the values are too.
            LayOutStepLabels();
            return;
        default:
            ProfilePage::ControlNotification(code, value);
            return;
    }
}

void CSensorDlg::ControlClicked(int controlId) {
    switch (controlId) {
        case kSeparateId:
            OnSeparateClicked();
            return;
        case kTestId:
            SendLiftDistance(LiftOffAction::Test);
            return;
        case kSaveId:
            SendLiftDistance(LiftOffAction::Save);
            return;
        case kAnalyzeSurfaceId:
            AnalyzeSurface();
            return;
        default:
            // "Eanble Defined mode" holds its flag itself.
            return;
    }
}

void CSensorDlg::OnSeparateClicked() {
    // Either way the sliders start out equal: Y takes X. The reports this makes find the values
    // already agreeing when the box was just cleared.
    CopyThumbs(*xAxis_, *yAxis_, true);
    LayOutStepLabels();
}

void CSensorDlg::CopyThumbs(const CTavSliderCtrl3D& from, CTavSliderCtrl3D& to, bool notify) {
    // Read all three first: with reports, each moved thumb makes tied sliders copy the other way,
    // and thumbs not yet copied must not be overwritten by their old values.
    std::array<int, kStepCount> values{};
    for (int thumb = 1; thumb <= kStepCount; ++thumb) {
        values[static_cast<std::size_t>(thumb - 1)] = from.value(thumb);
    }
    for (int thumb = 1; thumb <= kStepCount; ++thumb) {
        SetThumb(to, thumb, values[static_cast<std::size_t>(thumb - 1)], notify);
    }
}

void CSensorDlg::LayOutStepLabels() {
    SkinStepLabels();
    const bool apart = separate();
    for (std::size_t step = 0; step < kStepCount; ++step) {
        stepXLabels_[step]->setVisible(apart);
        stepXYLabels_[step]->show();
    }
}

void CSensorDlg::StepLabelTick() {
    for (int thumb = 1; thumb <= kStepCount; ++thumb) {
        const auto step = static_cast<std::size_t>(thumb - 1);
        if (separate()) {
            ShowNumber(*stepXLabels_[step], xAxis_->value(thumb));
        }
        ShowNumber(*stepXYLabels_[step], yAxis_->value(thumb));
    }
}

void CSensorDlg::NumberFieldTick() {
    const QString typed = numberField_->text();
    const NumberFieldText checked = CheckDefinedModeText(typed);
    if (checked.text != typed) {
        numberField_->setText(checked.text);
    } else if (numberField_->hasSelectedText()) {
        // A selection the user is making (to type over it) is left alone while the text needs
        // nothing.
        return;
    }
    numberField_->setCursorPosition(checked.caret);
}

void CSensorDlg::ShowSurfaceLevel(int level) {
    qualityAnalyzer_->SetPos(level);
    // A level outside 0 … 10 has no picture and shows none.
    surface_->SetCurrentImageIndex(level);
}

}  // namespace orvex::ui
