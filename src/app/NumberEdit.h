// A single-line edit for numbers: its key filter runs before the text changes (backspace,
// digits, one full stop, one minus sign where allowed), other keys never reach the text.
#pragma once

#include <QLineEdit>

namespace vt {

class NumberEdit final : public QLineEdit {
    Q_OBJECT
public:
    NumberEdit(bool allowMinus, QWidget* parent);

signals:
    void keyAccepted(); // a key passed the filter and was typed

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool allowMinus_;
};

} // namespace vt
