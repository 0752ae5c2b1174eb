// Number edit; see NumberEdit.h.
#include "app/NumberEdit.h"

#include "model/KeyFilter.h"

#include <QKeyEvent>

namespace vt {

NumberEdit::NumberEdit(bool allowMinus, QWidget* parent)
    : QLineEdit(parent), allowMinus_(allowMinus) {}

void NumberEdit::keyPressEvent(QKeyEvent* e) {
    const QString typed = e->text();
    // Navigation and editing keys without text (arrows, Home, Delete, Tab) keep working.
    if (typed.isEmpty() || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter ||
        e->key() == Qt::Key_Escape || e->key() == Qt::Key_Tab) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const char key = e->key() == Qt::Key_Backspace ? kBackspace : typed.at(0).toLatin1();
    if (typed.size() != 1 || !AcceptNumberKey(text().toStdString(), key, allowMinus_)) {
        e->accept(); // dropped
        return;
    }
    QLineEdit::keyPressEvent(e);
    emit keyAccepted();
}

} // namespace vt
