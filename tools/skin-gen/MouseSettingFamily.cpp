#include <QPainterPath>

#include "Faces.h"
#include "Families.h"
#include "FamilyWriter.h"
#include "MouseDrawing.h"
#include "PageBackground.h"
#include "Palette.h"
#include "Panels.h"
#include "ui/layout/MouseSettingsLayout.h"

namespace orvex::skingen {
namespace {

namespace ms = ui::layout::mousesettings;

// Where each badge's leader line ends on the mouse, by the badge's button.
struct BadgeTarget {
    double fx;
    double fy;
};
constexpr BadgeTarget kTargets[9] = {
    {0.25, 0.18}, {0.75, 0.18}, {0.5, 0.15},  {0.01, 0.465}, {0.01, 0.585},
    {0.5, 0.312}, {0.5, 0.372}, {0.01, 0.35}, {0.5, 0.64},
};

void DrawWheelRidges(QPainter& painter, const QRectF& wheel) {
    const QRectF roller = wheel.adjusted(wheel.width() * 0.3, 3, -wheel.width() * 0.3, -3);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2C, 0x31, 0x3A));
    painter.drawRoundedRect(roller, 3, 3);
    painter.setPen(QPen(QColor(0x10, 0x12, 0x16), 1));
    for (double y = roller.top() + 4; y < roller.bottom() - 2; y += 4) {
        painter.drawLine(QPointF(roller.left() + 1, y), QPointF(roller.right() - 1, y));
    }
    painter.restore();
}

void DrawMouseWithLeaders(QPainter& painter) {
    const QRectF body = ToQRect(ms::kMousePicture);
    DrawMouseBody(painter, body);
    DrawWheelRidges(painter, FeatureRect(body, kWheel));
    DrawText(painter, FeatureRect(body, kLogo).toRect(), QStringLiteral("SK"),
             palette::kAccentLight, 14, Qt::AlignCenter, true);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(0x4D, 0x82, 0xC3, 0xA0), 1));
    for (std::size_t i = 0; i < ms::kButtonBadges.size(); ++i) {
        const QRect badge = ToQRect(ms::kButtonBadges[i]);
        const bool left = badge.center().x() < body.center().x();
        const QPointF from(left ? badge.right() + 1 : badge.left() - 1, badge.center().y() + 0.5);
        const QPointF to = BodyPoint(body, kTargets[i].fx, kTargets[i].fy);
        const QPointF elbow(left ? from.x() + 6 : from.x() - 6, from.y());
        painter.drawLine(from, elbow);
        painter.drawLine(elbow, to);
        painter.setBrush(palette::kAccentLight);
        painter.drawEllipse(to, 1.8, 1.8);
    }
    painter.restore();
}

void DrawBackground(QPainter& painter) {
    DrawPageBackground(painter);
    DrawPanel(painter, QRect(8, 8, 230, 344));
    DrawMouseWithLeaders(painter);
    DrawPanel(painter, QRect(246, 8, 216, 344));
    DrawCaption(painter, ToQRect(ms::kButtonsCaption), QStringLiteral("Button Assignment"));
    for (std::size_t i = 0; i < ms::kFunctionNumbers.size(); ++i) {
        DrawBadge(painter, ToQRect(ms::kFunctionNumbers[i]), SkinState::Normal,
                  QString::number(i + 1));
    }
    DrawPanel(painter, QRect(470, 8, 226, 344));
    DrawCaption(painter, ToQRect(ms::kReportRateCaption), QStringLiteral("Report Rate (Hz)"));
    DrawCaption(painter, ToQRect(ms::kDoubleClickCaption), QStringLiteral("Double Click Speed"));
    DrawCaption(painter, ToQRect(ms::kScrollSpeedCaption), QStringLiteral("Scroll Speed"));
    DrawCaption(painter, ToQRect(ms::kAccelerationCaption), QStringLiteral("Pointer Acceleration"));
    const auto endLabels = [&painter](const ui::layout::LayoutRect& slider, const char* low,
                                      const char* high) {
        const QRect band(slider.left, slider.top + slider.height + 2, slider.width, 14);
        DrawText(painter, band, QString::fromLatin1(low), palette::kTextDim, 10);
        DrawText(painter, band, QString::fromLatin1(high), palette::kTextDim, 10,
                 Qt::AlignRight | Qt::AlignVCenter);
    };
    endLabels(ms::kDoubleClick, "Slow", "Fast");
    endLabels(ms::kScrollSpeed, "1 line", "6 lines");
    endLabels(ms::kPointAcceleration, "Low", "High");
}

void DrawControls(QPainter& painter, SkinState state) {
    for (const ui::layout::LayoutRect& function : ms::kFunctions) {
        DrawComboFace(painter, ToQRect(function), state);
    }
    for (std::size_t i = 0; i < ms::kButtonBadges.size(); ++i) {
        DrawBadge(painter, ToQRect(ms::kButtonBadges[i]), state, QString::number(i + 1));
    }
    static const char* const kRates[] = {"125", "250", "500", "1000"};
    for (std::size_t i = 0; i < ms::kReportRates.size(); ++i) {
        DrawButtonFace(painter, ToQRect(ms::kReportRates[i]), state, QString::fromLatin1(kRates[i]),
                       11);
    }
    DrawSliderTrack(painter, ToQRect(ms::kDoubleClick), state, 7);
    DrawSliderTrack(painter, ToQRect(ms::kScrollSpeed), state, 6);
    DrawCheckFace(painter, ToQRect(ms::kAccelerationEnable), state, QStringLiteral("Enable"));
    DrawSliderTrack(painter, ToQRect(ms::kPointAcceleration), state, 3);
}

}  // namespace

bool WriteMouseSettingFamily(const QDir& folder) {
    return WriteFamily(folder, SkinFamily::MouseSetting, PageSize(),
                       [](QPainter& painter, SkinState state) {
                           DrawBackground(painter);
                           DrawControls(painter, state);
                       });
}

}  // namespace orvex::skingen
