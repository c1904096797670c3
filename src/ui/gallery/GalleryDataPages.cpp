#include <QPainter>

#include "ui/gallery/GalleryControls.h"
#include "ui/gallery/GalleryWindows.h"
#include "ui/layout/MouseSettingsLayout.h"
#include "ui/layout/SensorLayout.h"
#include "ui/skin/CQELComboButton.h"
#include "ui/skin/CQELNUMEdit.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavImageDialog.h"
#include "ui/skin/CTavProgressCtrl.h"
#include "ui/skin/CTavSliderCtrl.h"
#include "ui/skin/CTavSliderCtrl3D.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/PointerTracking.h"

namespace orvex::ui::gallery {

CTavImageDialog* BuildMouseSettingsPage(QWidget* parent) {
    namespace ms = layout::mousesettings;
    static const char* const kFunctions[] = {"Left Click", "Right Click",    "Scroll Click",
                                             "Forward",    "Back",           "Dpi up",
                                             "Dpi down",   "Disable Button", "Disable Button"};
    CTavImageDialog* page = NewSkinnedWindow(SkinFamily::MouseSetting, parent);
    for (std::size_t i = 0; i < ms::kFunctions.size(); ++i) {
        PlaceCombo(page, SkinFamily::MouseSetting, ms::kFunctions[i],
                   QString::fromLatin1(kFunctions[i]), 14);
        PlaceButton(page, SkinFamily::MouseSetting, ms::kButtonBadges[i]);
    }
    for (std::size_t i = 0; i < ms::kReportRates.size(); ++i) {
        PlaceCheckBox(page, SkinFamily::MouseSetting, ms::kReportRates[i])->SetChecked(i == 3);
    }
    PlaceSlider(page, SkinFamily::MouseSetting, ms::kDoubleClick, 200, 1400, 800);
    PlaceSlider(page, SkinFamily::MouseSetting, ms::kScrollSpeed, 1, 6, 1);
    PlaceCheckBox(page, SkinFamily::MouseSetting, ms::kAccelerationEnable);
    PlaceSlider(page, SkinFamily::MouseSetting, ms::kPointAcceleration, 1, 3, 2)
        ->SetState(SkinnedSlider::kInert);
    return page;
}

CTavImageDialog* BuildSensorPage(QWidget* parent) {
    namespace sn = layout::sensor;
    CTavImageDialog* page = NewSkinnedWindow(SkinFamily::Sensor, parent);
    PlaceCheckBox(page, SkinFamily::Sensor, sn::kSeparate);
    static const char* const kSteps[] = {"400", "1600", "7000"};
    for (std::size_t i = 0; i < sn::kStepBackgrounds.size(); ++i) {
        PlaceStatic(page, SkinFamily::Sensor, SkinState::Normal, sn::kStepBackgrounds[i], QString(),
                    13);
        PlaceStatic(page, SkinFamily::Sensor, SkinState::Normal, sn::kStepXYLabels[i],
                    QString::fromLatin1(kSteps[i]), 15);
    }
    PlaceResolutionSlider(page, SkinFamily::Sensor, sn::kXAxis, 400, 1600, 7000);
    PlaceResolutionSlider(page, SkinFamily::Sensor, sn::kYAxis, 400, 1600, 7000);
    PlaceCheckBox(page, SkinFamily::Sensor, sn::kDefinedMode);
    PlaceNumberEdit(page, SkinFamily::Sensor, sn::kDefinedValue, QStringLiteral("-7"));
    PlaceQelCombo(page, SkinFamily::Sensor, sn::kAngleSnap, QStringLiteral("0"));
    PlaceSlider(page, SkinFamily::Sensor, sn::kPointSpeed, 1, 10, 6);
    PlaceSlider(page, SkinFamily::Sensor, sn::kLiftDistance, 1, 32, 1);
    PlaceButton(page, SkinFamily::Sensor, sn::kTest);
    PlaceButton(page, SkinFamily::Sensor, sn::kSave);
    PlaceButton(page, SkinFamily::Sensor, sn::kAnalyzeSurface);
    PlaceProgress(page, SkinFamily::Sensor, sn::kQualityAnalyzer, 7, true);
    auto* surface = new CTavStatic(page);
    surface->setGeometry(ToQRect(sn::kSurface));
    surface->SetBackground(SkinFolderImage(QStringLiteral("0.bmp")));
    for (int level = 0; level <= 10; ++level) {
        surface->AddImage(SkinFolderImage(QStringLiteral("%1.bmp").arg(level * 10)));
    }
    surface->SetCurrentImageIndex(7);
    return page;
}

}  // namespace orvex::ui::gallery
