#pragma once

#include <QImage>
#include <array>

#include "ui/skin/EdgeRect.h"
#include "ui/skin/SkinnedSlider.h"

namespace orvex::ui {

// Three thumbs on one track (the three resolution steps of an axis). A press takes the first of
// thumbs 1, 2, 3 under the pointer, so where thumbs overlap thumb 1 wins (it is also drawn on
// top); a press on the bare track moves nothing. A thumb's change reaches the parent as
// (id, thumb × 65536 + value).
class CTavSliderCtrl3D : public SkinnedSlider {
    Q_OBJECT

  public:
    static constexpr int kThumbCount = 3;
    static constexpr int kThumbShift = 65536;

    explicit CTavSliderCtrl3D(QWidget* parent = nullptr);

    void SetImages(const QImage& background, const QImage& thumb1, const QImage& thumb2,
                   const QImage& thumb3);

    // Clamped to the range (not snapped). A value the parent already heard of for that thumb
    // changes nothing; otherwise the thumb moves and, when `notify` is set, the parent hears of it.
    void SetPos1(int value, bool notify);
    void SetPos2(int value, bool notify);
    void SetPos3(int value, bool notify);

    // Thumbs are numbered 1..3.
    int value(int thumb) const;
    int lastNotifiedValue(int thumb) const;
    // The thumb being dragged, 0 for none.
    int activeThumb() const { return activeThumb_; }
    EdgeRect ThumbRect(int thumb) const;

  protected:
    void DragStarted(QPoint point) override;
    void TakeValueFromPointer(int x) override;
    void DragEnded() override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void SetThumbPos(int thumb, int value, bool notify);
    const QImage& thumbImage(int thumb) const { return thumbs_[Index(thumb)]; }
    static std::size_t Index(int thumb) { return static_cast<std::size_t>(thumb - 1); }

    QImage background_;
    std::array<QImage, kThumbCount> thumbs_;
    std::array<int, kThumbCount> values_{};
    std::array<int, kThumbCount> lastNotified_{};
    int activeThumb_ = 0;
};

}  // namespace orvex::ui
