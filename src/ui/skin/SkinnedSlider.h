#pragma once

#include <QFont>
#include <QWidget>
#include <cstdint>

#include "ui/skin/PointerTracking.h"
#include "ui/skin/SkinnedControl.h"
#include "ui/skin/SliderGeometry.h"

namespace orvex::ui {

// What the one-thumb and the three-thumb slider share: the range and step the owner writes, the
// inert state, the optional value text, and the pointer rules. A press starts a drag, every move
// of the drag and the release take the value from the pointer, and a drag that leaves the slider
// pauses and goes on when the pointer comes back with the button still down. While the owner holds
// the slider inert (state kInert) it ignores the pointer altogether.
class SkinnedSlider : public QWidget, public SkinnedControl {
    Q_OBJECT

  public:
    static constexpr std::uint32_t kDefaultTextArgb = 0xFFFFFFFF;
    // An inert slider is drawn with its disabled thumb.
    static constexpr SkinState kInert = SkinState::Disabled;

    // The owner redraws by writing these; values already set are not brought into the new range.
    void SetMinimum(int minimum);
    void SetMaximum(int maximum);
    void SetStep(int step);
    const SliderRange& range() const { return range_; }

    // kInert freezes the slider, SkinState::Normal frees it again.
    void SetState(SkinState state);
    SkinState state() const { return pointer_.state(); }
    SkinState savedState() const { return pointer_.savedState(); }
    bool buttonHeld() const { return pointer_.buttonHeld(); }
    bool tracking() const { return pointer_.tracking(); }

    // The value text under the thumb(s), off by default.
    void SetShowValue(bool show);
    bool showValue() const { return showValue_; }
    void SetTextColour(std::uint32_t argb);
    QColor TextColour() const;
    const QFont& labelFont() const { return font_; }

  protected:
    explicit SkinnedSlider(QWidget* parent);

    // A drag starts at `point`: the three-thumb slider picks its thumb here.
    virtual void DragStarted(QPoint point) { static_cast<void>(point); }
    // The pointer is at column x of a drag (or of the release that ends it).
    virtual void TakeValueFromPointer(int x) = 0;
    virtual void DragEnded() {}

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool IsInert() const { return pointer_.state() == kInert; }
    void TrackPointer(bool inside, bool leftButtonDown);

    PointerTracking pointer_{PointerTracking::Variant::KeepsStateWhileDragging};
    SliderRange range_;
    bool showValue_ = false;
    std::uint32_t textColour_ = kDefaultTextArgb;
    QFont font_;
};

}  // namespace orvex::ui
