#include "Faces.h"
#include "Families.h"
#include "FamilyWriter.h"
#include "PageBackground.h"
#include "Palette.h"
#include "Panels.h"
#include "ui/layout/SupportLayout.h"

namespace orvex::skingen {
namespace {

namespace sp = ui::layout::support;

void DrawBackground(QPainter& painter) {
    DrawPageBackground(painter);
    DrawPanel(painter, QRect(40, 40, 320, 280));
    DrawPanel(painter, QRect(400, 40, 300, 300));
    DrawCaption(painter, ToQRect(sp::kHelpCaption), QStringLiteral("Help"));
    DrawCaption(painter, ToQRect(sp::kUpdatesCaption), QStringLiteral("Updates"));
    DrawText(painter, QRect(60, 158, 290, 100),
             QStringLiteral("Answers to common questions,\nmanuals and a way to contact\n"
                            "the support team."),
             palette::kTextDim, 12, Qt::AlignLeft | Qt::AlignTop);
    DrawText(painter, QRect(420, 158, 270, 100),
             QStringLiteral("New versions of this program\nand of the mouse's firmware."),
             palette::kTextDim, 12, Qt::AlignLeft | Qt::AlignTop);
    DrawText(painter, ToQRect(sp::kFirmVersionCaption), QStringLiteral("Firmware version"),
             palette::kTextDim, 11, Qt::AlignRight | Qt::AlignVCenter);
    DrawText(painter, ToQRect(sp::kSoftVersionCaption), QStringLiteral("Software version"),
             palette::kTextDim, 11, Qt::AlignRight | Qt::AlignVCenter);
}

void DrawControls(QPainter& painter, SkinState state) {
    DrawButtonFace(painter, ToQRect(sp::kFqa), state, QStringLiteral("FQA"));
    DrawButtonFace(painter, ToQRect(sp::kOnlineSupport), state, QStringLiteral("Online Support"));
    DrawButtonFace(painter, ToQRect(sp::kCheckUpdates), state, QStringLiteral("Check Updates"));
    DrawButtonFace(painter, ToQRect(sp::kCheckFirmware), state, QStringLiteral("Check Firmware"));
}

}  // namespace

bool WriteSupportFamily(const QDir& folder) {
    return WriteFamily(folder, SkinFamily::Support, PageSize(),
                       [](QPainter& painter, SkinState state) {
                           DrawBackground(painter);
                           DrawControls(painter, state);
                       });
}

}  // namespace orvex::skingen
