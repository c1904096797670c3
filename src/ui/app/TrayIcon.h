#pragma once

#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>

namespace orvex::ui {

// The program's icon in the desktop's tray: a double click asks for the window, a right press
// (the tray's context activation) for the tray menu at the pointer.
class TrayIcon : public QObject {
    Q_OBJECT

  public:
    static const QString kToolTip;

    explicit TrayIcon(QObject* parent = nullptr);

    void Show();
    // Takes the icon out of the tray; the program does this before it ends.
    void Remove();

    QSystemTrayIcon& icon() { return icon_; }

  signals:
    void ShowWindowRequested();
    void MenuRequested(const QPoint& globalPos);

  private:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon icon_;
};

}  // namespace orvex::ui
