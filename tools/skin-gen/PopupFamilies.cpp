#include "DialogFrame.h"
#include "Faces.h"
#include "Families.h"
#include "FamilyWriter.h"
#include "Palette.h"
#include "Panels.h"
#include "ui/layout/PopupLayout.h"

namespace orvex::skingen {
namespace {

namespace pp = ui::layout::popup;

struct FaceText {
    const pp::PopupFace& face;
    const char* title;
    const char* message;
    const char* okLabel;
    bool warning;
};

// The message area: under the title strip, above the buttons, beside the countdown picture.
QRect MessageArea(const pp::PopupFace& face) {
    const int left = face.image ? face.image->right() + 12 : 20;
    const int bottom = face.time ? face.time->top - 6 : face.ok.top - 8;
    return QRect(left, pp::kTitleHeight + 14, face.size.width - left - 16,
                 bottom - pp::kTitleHeight - 14);
}

void DrawWarningMark(QPainter& painter, const QRect& area) {
    const QRectF mark(area.left(), area.center().y() - 9, 18, 18);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::kAccentLight);
    painter.drawEllipse(mark);
    painter.restore();
    DrawText(painter, mark.toRect(), QStringLiteral("!"), palette::kTextBright, 13, Qt::AlignCenter,
             true);
}

void PaintFace(QPainter& painter, SkinState state, const FaceText& text) {
    const pp::PopupFace& face = text.face;
    DrawDialogFrame(painter, QSize(face.size.width, face.size.height),
                    QString::fromUtf8(text.title), face.close.height);
    QRect area = MessageArea(face);
    if (text.warning) {
        DrawWarningMark(painter, area);
        area.adjust(28, 0, 0, 0);
    }
    DrawText(painter, area, QString::fromUtf8(text.message), palette::kText, 13,
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    if (face.image) {
        DrawWell(painter, ToQRect(*face.image).adjusted(-1, -1, 1, 1));
    }
    if (face.time) {
        const QRect time = ToQRect(*face.time);
        const bool countdown = !face.image;
        const QString caption = countdown ? QStringLiteral("Key:") : QStringLiteral("Seconds left");
        DrawText(painter, QRect(time.left() - 110, time.top() - 2, 104, time.height() + 4), caption,
                 palette::kTextDim, 11, Qt::AlignRight | Qt::AlignVCenter);
        DrawWell(painter, time.adjusted(-3, -2, 3, 2));
    }
    DrawButtonFace(painter, ToQRect(face.ok), state, QString::fromUtf8(text.okLabel));
    if (face.cancel) {
        DrawButtonFace(painter, ToQRect(*face.cancel), state, QStringLiteral("Cancel"));
    }
    DrawCloseFace(painter, ToQRect(face.close), state);
}

bool WriteFace(const QDir& folder, const FaceText& text) {
    return WriteFamily(
        folder, text.face.family, QSize(text.face.size.width, text.face.size.height),
        [&text](QPainter& painter, SkinState state) { PaintFace(painter, state, text); });
}

}  // namespace

bool WritePopupFamilies(const QDir& folder) {
    const FaceText faces[] = {
        {pp::FaceOf(ui::PopupMode::LeftClickWarning), "Warning",
         "At least one button must keep Left Click. Give Left Click to another button "
         "before you change this one.",
         "OK", true},
        {pp::FaceOf(ui::PopupMode::DeleteMacroConfirm), "Delete Macro",
         "Delete this macro? Buttons that play it go back to their default function.", "OK", true},
        {pp::FaceOf(ui::PopupMode::SurfaceIntro), "Surface Analysis \u2013 Step 1 of 3",
         "Place the mouse on the surface you play on. Press Start, then keep moving the mouse "
         "over the surface for ten seconds.",
         "Start", false},
        {pp::FaceOf(ui::PopupMode::SurfaceCountdown), "Surface Analysis \u2013 Step 2 of 3",
         "Keep moving the mouse over the whole surface until the count reaches zero.", "Next",
         false},
        {pp::FaceOf(ui::PopupMode::SurfaceResult), "Surface Analysis \u2013 Step 3 of 3",
         "The analysis is complete. Press Show Result to see how well the sensor reads "
         "this surface.",
         "Show Result", false},
        {pp::FaceOf(ui::PopupMode::ResetWarning), "Reset to Default",
         "Reset all profiles to defaults? Names, buttons, sensor and lighting settings of all "
         "five profiles are restored.",
         "OK", true},
        {pp::FaceOf(ui::PopupMode::AssignKey), "Assign Key",
         "Press a key to assign it to this button, then press OK.", "OK", false},
    };
    bool written = true;
    for (const FaceText& text : faces) {
        written = WriteFace(folder, text) && written;
    }
    return written;
}

}  // namespace orvex::skingen
