#pragma once

#include <QFont>
#include <cstdint>

#include "ui/skin/SkinnedPushButton.h"

namespace orvex::ui {

// The skinned push button, also used as a radio button (its owner sets the checked flag) and as
// a passive picture. Each time the pointer comes over it, the parent hears (id, 0). Its text,
// when not empty, is drawn 5 pixels in from the left and centred vertically.
class CTavButton : public SkinnedPushButton {
    Q_OBJECT

  public:
    static constexpr std::uint32_t kNormalTextArgb = 0xFFD2D2D2;
    static constexpr std::uint32_t kCheckedTextArgb = 0xFF4D82C3;

    explicit CTavButton(QWidget* parent = nullptr);

    // Replaces the four images; the button keeps its own copies.
    void SetImages(const QImage& normal, const QImage& hover, const QImage& pressed,
                   const QImage& disabled);

    // The colour the text is drawn in now: grey when disabled, else the checked colour, else
    // white while hovered, else the normal colour.
    QColor TextColour() const;
    const QFont& labelFont() const { return font_; }

  protected:
    void PointerEntered() override;
    void PaintLabel(QPainter& painter) override;

  private:
    QFont font_;
};

}  // namespace orvex::ui
