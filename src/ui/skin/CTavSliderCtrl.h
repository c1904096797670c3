#pragma once

#include <QImage>

#include "ui/skin/SkinnedSlider.h"

namespace orvex::ui {

// The one-thumb slider of the settings pages. Each value it reaches by the pointer, snapped to the
// step, and each SetPos with a new value reaches the parent as (id, value); a value the parent
// already heard of is not sent again.
class CTavSliderCtrl : public SkinnedSlider {
    Q_OBJECT

  public:
    explicit CTavSliderCtrl(QWidget* parent = nullptr);

    // The thumb images are drawn at the normal thumb's size; a missing inert image leaves the
    // inert slider without a thumb.
    void SetImages(const QImage& background, const QImage& thumb, const QImage& thumbHot,
                   const QImage& thumbInert);

    // Shows and reports the value as it is: no clamping to the range, no snapping to the step
    // (a profile's value between two steps stays until the user moves the thumb).
    void SetPos(int value);
    int value() const { return value_; }
    int lastNotifiedValue() const { return lastNotified_; }

    // The column the thumb is centred on, and the image it is drawn with in the current state.
    int ThumbCentre() const;
    QImage ThumbImageToDraw() const;

  protected:
    void TakeValueFromPointer(int x) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage background_;
    QImage thumb_;
    QImage thumbHot_;
    QImage thumbInert_;
    int value_ = 0;
    int lastNotified_ = 0;
};

}  // namespace orvex::ui
