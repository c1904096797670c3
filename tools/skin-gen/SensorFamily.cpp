#include <QLinearGradient>

#include "Faces.h"
#include "Families.h"
#include "FamilyWriter.h"
#include "PageBackground.h"
#include "Palette.h"
#include "Panels.h"
#include "ui/layout/SensorLayout.h"

namespace orvex::skingen {
namespace {

namespace sn = ui::layout::sensor;

void DrawBackground(QPainter& painter) {
    DrawPageBackground(painter);
    DrawPanel(painter, QRect(8, 4, 452, 228));
    DrawPanel(painter, QRect(8, 236, 452, 118));
    DrawPanel(painter, QRect(468, 4, 228, 350));
    DrawCaption(painter, ToQRect(sn::kResolutionCaption), QStringLiteral("Resolution (DPI)"));
    DrawText(painter, ToQRect(sn::kXAxisCaption), QStringLiteral("X"), palette::kText, 13,
             Qt::AlignCenter, true);
    DrawText(painter, ToQRect(sn::kYAxisCaption), QStringLiteral("Y"), palette::kText, 13,
             Qt::AlignCenter, true);
    DrawText(painter, ToQRect(sn::kAngleSnapCaption), QStringLiteral("Angle Snap"), palette::kText,
             12, Qt::AlignRight | Qt::AlignVCenter);
    DrawCaption(painter, ToQRect(sn::kPointSpeedCaption), QStringLiteral("Pointer Speed"));
    DrawCaption(painter, ToQRect(sn::kLiftDistanceCaption), QStringLiteral("Lift-off Distance"));
    DrawCaption(painter, ToQRect(sn::kSurfaceCaption), QStringLiteral("Surface Quality"));
    DrawWell(painter, ToQRect(sn::kSurface).adjusted(-1, -1, 1, 1));
    DrawText(painter, ToQRect(sn::kSurfaceLegend).adjusted(0, 4, 0, 0),
             QStringLiteral("Run the analysis and move\nthe mouse over your pad.\n"
                            "The bar shows how well\nthe sensor reads it."),
             palette::kTextDim, 11, Qt::AlignLeft | Qt::AlignTop);
    // Scale marks beside the quality bar: empty at the bottom, full at the top.
    const QRect bar = ToQRect(sn::kQualityAnalyzer);
    for (int level = 0; level <= 10; ++level) {
        const int y = bar.bottom() - (bar.height() - 1) * level / 10;
        painter.fillRect(QRect(bar.left() - (level % 5 == 0 ? 7 : 4), y, level % 5 == 0 ? 5 : 2, 1),
                         palette::kTextDim);
    }
}

// The step boxes: with tied resolutions (Normal) the upper row names the step and the lower row
// holds the value; with separate ones (Hover and Pressed) both rows are value fields marked X and
// Y.
void DrawStepBoxes(QPainter& painter, SkinState state) {
    const bool separate = state == SkinState::Hover || state == SkinState::Pressed;
    for (std::size_t i = 0; i < sn::kStepBackgrounds.size(); ++i) {
        const QRect box = ToQRect(sn::kStepBackgrounds[i]);
        DrawWell(painter, box);
        const QRect upper = ToQRect(sn::kStepXLabels[i]);
        const QRect lower = ToQRect(sn::kStepXYLabels[i]);
        painter.fillRect(QRect(box.left() + 1, box.top() + 1, 3, box.height() - 2),
                         i == 0   ? palette::kAccentLight
                         : i == 1 ? QColor(0x3C, 0xB4, 0x7C)
                                  : QColor(0xD2, 0x8C, 0x32));
        if (separate) {
            DrawText(painter, upper, QStringLiteral("X"), palette::kTextDim, 10);
            DrawText(painter, lower, QStringLiteral("Y"), palette::kTextDim, 10);
            painter.fillRect(QRect(upper.left(), upper.bottom() + 1, upper.width(), 1),
                             palette::kWellEdge);
        } else {
            DrawText(painter, upper, QStringLiteral("STEP %1").arg(i + 1), palette::kTextDim, 10,
                     Qt::AlignCenter, true);
        }
    }
}

void DrawControls(QPainter& painter, SkinState state) {
    DrawCheckFace(painter, ToQRect(sn::kSeparate), state,
                  QStringLiteral("Enable X or Y Separate Setting"));
    DrawStepBoxes(painter, state);
    DrawSliderTrack(painter, ToQRect(sn::kXAxis), state, 15);
    DrawSliderTrack(painter, ToQRect(sn::kYAxis), state, 15);
    DrawCheckFace(painter, ToQRect(sn::kDefinedMode), state, QStringLiteral("Eanble Defined mode"));
    DrawEditField(painter, ToQRect(sn::kDefinedValue), state);
    DrawComboFace(painter, ToQRect(sn::kAngleSnap), state);
    DrawSliderTrack(painter, ToQRect(sn::kPointSpeed), state, 10);
    DrawSliderTrack(painter, ToQRect(sn::kLiftDistance), state, 0);
    DrawButtonFace(painter, ToQRect(sn::kTest), state, QStringLiteral("Test"));
    DrawButtonFace(painter, ToQRect(sn::kSave), state, QStringLiteral("Save"));
    DrawButtonFace(painter, ToQRect(sn::kAnalyzeSurface), state, QStringLiteral("Analyze Surface"),
                   13);
    // The quality bar: an empty trough at rest, its fill (cut from the pressed bitmap) lit.
    const QRect bar = ToQRect(sn::kQualityAnalyzer);
    DrawWell(painter, bar);
    if (state == SkinState::Pressed || state == SkinState::Hover) {
        QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
        fill.setColorAt(0.0, QColor(0x3C, 0xD2, 0x8C));
        fill.setColorAt(0.5, palette::kAccentLight);
        fill.setColorAt(1.0, palette::kAccentDark);
        painter.fillRect(bar.adjusted(3, 3, -3, -3), fill);
    }
}

}  // namespace

bool WriteSensorFamily(const QDir& folder) {
    return WriteFamily(folder, SkinFamily::Sensor, PageSize(),
                       [](QPainter& painter, SkinState state) {
                           DrawBackground(painter);
                           DrawControls(painter, state);
                       });
}

}  // namespace orvex::skingen
