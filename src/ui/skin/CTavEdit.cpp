#include "ui/skin/CTavEdit.h"

#include <QPainter>
#include <QPalette>
#include <QRegularExpressionValidator>

#include "ui/skin/NotificationCodes.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinPainting.h"

namespace orvex::ui {
namespace {

constexpr std::uint32_t kDefaultTextColourBgr = 0x00FFFFFF;
constexpr std::uint32_t kFieldArgb = 0xFF000000;
constexpr std::uint32_t kFrameArgb = 0xFF969696;

}  // namespace

CTavEdit::CTavEdit(QWidget* parent) : QLineEdit(parent), SkinnedControl(this) {
    setFrame(false);
    // The text sits at the top left, one pixel in, as the skins were laid out for.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextMargins(-1, -1, 0, 0);
    // The field is painted here; Qt paints only text, caret and selection over it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::transparent);
    setPalette(colours);
    SetTextColour(kDefaultTextColourBgr);
    UseFont(MakeSkinFont(kArialFace, 14));
    connect(this, &QLineEdit::textChanged, this, &CTavEdit::OnTextChanged);
}

void CTavEdit::SetBackgroundImage(const QImage& image) {
    background_ = image;
    update();
}

void CTavEdit::SetTextColour(std::uint32_t bgr) {
    QPalette colours = palette();
    colours.setColor(QPalette::Text, ColourFromBgr(bgr));
    setPalette(colours);
}

void CTavEdit::SetFontHeight(int height) {
    UseFont(MakeSkinFont(kArialFace, height));
}

void CTavEdit::SetDigitsOnly(bool digitsOnly) {
    if (!digitsOnly) {
        setValidator(nullptr);
        return;
    }
    static const QRegularExpression kDigits(QStringLiteral("[0-9]*"));
    setValidator(new QRegularExpressionValidator(kDigits, this));
}

void CTavEdit::UseFont(const QFont& font) {
    setFont(font);
    update();
}

void CTavEdit::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        if (!background_.isNull()) {
            DrawImageScaled(painter, background_, rect());
        } else {
            painter.fillRect(rect(), ColourFromArgb(kFieldArgb));
            painter.setPen(ColourFromArgb(kFrameArgb));
            painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
        }
    }
    QLineEdit::paintEvent(event);
}

void CTavEdit::OnTextChanged() {
    update();
    NotifyParent(kEditTextChangedValue);
}

}  // namespace orvex::ui
