#pragma once

#include <QObject>
#include <QPointer>

namespace orvex::ui {

class PopupMenu;

// Closes an open menu chain when the user presses the left button anywhere outside it, or when
// the application loses activation (the user went to another program's window, which Qt cannot
// see a press in). While installed, an application-wide event filter looks at every press
// before the window under the pointer handles it; it never swallows an event.
//
// Each menu family has one watch: installing it for a new target only moves the target. The
// target is the deepest open menu of the chain, so a press in it or in any of its parent menus
// counts as inside.
class MenuPressWatch : public QObject {
    Q_OBJECT

  public:
    explicit MenuPressWatch(QObject* parent = nullptr) : QObject(parent) {}

    void Install(PopupMenu* target);
    void SetTarget(PopupMenu* target) { target_ = target; }
    void Remove();

    bool isInstalled() const { return installed_; }
    PopupMenu* target() const { return target_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CloseTargetChain();

    QPointer<PopupMenu> target_;
    bool installed_ = false;
};

}  // namespace orvex::ui
