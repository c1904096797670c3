#pragma once

class QWidget;

namespace orvex::ui {

// What every skinned control shares: its identifier within its dialog and the way it tells its
// parent window about events. A control class derives from its Qt widget class first and from
// this second, handing itself (`this`) to the constructor:
//
//   class CTavButton : public QAbstractButton, public SkinnedControl {
//     public:
//       explicit CTavButton(QWidget* parent) : QAbstractButton(parent), SkinnedControl(this) {}
//   };
class SkinnedControl {
  public:
    SkinnedControl(const SkinnedControl&) = delete;
    SkinnedControl& operator=(const SkinnedControl&) = delete;

    int controlId() const { return controlId_; }
    void SetControlId(int id) { controlId_ = id; }

  protected:
    explicit SkinnedControl(QWidget* widget) : widget_(widget) {}
    ~SkinnedControl() = default;

    // (own identifier, value) to the parent widget.
    void NotifyParent(int value) const;
    // (reserved code, value) to the parent widget, for example a menu's hide notice passed up.
    void NotifyParentWithCode(int code, int value) const;
    // The click of a push button or check box, at the moment the parent should see it.
    void NotifyParentClicked() const;

  private:
    QWidget* widget_;
    int controlId_ = 0;
};

}  // namespace orvex::ui
