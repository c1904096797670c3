#include "ui/skin/CTavButton.h"

#include <QPainter>

#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

constexpr std::uint32_t kDisabledTextRgb = 0x787878;
constexpr std::uint32_t kHoverTextRgb = 0xFFFFFF;
constexpr int kTextIndent = 5;

}  // namespace

CTavButton::CTavButton(QWidget* parent)
    : SkinnedPushButton(parent), font_(MakeSkinFont(kArialFace, 15)) {}

void CTavButton::SetImages(const QImage& normal, const QImage& hover, const QImage& pressed,
                           const QImage& disabled) {
    StoreImages(normal, hover, pressed, disabled);
}

QColor CTavButton::TextColour() const {
    if (!isEnabled()) {
        return TextColourFromArgb(kDisabledTextRgb);
    }
    if (IsChecked()) {
        return TextColourFromArgb(kCheckedTextArgb);
    }
    if (state() == SkinState::Hover) {
        return TextColourFromArgb(kHoverTextRgb);
    }
    return TextColourFromArgb(kNormalTextArgb);
}

void CTavButton::PointerEntered() {
    NotifyParent(0);
}

void CTavButton::PaintLabel(QPainter& painter) {
    if (Text().isEmpty()) {
        return;
    }
    DrawLabel(painter, Text(), TextColour(), false, true, rect().translated(kTextIndent, 0),
              &font_);
}

}  // namespace orvex::ui
