#pragma once

#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>

namespace orvex::ui {

// The program's icon in the desktop's tray: a double click asks for the window, a right press
// (the tray's context activation) for the tray menu at the pointer.
//
// Two kinds of tray exist on Linux desktops. The X11 tray embeds a window of ours and tells a
// single click from a double click; a StatusNotifier tray (KDE Plasma, GNOME with AppIndicator,
// most Wayland desktops) draws the icon itself and calls it over D-Bus with a single "activate",
// which therefore asks for the window too.
class TrayIcon : public QObject {
    Q_OBJECT

  public:
    static const QString kToolTip;

    explicit TrayIcon(QObject* parent = nullptr);

    // Puts the icon in the tray. Where no tray can ever come (a Wayland desktop without a
    // StatusNotifier tray) the icon is not made at all.
    void Show();
    // Takes the icon out of the tray; the program does this before it ends.
    void Remove();
    // Whether the icon is shown in a tray now, so that a hidden window can be brought back.
    bool IsInTray() const;

    QSystemTrayIcon& icon() { return icon_; }

  signals:
    void ShowWindowRequested();
    void MenuRequested(const QPoint& globalPos);

  private:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);
    // Whether the tray draws the icon itself: it then has no window of ours on the screen.
    bool DrawnByTheTray() const;

    QSystemTrayIcon icon_;
};

}  // namespace orvex::ui
