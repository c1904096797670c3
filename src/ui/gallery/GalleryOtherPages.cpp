#include <QPainter>

#include "ui/gallery/GalleryControls.h"
#include "ui/gallery/GalleryWindows.h"
#include "ui/layout/ColorSettingsLayout.h"
#include "ui/layout/MacroSettingsLayout.h"
#include "ui/layout/SupportLayout.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/CTavImageDialog.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::gallery {
namespace {

// What the lighting preview shows: the lamp zones lit behind the mouse picture.
QImage LitMousePicture() {
    namespace cs = layout::colorsettings;
    QImage picture(cs::kMousePreview.width, cs::kMousePreview.height, QImage::Format_ARGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.fillRect(QRect(QPoint(85, 12), QPoint(119, 54)), QColor(0xFF, 0x00, 0x00));
    painter.fillRect(QRect(QPoint(80, 153), QPoint(120, 189)), QColor(0x3C, 0x64, 0xFF));
    painter.drawImage(0, 0, SkinImageSet::Instance().SlotImage(kSlotMouse));
    return picture;
}

}  // namespace

CTavImageDialog* BuildColorSettingsPage(QWidget* parent) {
    namespace cs = layout::colorsettings;
    CTavImageDialog* page = NewWindowWithBackground(
        SkinImageSet::Instance().SlotImage(kSlotColorSettingBackground), parent);
    const SkinFamily family = SkinFamily::ColorSetting;
    PlaceButton(page, family, cs::kOn);
    PlaceButton(page, family, cs::kOff);
    PlaceButton(page, family, cs::kSelect)->SetChecked(true);
    PlaceCheckBox(page, family, cs::kScrollWheel)->SetChecked(true);
    PlaceCheckBox(page, family, cs::kLogoType)->SetChecked(true);
    PlaceCheckBox(page, family, cs::kDpiButtons)->setEnabled(false);
    PlaceCheckBox(page, family, cs::kDpiIndicator)->setEnabled(false);
    for (const layout::LayoutRect& swatch :
         {cs::kZone1Colour, cs::kZone4Colour, cs::kZone3Colour, cs::kZone2Colour}) {
        PlaceButton(page, family, swatch);
    }
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            PlaceButton(page, family, cs::GridCell(row, column));
        }
    }
    for (std::size_t i = 0; i < cs::kEffects.size(); ++i) {
        PlaceButton(page, family, cs::kEffects[i])->SetChecked(i == 3);
    }
    PlaceButton(page, family, cs::kColorShift);
    PlaceButton(page, family, cs::kSolidColor)->SetChecked(true);
    static const char* const kComponents[] = {"255", "0", "0"};
    for (std::size_t i = 0; i < cs::kColourFields.size(); ++i) {
        PlaceEdit(page, family, cs::kColourFields[i], QString::fromLatin1(kComponents[i]), 13);
    }
    auto* preview = new CTavStatic(page);
    preview->setGeometry(ToQRect(cs::kMousePreview));
    preview->SetBackground(LitMousePicture());
    return page;
}

CTavImageDialog* BuildMacroSettingsPage(QWidget* parent) {
    namespace mc = layout::macrosettings;
    CTavImageDialog* page = NewWindowWithBackground(
        SkinImageSet::Instance().SlotImage(kSlotMacroSettingBackground), parent);
    const SkinFamily family = SkinFamily::MacroSetting;
    PlaceStatic(page, family, SkinState::Normal, mc::kMacroList, QString(), 13);
    PlaceStatic(page, family, SkinState::Normal, mc::kEventList, QString(), 13);
    PlaceScrollBar(page, mc::kEventList, 0);
    PlaceButton(page, family, mc::kNewMacro);
    PlaceButton(page, family, mc::kDelete);
    PlaceCheckBox(page, family, mc::kRecordDelay)->SetChecked(true);
    PlaceCheckBox(page, family, mc::kRecordHold);
    PlaceButton(page, family, mc::kStartRecord, QStringLiteral("Start Record"));
    PlaceButton(page, family, mc::kStopRecord, QStringLiteral("Stop Record"))->hide();
    return page;
}

CTavImageDialog* BuildSupportPage(QWidget* parent) {
    namespace sp = layout::support;
    CTavImageDialog* page = NewSkinnedWindow(SkinFamily::Support, parent);
    for (const layout::LayoutRect& rect :
         {sp::kFqa, sp::kOnlineSupport, sp::kCheckUpdates, sp::kCheckFirmware}) {
        PlaceButtonWithoutDisabledLook(page, SkinFamily::Support, rect);
    }
    PlaceStatic(page, SkinFamily::Support, SkinState::Normal, sp::kFirmVersion,
                QStringLiteral("-.--"), 13);
    PlaceStatic(page, SkinFamily::Support, SkinState::Normal, sp::kSoftVersion,
                QStringLiteral("1.22"), 13);
    return page;
}

}  // namespace orvex::ui::gallery
