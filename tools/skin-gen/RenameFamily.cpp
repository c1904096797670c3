#include "DialogFrame.h"
#include "Faces.h"
#include "Families.h"
#include "FamilyWriter.h"
#include "Palette.h"
#include "Panels.h"
#include "ui/layout/RenameLayout.h"

namespace orvex::skingen {
namespace {

namespace rn = ui::layout::rename;

void Paint(QPainter& painter, SkinState state) {
    const QSize size(rn::kDialogSize.width, rn::kDialogSize.height);
    DrawDialogFrame(painter, size, QStringLiteral("Rename Profile"), rn::kClose.height);
    DrawText(painter, ToQRect(rn::kNameCaption), QStringLiteral("New name"), palette::kText, 12,
             Qt::AlignRight | Qt::AlignVCenter);
    DrawText(painter, QRect(112, 64, 270, 40),
             QStringLiteral("The name is sent to the mouse when\nyou press Apply."),
             palette::kTextDim, 11, Qt::AlignLeft | Qt::AlignTop);
    DrawEditField(painter, ToQRect(rn::kEdit).adjusted(-2, -2, 2, 2), SkinState::Normal);
    DrawEditField(painter, ToQRect(rn::kEdit), state);
    DrawButtonFace(painter, ToQRect(rn::kOk), state, QStringLiteral("OK"));
    DrawButtonFace(painter, ToQRect(rn::kCancel), state, QStringLiteral("Cancel"));
    DrawCloseFace(painter, ToQRect(rn::kClose), state);
}

}  // namespace

bool WriteRenameFamily(const QDir& folder) {
    return WriteFamily(folder, SkinFamily::ReName,
                       QSize(rn::kDialogSize.width, rn::kDialogSize.height), Paint);
}

}  // namespace orvex::skingen
