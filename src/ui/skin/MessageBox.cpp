#include "ui/skin/MessageBox.h"

#include <QList>

namespace orvex::ui {
namespace {

struct AnswerSeam {
    QList<QMessageBox::StandardButton> queuedAnswers;
    bool unattended = false;
    QStringList shownTexts;
};

AnswerSeam& Seam() {
    static AnswerSeam seam;
    return seam;
}

}  // namespace

QMessageBox::StandardButton MessageBox::Show(QWidget* parent, const QString& text) {
    AnswerSeam& seam = Seam();
    seam.shownTexts.append(text);
    if (!seam.queuedAnswers.isEmpty()) {
        return seam.queuedAnswers.takeFirst();
    }
    if (seam.unattended) {
        return QMessageBox::Ok;
    }
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBox::SetNextAnswer(QMessageBox::StandardButton answer) {
    Seam().queuedAnswers.append(answer);
}

void MessageBox::SetUnattended(bool unattended) {
    Seam().unattended = unattended;
}

void MessageBox::ResetForTests() {
    Seam().queuedAnswers.clear();
    Seam().shownTexts.clear();
}

QStringList MessageBox::TakeShownTexts() {
    QStringList texts;
    texts.swap(Seam().shownTexts);
    return texts;
}

}  // namespace orvex::ui
