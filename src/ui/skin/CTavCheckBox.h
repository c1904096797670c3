#pragma once

#include "ui/skin/SkinnedPushButton.h"

namespace orvex::ui {

// A skinned toggle without text. A click that starts and ends on it (the pointer may leave and
// come back while the button is down) inverts its checked flag before the parent hears the
// click, so the parent's click handler reads the new value. Its third image is the checked one.
class CTavCheckBox : public SkinnedPushButton {
    Q_OBJECT

  public:
    explicit CTavCheckBox(QWidget* parent = nullptr) : SkinnedPushButton(parent) {}

    void SetImages(const QImage& normal, const QImage& hover, const QImage& checked,
                   const QImage& disabled);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace orvex::ui
