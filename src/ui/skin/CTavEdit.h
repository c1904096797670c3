#pragma once

#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <cstdint>

#include "ui/skin/SkinnedControl.h"

namespace orvex::ui {

// A one-line edit drawn over a skin picture (or, without one, a black field with a grey frame).
// Every change of its text, typed or set by the program, tells the parent
// (id, kEditTextChangedValue) after the change. Caret and selection are drawn by Qt.
class CTavEdit : public QLineEdit, public SkinnedControl {
    Q_OBJECT

  public:
    explicit CTavEdit(QWidget* parent = nullptr);

    void SetBackgroundImage(const QImage& image);
    const QImage& backgroundImage() const { return background_; }

    // 0x00BBGGRR, as the edit's text colour was always given.
    void SetTextColour(std::uint32_t bgr);

    // Replaces the font with "Arial" of that height.
    virtual void SetFontHeight(int height);

    // Only the digits can be typed or pasted (the number style of the lighting page's colour
    // fields and the macro delay editor). Text set by the program is taken as it is.
    void SetDigitsOnly(bool digitsOnly);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void UseFont(const QFont& font);

  private:
    void OnTextChanged();

    QImage background_;
};

}  // namespace orvex::ui
