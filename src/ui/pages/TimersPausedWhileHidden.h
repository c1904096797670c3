#pragma once

#include <QObject>
#include <QTimer>
#include <QWidget>
#include <initializer_list>
#include <vector>

namespace orvex::ui {

// Timers that only serve what a page shows. The first tick that finds the page off screen
// (another page in front, or the window in the tray) stops its timer, and showing the page starts
// it again, so a program waiting in the tray is not woken dozens of times a second. A timer
// stopped by someone else stays stopped; one that its owner stops while it is paused must be
// forgotten, or showing the page would start it again.
class TimersPausedWhileHidden final : public QObject {
  public:
    TimersPausedWhileHidden(QWidget& page, std::initializer_list<QTimer*> timers);

    void Forget(QTimer* timer);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void PauseIfHidden(QTimer* timer);

    QWidget& page_;
    std::vector<QTimer*> paused_;
};

}  // namespace orvex::ui
