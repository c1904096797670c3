#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>

#include "Faces.h"
#include "Families.h"
#include "FamilyWriter.h"
#include "Palette.h"
#include "Panels.h"
#include "ui/layout/MainWindowLayout.h"

namespace orvex::skingen {
namespace {

namespace mw = ui::layout::mainwindow;

void DrawLogo(QPainter& painter) {
    const QRect area = ToQRect(mw::kLogoCaption);
    // A slanted accent block in front of the name, the brand's mark.
    QPainterPath mark;
    mark.moveTo(area.left() + 6, area.bottom() - 4);
    mark.lineTo(area.left() + 14, area.top() + 4);
    mark.lineTo(area.left() + 26, area.top() + 4);
    mark.lineTo(area.left() + 18, area.bottom() - 4);
    mark.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(mark, palette::kAccentLight);
    painter.restore();
    const QString name = QStringLiteral("ORVEX SK");
    DrawText(painter, area.adjusted(34, 0, 0, 0), name, palette::kTextBright, 20,
             Qt::AlignLeft | Qt::AlignVCenter, true);
    const int nameWidth = QFontMetrics(SkinFont(20, true)).horizontalAdvance(name);
    DrawText(painter, area.adjusted(34 + nameWidth + 12, 2, 0, 0),
             QStringLiteral("GAMING MOUSE CONFIGURATOR"), palette::kAccentLight, 11,
             Qt::AlignLeft | Qt::AlignVCenter, true);
}

void DrawBackground(QPainter& painter) {
    const QRect whole(0, 0, mw::kWindowSize.width, mw::kWindowSize.height);
    DrawWindowBackground(painter, whole);
    QLinearGradient band(0, 0, whole.width(), 0);
    band.setColorAt(0.0, palette::kAccentDark);
    band.setColorAt(0.6, QColor(0x25, 0x4D, 0x9D, 0x40));
    band.setColorAt(1.0, QColor(0x25, 0x4D, 0x9D, 0));
    painter.fillRect(QRect(0, 0, whole.width(), 2), band);
    DrawLogo(painter);
    DrawPanel(painter, QRect(8, 62, 216, 380));
    DrawCaption(painter, ToQRect(mw::kProfilesCaption), QStringLiteral("Profiles"));
    DrawCaption(painter, ToQRect(mw::kLanguageCaption), QStringLiteral("Language"));
    DrawPanel(painter, ToQRect(mw::kPageArea).adjusted(-1, -1, 1, 1));
    painter.fillRect(QRect(0, 460, whole.width(), 1), palette::kPanelEdge);
    DrawText(painter, ToQRect(mw::kVersionCaption), QStringLiteral("Version"), palette::kTextDim,
             11);
    DrawWell(painter, ToQRect(mw::kVersion));
}

void DrawControls(QPainter& painter, SkinState state) {
    static const char* const kTabs[] = {"Mouse Settings", "Sensor Performance", "Color Settings",
                                        "Macro Settings", "Support"};
    for (std::size_t i = 0; i < mw::kPageTabs.size(); ++i) {
        DrawTabFace(painter, ToQRect(mw::kPageTabs[i]), state, QString::fromLatin1(kTabs[i]));
    }
    // Slot buttons carry the profile's name as their own text, so their faces stay blank.
    for (std::size_t i = 0; i < mw::kSlotButtons.size(); ++i) {
        DrawButtonFace(painter, ToQRect(mw::kSlotButtons[i]), state, QString());
        DrawComboFace(painter, ToQRect(mw::kSlotMenuButtons[i]), state);
    }
    DrawButtonFace(painter, ToQRect(mw::kResetToDefault), state,
                   QStringLiteral("Reset to Default"));
    DrawComboFace(painter, ToQRect(mw::kLanguage), state);
    DrawButtonFace(painter, ToQRect(mw::kOk), state, QStringLiteral("OK"));
    DrawButtonFace(painter, ToQRect(mw::kApply), state, QStringLiteral("Apply"));
    DrawButtonFace(painter, ToQRect(mw::kCancel), state, QStringLiteral("Cancel"));
}

}  // namespace

bool WriteMainFamily(const QDir& folder) {
    return WriteFamily(folder, SkinFamily::Main,
                       QSize(mw::kWindowSize.width, mw::kWindowSize.height),
                       [](QPainter& painter, SkinState state) {
                           DrawBackground(painter);
                           DrawControls(painter, state);
                       });
}

}  // namespace orvex::skingen
