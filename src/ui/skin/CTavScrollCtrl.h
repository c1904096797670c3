#pragma once

#include <QImage>
#include <QWidget>
#include <array>

#include "ui/skin/PointerTracking.h"
#include "ui/skin/ScrollBarGeometry.h"
#include "ui/skin/SkinnedControl.h"

namespace orvex::ui {

// The scroll bar of the skinned lists. Dragging the thumb or pressing the track reports each new
// position as (id, position). The arrows do not step: releasing the button after pressing an
// arrow jumps to that end of the range and reports the end twice (once for the arrow, once from
// SetPos).
class CTavScrollCtrl : public QWidget, public SkinnedControl {
    Q_OBJECT

  public:
    enum ImageRole {
        kBackgroundImage,
        kThumbImage,
        kThumbPressedImage,
        kFirstArrowImage,
        kFirstArrowPressedImage,
        kSecondArrowImage,
        kSecondArrowPressedImage,
        kImageCount,
    };

    explicit CTavScrollCtrl(QWidget* parent = nullptr);

    // Takes the seven images and lays the bar out for its current size, thumb at the start.
    void SetImages(const QImage& background, const QImage& thumb, const QImage& thumbPressed,
                   const QImage& firstArrow, const QImage& firstArrowPressed,
                   const QImage& secondArrow, const QImage& secondArrowPressed);

    // Clamps to the range, moves the thumb and always reports the position, changed or not.
    void SetPos(int position);
    int position() const { return position_; }

    // The owner writes the range; the thumb moves with the next SetPos.
    void SetMinimum(int minimum) { minimum_ = minimum; }
    void SetMaximum(int maximum) { maximum_ = maximum; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    const ScrollBarLayout& layout() const { return layout_; }
    ScrollBarPart pressedPart() const { return pressedPart_; }
    SkinState state() const { return pointer_.state(); }
    bool buttonHeld() const { return pointer_.buttonHeld(); }
    bool tracking() const { return pointer_.tracking(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void LayOut();
    void PositionFromPointer(QPoint point);
    void TrackPointer(bool inside, bool leftButtonDown);
    const QImage& image(ImageRole role) const { return images_[role]; }

    std::array<QImage, kImageCount> images_;
    PointerTracking pointer_;
    ScrollBarLayout layout_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    ScrollBarPart pressedPart_ = kNoPart;
};

}  // namespace orvex::ui
