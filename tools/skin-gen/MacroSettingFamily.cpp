#include "Faces.h"
#include "Families.h"
#include "FamilyWriter.h"
#include "PageBackground.h"
#include "Palette.h"
#include "Panels.h"
#include "ui/layout/MacroSettingsLayout.h"

namespace orvex::skingen {
namespace {

namespace mc = ui::layout::macrosettings;

void DrawBackground(QPainter& painter) {
    DrawPageBackground(painter);
    DrawPanel(painter, QRect(30, 36, 464, 288));
    DrawPanel(painter, QRect(530, 36, 160, 130));
    DrawCaption(painter, ToQRect(mc::kMacroListCaption), QStringLiteral("Macros"));
    DrawCaption(painter, ToQRect(mc::kEventListCaption), QStringLiteral("Events"));
    DrawCaption(painter, ToQRect(mc::kRecordCaption), QStringLiteral("Recording"));
    DrawText(painter, QRect(530, 180, 160, 80),
             QStringLiteral("Right-click the event list\nto insert mouse events\nor edit delays."),
             palette::kTextDim, 11, Qt::AlignLeft | Qt::AlignTop);
}

void DrawControls(QPainter& painter, SkinState state) {
    // The lists paint their rows over this picture; the field is a plain well in every state.
    DrawWell(painter, ToQRect(mc::kMacroList));
    DrawWell(painter, ToQRect(mc::kEventList));
    DrawButtonFace(painter, ToQRect(mc::kNewMacro), state, QStringLiteral("New Macro"));
    DrawButtonFace(painter, ToQRect(mc::kDelete), state, QStringLiteral("Delete"));
    DrawCheckFace(painter, ToQRect(mc::kRecordDelay), state, QStringLiteral("Record Delay"));
    DrawCheckFace(painter, ToQRect(mc::kRecordHold), state, QStringLiteral("Record Hold"));
    // Start Record and Stop Record share this face, so each writes its own caption on it.
    DrawButtonFace(painter, ToQRect(mc::kStartRecord), state, QString());
}

void Paint(QPainter& painter, SkinState state) {
    DrawBackground(painter);
    DrawControls(painter, state);
}

}  // namespace

bool WriteMacroSettingFamily(const QDir& folder) {
    const bool background = WriteImage(folder, QStringLiteral("MacroSetting_BK.bmp"),
                                       PaintState(PageSize(), SkinState::Normal, Paint));
    return WriteFamily(folder, SkinFamily::MacroSetting, PageSize(), Paint) && background;
}

}  // namespace orvex::skingen
