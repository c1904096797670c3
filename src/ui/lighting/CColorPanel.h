#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "core/device/Clock.h"

namespace orvex::ui {

// The small palette that opens under a zone colour button: the skin's "ColorPanel.bmp" with
// twenty colour cells. A click on a cell tells the owning button ControlNotification(panel id,
// the cell's colour as 0x00BBGGRR) and hides the panel; a click in a gap between cells does
// nothing. The panel is a borderless top-level window that never takes the focus from the window
// behind it.
//
// While shown it checks every two seconds where the pointer is, and hides itself once the
// pointer is on neither the panel nor its button (nor the button is shown at all).
class CColorPanel : public QWidget {
    Q_OBJECT

  public:
    static constexpr Milliseconds kAutoHideInterval{2000};

    // `owner` (the colour button) hears the picks, and the panel is deleted with it. `panelId`
    // tells the owner that a notification is its panel's.
    CColorPanel(QWidget* owner, int panelId);

    int panelId() const { return panelId_; }
    bool pressed() const { return pressed_; }

    // The background picture, stretched over the panel.
    void SetImage(const QImage& image);
    const QImage& image() const { return image_; }

    // Sizes the panel to its picture, shows it with its top-left corner at `topLeft` (screen
    // pixels) and starts the two-second check.
    void ShowAt(const QPoint& topLeft);

    // The two-second check.
    void CheckPointer();
    QTimer& autoHideTimer() { return autoHideTimer_; }

    // The colour of the cell under a point of the panel (0x00BBGGRR), or none in a gap or
    // outside the cells.
    static std::optional<std::uint32_t> ColourAt(const QPoint& point);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    bool PointerOverOwner(const QPoint& pointer) const;

    QPointer<QWidget> owner_;
    int panelId_;
    bool pressed_ = false;
    QImage image_;
    QTimer autoHideTimer_;
};

}  // namespace orvex::ui
