#include "ui/gallery/GallerySheets.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <functional>
#include <memory>

#include "ui/gallery/GalleryControls.h"
#include "ui/layout/MacroSettingsLayout.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/layout/MouseSettingsLayout.h"
#include "ui/layout/SensorLayout.h"
#include "ui/skin/CQELComboButton.h"
#include "ui/skin/CQELNUMEdit.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/CTavImageDialog.h"
#include "ui/skin/CTavProgressCtrl.h"
#include "ui/skin/CTavScrollCtrl.h"
#include "ui/skin/CTavSliderCtrl.h"
#include "ui/skin/CTavSliderCtrl3D.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/PointerTracking.h"
#include "ui/skin/SkinnedPushButton.h"
#include "ui/skin/SkinnedSlider.h"

namespace orvex::ui::gallery {
namespace {

enum class Drive { None, Hover, Press, Disable, Check, Inert };

struct StateShot {
    QString label;
    Drive drive;
};

void Hover(QWidget* control, QPoint at) {
    QEnterEvent enter(at, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &enter);
}

void Press(QWidget* control, QPoint at) {
    Hover(control, at);
    QMouseEvent press(QEvent::MouseButtonPress, at, control->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
}

// Places the control on its window (through `place`), brings it into the state and cuts the
// control's rectangle, with a margin, out of the window's picture.
QImage Shoot(SkinFamily family, const layout::LayoutRect& rect, Drive drive, QPoint pointer,
             const std::function<QWidget*(QWidget*)>& place) {
    std::unique_ptr<CTavImageDialog> window(NewSkinnedWindow(family));
    QWidget* control = place(window.get());
    switch (drive) {
        case Drive::Hover:
            Hover(control, pointer);
            break;
        case Drive::Press:
            Press(control, pointer);
            break;
        case Drive::Disable:
            control->setEnabled(false);
            break;
        case Drive::Check:
            if (auto* button = qobject_cast<SkinnedPushButton*>(control)) {
                button->SetChecked(true);
            }
            break;
        case Drive::Inert:
            if (auto* slider = qobject_cast<SkinnedSlider*>(control)) {
                slider->SetState(SkinnedSlider::kInert);
            }
            break;
        case Drive::None:
            break;
    }
    const QRect area = ToQRect(rect).adjusted(-6, -6, 6, 6).intersected(window->rect());
    return window->grab(area).toImage();
}

QImage Compose(const std::vector<std::pair<QString, QImage>>& shots) {
    int width = 16;
    int height = 0;
    for (const auto& shot : shots) {
        width += std::max(shot.second.width(), 90) + 16;
        height = std::max(height, shot.second.height());
    }
    QImage sheet(width, height + 44, QImage::Format_RGB32);
    sheet.fill(QColor(0x0B, 0x0C, 0x0F));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(0xD2, 0xD2, 0xD2));
    int x = 16;
    for (const auto& [label, image] : shots) {
        const int column = std::max(image.width(), 90);
        painter.drawImage(x + (column - image.width()) / 2, 12, image);
        painter.drawText(QRect(x, height + 18, column, 20), Qt::AlignCenter, label);
        x += column + 16;
    }
    return sheet;
}

GalleryPicture Sheet(const QString& name, SkinFamily family, const layout::LayoutRect& rect,
                     const std::vector<StateShot>& states,
                     const std::function<QWidget*(QWidget*)>& place, QPoint pointer = {}) {
    if (pointer.isNull()) {
        pointer = QPoint(rect.width / 2, rect.height / 2);
    }
    std::vector<std::pair<QString, QImage>> shots;
    for (const StateShot& state : states) {
        shots.emplace_back(state.label, Shoot(family, rect, state.drive, pointer, place));
    }
    return {name, Compose(shots)};
}

const std::vector<StateShot> kButtonStates{{QStringLiteral("normal"), Drive::None},
                                           {QStringLiteral("hover"), Drive::Hover},
                                           {QStringLiteral("pressed"), Drive::Press},
                                           {QStringLiteral("checked"), Drive::Check},
                                           {QStringLiteral("disabled"), Drive::Disable}};
const std::vector<StateShot> kComboStates{{QStringLiteral("normal"), Drive::None},
                                          {QStringLiteral("hover"), Drive::Hover},
                                          {QStringLiteral("pressed"), Drive::Press}};
const std::vector<StateShot> kSliderStates{{QStringLiteral("normal"), Drive::None},
                                           {QStringLiteral("hover"), Drive::Hover},
                                           {QStringLiteral("dragging"), Drive::Press},
                                           {QStringLiteral("inert"), Drive::Inert}};
const std::vector<StateShot> kPlainStates{{QStringLiteral("normal"), Drive::None},
                                          {QStringLiteral("disabled"), Drive::Disable}};

}  // namespace

std::vector<GalleryPicture> RenderControlSheets() {
    namespace mw = layout::mainwindow;
    namespace ms = layout::mousesettings;
    namespace sn = layout::sensor;
    namespace mc = layout::macrosettings;
    std::vector<GalleryPicture> sheets;
    sheets.push_back(Sheet(QStringLiteral("control-CTavButton"), SkinFamily::Main, mw::kApply,
                           kButtonStates, [](QWidget* window) -> QWidget* {
                               return PlaceButton(window, SkinFamily::Main, mw::kApply);
                           }));
    sheets.push_back(Sheet(QStringLiteral("control-CTavButton-tab"), SkinFamily::Main,
                           mw::kSensorTab, kButtonStates, [](QWidget* window) -> QWidget* {
                               return PlaceButton(window, SkinFamily::Main, mw::kSensorTab);
                           }));
    sheets.push_back(Sheet(
        QStringLiteral("control-CTavCheckBox"), SkinFamily::Sensor, sn::kSeparate, kButtonStates,
        [](QWidget* window) -> QWidget* {
            return PlaceCheckBox(window, SkinFamily::Sensor, sn::kSeparate);
        },
        QPoint(8, 10)));
    sheets.push_back(Sheet(QStringLiteral("control-CTavComboButton"), SkinFamily::MouseSetting,
                           ms::kFunctions[0], kComboStates, [](QWidget* window) -> QWidget* {
                               return PlaceCombo(window, SkinFamily::MouseSetting,
                                                 ms::kFunctions[0], QStringLiteral("Left Click"),
                                                 14);
                           }));
    sheets.push_back(Sheet(QStringLiteral("control-CQELComboButton"), SkinFamily::Sensor,
                           sn::kAngleSnap, kComboStates, [](QWidget* window) -> QWidget* {
                               return PlaceQelCombo(window, SkinFamily::Sensor, sn::kAngleSnap,
                                                    QStringLiteral("15"));
                           }));
    sheets.push_back(Sheet(
        QStringLiteral("control-CTavSliderCtrl"), SkinFamily::Sensor, sn::kLiftDistance,
        kSliderStates,
        [](QWidget* window) -> QWidget* {
            return PlaceSlider(window, SkinFamily::Sensor, sn::kLiftDistance, 1, 32, 12);
        },
        QPoint(107, 12)));
    sheets.push_back(Sheet(QStringLiteral("control-CTavSliderCtrl3D"), SkinFamily::Sensor,
                           sn::kXAxis, kSliderStates, [](QWidget* window) -> QWidget* {
                               return PlaceResolutionSlider(window, SkinFamily::Sensor, sn::kXAxis,
                                                            400, 1600, 7000);
                           }));
    sheets.push_back(Sheet(
        QStringLiteral("control-CTavScrollCtrl"), SkinFamily::MacroSetting, mc::kEventList,
        {{QStringLiteral("normal"), Drive::None}, {QStringLiteral("arrow pressed"), Drive::Press}},
        [](QWidget* window) -> QWidget* { return PlaceScrollBar(window, mc::kEventList, 6); },
        QPoint(12, 8)));
    sheets.push_back(Sheet(QStringLiteral("control-CTavProgressCtrl"), SkinFamily::Sensor,
                           sn::kQualityAnalyzer, kPlainStates, [](QWidget* window) -> QWidget* {
                               return PlaceProgress(window, SkinFamily::Sensor,
                                                    sn::kQualityAnalyzer, 6, true);
                           }));
    sheets.push_back(Sheet(QStringLiteral("control-CQELNUMEdit"), SkinFamily::Sensor,
                           sn::kDefinedValue, kPlainStates, [](QWidget* window) -> QWidget* {
                               return PlaceNumberEdit(window, SkinFamily::Sensor, sn::kDefinedValue,
                                                      QStringLiteral("-30"));
                           }));
    sheets.push_back(Sheet(QStringLiteral("control-CTavStatic"), SkinFamily::Sensor,
                           sn::kStepXYLabels[1], kPlainStates, [](QWidget* window) -> QWidget* {
                               return PlaceStatic(window, SkinFamily::Sensor, SkinState::Normal,
                                                  sn::kStepXYLabels[1], QStringLiteral("1600"), 15);
                           }));
    return sheets;
}

}  // namespace orvex::ui::gallery
