#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QString>
#include <array>

#include "ui/skin/PointerTracking.h"
#include "ui/skin/SkinnedControl.h"

namespace orvex::ui {

// What the skinned button family shares: an image per skin state, a checked flag the owner sets
// (the check box sets its own), the pointer rules of every skinned control and one rule for which
// image to draw. A completed click reaches the parent as ControlClicked, at the moment the
// platform's default processing of the release makes it.
//
// The checked flag is the skin's own (SetChecked/IsChecked); the button is never Qt-checkable.
// So is the text (SetText/Text): QAbstractButton's would turn an "&" in a profile or macro name
// into a keyboard shortcut.
class SkinnedPushButton : public QAbstractButton, public SkinnedControl {
    Q_OBJECT

  public:
    // Redraws only when the flag changes.
    void SetChecked(bool checked);
    bool IsChecked() const { return checked_; }

    void SetText(const QString& text);
    const QString& Text() const { return text_; }

    SkinState state() const { return pointer_.state(); }
    bool buttonHeld() const { return pointer_.buttonHeld(); }
    bool tracking() const { return pointer_.tracking(); }
    const QImage& image(SkinState state) const { return images_[StateIndex(state)]; }

    // The image the next paint draws, first rule that applies: disabled window and a disabled
    // image; checked and a pressed image; then the image of the state. A null image (nothing
    // drawn) when that image is missing: there is no fallback.
    QImage ImageToDraw() const;

  protected:
    explicit SkinnedPushButton(QWidget* parent);

    void StoreImages(const QImage& normal, const QImage& hover, const QImage& pressed,
                     const QImage& disabled);
    PointerTracking& pointer() { return pointer_; }

    // The pointer came over the button (once per entry).
    virtual void PointerEntered() {}
    // Text over the image; the default draws none.
    virtual void PaintLabel(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Default processing first, then the pressed look.
    void mousePressEvent(QMouseEvent* event) override;
    // Default processing first (which makes the click), then the normal look.
    void mouseReleaseEvent(QMouseEvent* event) override;

    // The pressed look ends. A push button lets the pointer go when released, so the next move
    // over it counts as entering again.
    void EndPress();

  private:
    void TrackPointer(bool inside, bool leftButtonDown);

    std::array<QImage, kSkinStateCount> images_;
    PointerTracking pointer_;
    QString text_;
    bool checked_ = false;
};

}  // namespace orvex::ui
