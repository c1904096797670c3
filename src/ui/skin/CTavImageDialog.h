#pragma once

#include <QDialog>
#include <QImage>

#include "ui/skin/ControlNotificationTarget.h"

namespace orvex::ui {

// The base of every window of the program: a dialog drawn from one background bitmap, sized by
// it, with skinned controls placed over it. Pages are the same dialogs embedded in the main
// window: pass Qt::Widget as the flags.
//
// Notifications from the controls arrive through ControlNotification. The base ignores all of
// them except a menu's hide notice (kMenuHidingCode), which it passes on to its parent, so it
// reaches the main window through any number of pages; derived dialogs override and call the base
// for what they do not handle.
class CTavImageDialog : public QDialog, public ControlNotificationTarget {
    Q_OBJECT

  public:
    explicit CTavImageDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Dialog);

    // Keeps its own copy of the image (a shared skin image may be passed) and resizes the window
    // to the image's size, keeping its position; the owner places pages afterwards. A null image
    // removes the background and leaves the size alone.
    void SetBackgroundImage(const QImage& image);
    const QImage& backgroundImage() const { return background_; }

    void ControlNotification(int code, int value) override;

  protected:
    // The background is stretched over the whole client area in one pass from the stored image,
    // so the window never shows an erased state in between. Without one, the style's window
    // colour fills it.
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage background_;
};

}  // namespace orvex::ui
