// Number edit; see NumberEdit.h.
#include "widgets/NumberEdit.h"

#include "model/KeyFilter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>

namespace vt {

NumberEdit::NumberEdit(bool allowMinus, QWidget* parent)
    : QLineEdit(parent), allowMinus_(allowMinus) {}

void NumberEdit::keyPressEvent(QKeyEvent* e) {
    const QString typed = e->text();
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && discardEnter_) {
        e->accept();
        return;
    }
    // Navigation and editing keys without text (arrows, Home, Delete, Tab) keep working,
    // and so do selecting all (Ctrl+A) and copying, which change no text.
    if (typed.isEmpty() || enter || e->key() == Qt::Key_Escape || e->key() == Qt::Key_Tab ||
        e->matches(QKeySequence::SelectAll) || e->matches(QKeySequence::Copy)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const char key = e->key() == Qt::Key_Backspace ? kBackspace : typed.at(0).toLatin1();
    const std::string text = this->text().toStdString();
    const bool accepted = filter_ ? filter_(text, key) : AcceptNumberKey(text, key, allowMinus_);
    if (typed.size() != 1 || !accepted) {
        e->accept(); // dropped
        return;
    }
    QLineEdit::keyPressEvent(e);
    emit keyAccepted();
}

// Switching to another window or opening a menu is no exit; the field is still the one
// that has the focus when the window comes back.
void NumberEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason) emit exited();
}

} // namespace vt
