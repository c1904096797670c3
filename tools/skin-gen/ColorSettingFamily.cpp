#include "Faces.h"
#include "Families.h"
#include "FamilyWriter.h"
#include "PageBackground.h"
#include "Palette.h"
#include "Panels.h"
#include "ui/layout/ColorSettingsLayout.h"

namespace orvex::skingen {
namespace {

namespace cs = ui::layout::colorsettings;

QColor FromArgb(std::uint32_t argb) {
    return QColor::fromRgba(argb);
}

void DrawBackground(QPainter& painter) {
    DrawPageBackground(painter);
    DrawPanel(painter, QRect(30, 30, 200, 318));
    DrawPanel(painter, QRect(244, 30, 232, 318));
    DrawPanel(painter, QRect(532, 30, 164, 318));
    DrawCaption(painter, ToQRect(cs::kLightingCaption), QStringLiteral("Lighting"));
    DrawCaption(painter, ToQRect(cs::kEffectCaption), QStringLiteral("Effect"));
    DrawCaption(painter, ToQRect(cs::kColourCaption), QStringLiteral("Colour"));
    DrawCaption(painter, QRect(257, 40, 205, 20), QStringLiteral("Preview"));
    static const char* const kComponents[] = {"R", "G", "B"};
    for (std::size_t i = 0; i < cs::kColourFields.size(); ++i) {
        const ui::layout::LayoutRect& field = cs::kColourFields[i];
        DrawText(painter,
                 QRect(field.left, cs::kRgbCaption.top, field.width, cs::kRgbCaption.height),
                 QString::fromLatin1(kComponents[i]), palette::kTextDim, 10, Qt::AlignCenter, true);
    }
    // The preview paints black behind the mouse picture; a black well makes that its frame.
    painter.fillRect(ToQRect(cs::kMousePreview).adjusted(-1, -1, 1, 1), palette::kWellEdge);
    painter.fillRect(ToQRect(cs::kMousePreview), Qt::black);
}

void DrawControls(QPainter& painter, SkinState state) {
    DrawRadioFace(painter, ToQRect(cs::kOn), state, QStringLiteral("ON"));
    DrawRadioFace(painter, ToQRect(cs::kOff), state, QStringLiteral("OFF"));
    DrawRadioFace(painter, ToQRect(cs::kSelect), state, QStringLiteral("Select"));
    DrawCheckFace(painter, ToQRect(cs::kScrollWheel), state, QStringLiteral("Scroll Wheel"));
    DrawCheckFace(painter, ToQRect(cs::kLogoType), state, QStringLiteral("LogoType"));
    // The two fixed zones are always lit; only their disabled picture is ever shown.
    DrawCheckFace(painter, ToQRect(cs::kDpiButtons), state, QStringLiteral("DPI Buttons"), true);
    DrawCheckFace(painter, ToQRect(cs::kDpiIndicator), state, QStringLiteral("DPI Indicator"),
                  true);
    // The two zones the user colours open a panel of colours; the two fixed ones keep whatever
    // colour the profile holds, which no picture can know: a neutral swatch.
    for (const ui::layout::LayoutRect& swatch : {cs::kZone1Colour, cs::kZone4Colour}) {
        DrawPaletteSwatch(painter, ToQRect(swatch), state);
    }
    for (const ui::layout::LayoutRect& swatch : {cs::kZone3Colour, cs::kZone2Colour}) {
        DrawColourCell(painter, ToQRect(swatch), state, palette::kTextDim);
    }
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            DrawColourCell(painter, ToQRect(cs::GridCell(row, column)), state,
                           FromArgb(cs::kGridColours[static_cast<std::size_t>(row * 5 + column)]));
        }
    }
    static const char* const kEffects[] = {"Solid", "Blinking", "Pulsating", "Breathing"};
    for (std::size_t i = 0; i < cs::kEffects.size(); ++i) {
        DrawRadioFace(painter, ToQRect(cs::kEffects[i]), state, QString::fromLatin1(kEffects[i]));
    }
    DrawRadioFace(painter, ToQRect(cs::kColorShift), state, QStringLiteral("Color Shift"));
    DrawRadioFace(painter, ToQRect(cs::kSolidColor), state, QStringLiteral("Solid Color"));
    for (const ui::layout::LayoutRect& field : cs::kColourFields) {
        DrawEditField(painter, ToQRect(field), state);
    }
}

void Paint(QPainter& painter, SkinState state) {
    DrawBackground(painter);
    DrawControls(painter, state);
}

}  // namespace

bool WriteColorSettingFamily(const QDir& folder) {
    // The page's background holds no control: the page hides the zone entries outside "Select",
    // and a picture of them would stay behind.
    const bool background =
        WriteImage(folder, QStringLiteral("ColorSetting_BK.bmp"),
                   PaintState(PageSize(), SkinState::Normal,
                              [](QPainter& painter, SkinState) { DrawBackground(painter); }));
    return WriteFamily(folder, SkinFamily::ColorSetting, PageSize(), Paint) && background;
}

}  // namespace orvex::skingen
