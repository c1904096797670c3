// The sensor page's controls: where they sit, what they are cut from, and how they start.
#include <QDir>

#include "ui/sensor/CSensorDlg.h"
#include "ui/skin/CQELComboButton.h"
#include "ui/skin/CQELNUMEdit.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavProgressCtrl.h"
#include "ui/skin/CTavSliderCtrl.h"
#include "ui/skin/CTavSliderCtrl3D.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/ControlPlacement.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui {
namespace {

namespace sn = layout::sensor;

// Skin elements: the page's background, and the whole slider pictures.
constexpr int kSensorNormalElement = 49;
constexpr int kSliderThumbElement = 130;
constexpr int kSliderInertThumbElement = 131;
constexpr std::array<int, CSensorDlg::kStepCount> kResolutionThumbElements{132, 133, 134};

constexpr int kStepLabelFontHeight = 15;
constexpr std::uint32_t kStepLabelTextArgb = 0xFFD2D2D2;
constexpr int kAngleSnapFontHeight = 13;

SkinImageSet& Skin() {
    SkinImageSet& skin = SkinImageSet::Instance();
    skin.LoadSkinImages();
    return skin;
}

QImage Crop(SkinState state, const QRect& rect) {
    return Skin().CropFamily(SkinFamily::Sensor, state, rect);
}

QImage WholeImage(int element) {
    return Skin().GetSkinImage(element, SkinState::Normal, {});
}

// The surface pictures lie loose in the skin folder: "0.bmp" for level 0 … "100.bmp" for 10.
QImage SurfacePicture(int level) {
    return SkinImageSet::LoadImageFile(
        QDir(Skin().skinFolder()).filePath(QStringLiteral("%1.bmp").arg(level * 10)));
}

// The step boxes wear the tied look at rest; the separate look is drawn in the hover bitmap.
SkinState StepBoxLook(bool separate) {
    return separate ? SkinState::Hover : SkinState::Normal;
}

// Push buttons and check boxes take their four looks from the page's four bitmaps.
template <typename Button>
Button* PlaceButton(QWidget* page, int id, const layout::LayoutRect& rect) {
    return PlaceFamilyButton<Button>(page, id, rect, SkinFamily::Sensor);
}

CTavSliderCtrl* PlaceSlider(QWidget* page, int id, const layout::LayoutRect& rect, int minimum,
                            int maximum) {
    auto* slider = PlaceControl<CTavSliderCtrl>(page, id, rect);
    const QImage thumb = WholeImage(kSliderThumbElement);
    slider->SetImages(Crop(SkinState::Normal, slider->geometry()), thumb, thumb,
                      WholeImage(kSliderInertThumbElement));
    slider->SetMinimum(minimum);
    slider->SetMaximum(maximum);
    slider->SetStep(1);
    return slider;
}

CTavSliderCtrl3D* PlaceResolutionSlider(QWidget* page, int id, const layout::LayoutRect& rect) {
    auto* slider = PlaceControl<CTavSliderCtrl3D>(page, id, rect);
    slider->SetImages(
        Crop(SkinState::Normal, slider->geometry()), WholeImage(kResolutionThumbElements[0]),
        WholeImage(kResolutionThumbElements[1]), WholeImage(kResolutionThumbElements[2]));
    slider->SetMinimum(CSensorDlg::kResolutionMinimum);
    slider->SetMaximum(CSensorDlg::kResolutionMaximum);
    slider->SetStep(CSensorDlg::kResolutionStep);
    return slider;
}

CTavStatic* PlaceStepStatic(QWidget* page, const layout::LayoutRect& rect) {
    auto* label = PlaceControl<CTavStatic>(page, layout::kNoControlId, rect);
    label->SetFontHeight(kStepLabelFontHeight);
    label->SetTextColour(kStepLabelTextArgb);
    label->SetCentreHorizontally(true);
    return label;
}

}  // namespace

void CSensorDlg::BuildControls() {
    SetBackgroundImage(WholeImage(kSensorNormalElement));
    separateBox_ = PlaceButton<CTavCheckBox>(this, kSeparateId, sn::kSeparate);
    BuildResolutionControls();

    definedModeBox_ = PlaceButton<CTavCheckBox>(this, kDefinedModeId, sn::kDefinedMode);
    numberField_ = PlaceControl<CQELNUMEdit>(this, kDefinedValueId, sn::kDefinedValue);
    numberField_->SetBackgroundImage(Crop(SkinState::Normal, numberField_->geometry()));

    angleSnap_ = PlaceControl<CQELComboButton>(this, kAngleSnapId, sn::kAngleSnap);
    const QRect snapPlace = angleSnap_->geometry();
    angleSnap_->SetImages(Crop(SkinState::Normal, snapPlace), Crop(SkinState::Hover, snapPlace),
                          Crop(SkinState::Pressed, snapPlace));
    angleSnap_->SetLabelFont(kNeoSansFace, kAngleSnapFontHeight);
    for (int level = 0; level < kAngleSnapEntries; ++level) {
        angleSnap_->AddMenuItem(level, QString::number(level));
    }

    pointSpeed_ =
        PlaceSlider(this, kPointSpeedId, sn::kPointSpeed, kPointSpeedMinimum, kPointSpeedMaximum);
    liftDistance_ = PlaceSlider(this, kLiftDistanceId, sn::kLiftDistance, kLiftDistanceMinimum,
                                kLiftDistanceMaximum);
    testButton_ = PlaceButton<CTavButton>(this, kTestId, sn::kTest);
    saveButton_ = PlaceButton<CTavButton>(this, kSaveId, sn::kSave);
    BuildSurfaceControls();
}

void CSensorDlg::BuildResolutionControls() {
    // The boxes first: the labels are drawn over them.
    for (std::size_t step = 0; step < kStepCount; ++step) {
        stepBackgrounds_[step] = PlaceStepStatic(this, sn::kStepBackgrounds[step]);
    }
    for (std::size_t step = 0; step < kStepCount; ++step) {
        stepXLabels_[step] = PlaceStepStatic(this, sn::kStepXLabels[step]);
        stepXYLabels_[step] = PlaceStepStatic(this, sn::kStepXYLabels[step]);
    }
    SkinStepLabels();
    xAxis_ = PlaceResolutionSlider(this, kXAxisId, sn::kXAxis);
    yAxis_ = PlaceResolutionSlider(this, kYAxisId, sn::kYAxis);
}

void CSensorDlg::BuildSurfaceControls() {
    analyzeSurfaceButton_ = PlaceButton<CTavButton>(this, kAnalyzeSurfaceId, sn::kAnalyzeSurface);

    // The bar is an empty trough at rest; its fill is the lit trough of the pressed bitmap.
    qualityAnalyzer_ =
        PlaceControl<CTavProgressCtrl>(this, kQualityAnalyzerId, sn::kQualityAnalyzer);
    const QRect barPlace = qualityAnalyzer_->geometry();
    qualityAnalyzer_->SetImages(Crop(SkinState::Normal, barPlace),
                                Crop(SkinState::Pressed, barPlace));
    qualityAnalyzer_->SetVertical(true);

    surface_ = PlaceControl<CTavStatic>(this, kSurfaceId, sn::kSurface);
    surface_->SetBackground(SurfacePicture(0));
    for (int level = 0; level < kSurfaceLevels; ++level) {
        surface_->AddImage(SurfacePicture(level));
    }
}

void CSensorDlg::SkinStepLabels() {
    const SkinState look = StepBoxLook(separate());
    for (std::size_t step = 0; step < kStepCount; ++step) {
        for (CTavStatic* piece :
             {stepBackgrounds_[step], stepXLabels_[step], stepXYLabels_[step]}) {
            piece->SetBackground(Crop(look, piece->geometry()));
        }
    }
}

void CSensorDlg::SetCreationDefaults() {
    for (CTavSliderCtrl3D* axis : {xAxis_, yAxis_}) {
        axis->SetPos1(kDefaultResolutions[0], false);
        axis->SetPos2(kDefaultResolutions[1], false);
        axis->SetPos3(kDefaultResolutions[2], false);
    }
    pointSpeed_->SetPos(kDefaultPointSpeed);
    liftDistance_->SetPos(kDefaultLiftDistance);
    qualityAnalyzer_->SetMinimum(0);
    qualityAnalyzer_->SetMaximum(kSurfaceLevels - 1);
    ShowSurfaceLevel(0);

    // The tied layout; the number field stays empty.
    for (CTavStatic* label : stepXLabels_) {
        label->hide();
    }
    angleSnap_->SetSelection(angleSnap_->ItemText(0), 0, 0);
}

}  // namespace orvex::ui
