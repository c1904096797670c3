#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace orvex::ui {

// The program's plain message boxes: a fixed text and one OK button. Tests answer them through a
// seam instead of showing them, because a modal box would wait for a click that never comes.
class MessageBox {
  public:
    // Shows the box modally and returns the button that closed it.
    static QMessageBox::StandardButton Show(QWidget* parent, const QString& text);

    // The next box is not shown; it is answered at once with `answer`.
    static void SetNextAnswer(QMessageBox::StandardButton answer);

    // While set, every box without a queued answer is answered with OK at once, so a box that a
    // test did not expect cannot block it.
    static void SetUnattended(bool unattended);

    // The texts of every box since the last call, shown or answered.
    static QStringList TakeShownTexts();

    // Forgets queued answers and shown texts; unattended mode stays as it is.
    static void ResetForTests();
};

}  // namespace orvex::ui
