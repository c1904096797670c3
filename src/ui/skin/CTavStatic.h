#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <cstdint>

#include "ui/skin/SkinnedControl.h"

namespace orvex::ui {

// A picture-and-text label: a background picture, one picture out of a list and one text out of a
// list, drawn in that order. Used for version labels, the surface-quality picture, the animated
// pictures of the pop-ups and the resolution labels. A double click tells the parent
// (id, kStaticDoubleClickedValue).
class CTavStatic : public QWidget, public SkinnedControl {
    Q_OBJECT

  public:
    explicit CTavStatic(QWidget* parent = nullptr);

    void SetBackground(const QImage& image);
    void AddImage(const QImage& image);
    int imageCount() const { return static_cast<int>(images_.size()); }

    // The first call adds the text, later calls replace it; the text shown becomes that one.
    void SetText(const QString& text);
    // The text shown, or an empty text when the index is outside the list.
    QString CurrentText() const;

    // Owners pick what is shown by index; an index outside its list shows nothing of that kind.
    int currentImageIndex() const { return currentImage_; }
    void SetCurrentImageIndex(int index);
    int currentTextIndex() const { return currentText_; }
    void SetCurrentTextIndex(int index);

    void SetTextColour(std::uint32_t argb);
    // Painted under everything; the default, fully transparent, leaves the label black.
    void SetFillColour(std::uint32_t argb);
    void SetCentreHorizontally(bool centre);
    // Switches to the skin's typeface at that height.
    void SetFontHeight(int height);
    const QFont& labelFont() const { return font_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QList<QImage> images_;
    QStringList texts_;
    QImage background_;
    int currentImage_ = 0;
    int currentText_ = 0;
    std::uint32_t textColour_ = 0xFFFFFFFF;
    std::uint32_t fillColour_ = 0x00000000;
    QFont font_;
    bool centreHorizontally_ = false;
};

}  // namespace orvex::ui
