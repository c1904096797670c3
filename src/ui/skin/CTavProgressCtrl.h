#pragma once

#include <QImage>
#include <QWidget>

#include "ui/skin/SkinnedControl.h"

namespace orvex::ui {

// A bar that shows the position's share of the range with the matching part of its fill image:
// from the left, or, when vertical, from the bottom up with the fill image's top rows. It tells
// its parent nothing. An empty range (maximum equal to minimum) shows no fill.
class CTavProgressCtrl : public QWidget, public SkinnedControl {
    Q_OBJECT

  public:
    explicit CTavProgressCtrl(QWidget* parent = nullptr);

    void SetImages(const QImage& background, const QImage& fill);

    void SetMinimum(int minimum);
    void SetMaximum(int maximum);
    void SetPos(int position);
    void SetVertical(bool vertical);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    bool vertical() const { return vertical_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage background_;
    QImage fill_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    bool vertical_ = false;
};

}  // namespace orvex::ui
