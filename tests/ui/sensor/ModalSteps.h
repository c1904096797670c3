#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace orvex::ui::testing {

// Acts on modal dialogs as they come up. Each step runs once, on the next new dialog at the top
// of the modal stack, from inside that dialog's own event loop, so it can click, type and step
// timers as a user would (and open further nested dialogs). A dialog still open with no step left
// for it fails the test and is closed with -1, so a test never hangs.
class ModalSteps {
  public:
    using Step = std::function<void(QDialog&)>;

    explicit ModalSteps(std::vector<Step> steps);
    ~ModalSteps();
    ModalSteps(const ModalSteps&) = delete;
    ModalSteps& operator=(const ModalSteps&) = delete;

    // Steps that found no dialog to act on.
    int unusedSteps() const { return static_cast<int>(steps_.size()); }

  private:
    void Poll();

    std::deque<Step> steps_;
    std::vector<QPointer<QDialog>> seen_;
    QTimer poll_;
    int idlePolls_ = 0;
};

}  // namespace orvex::ui::testing
