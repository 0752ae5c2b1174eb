// A single-line edit for numbers: its key filter runs before the text changes (backspace,
// digits, one full stop, one minus sign where allowed), other keys never reach the text;
// Ctrl+A selects the text and Ctrl+C copies it.
#pragma once

#include <QLineEdit>

#include <functional>
#include <string>

namespace vt {

class NumberEdit final : public QLineEdit {
    Q_OBJECT
public:
    NumberEdit(bool allowMinus, QWidget* parent);

    // Replaces the number filter by another rule over the text and the typed key.
    using KeyFilter = std::function<bool(const std::string& text, char key)>;
    void SetKeyFilter(KeyFilter filter) { filter_ = std::move(filter); }
    // Enter is dropped like any other refused key, so it presses no button of the dialog.
    void DiscardEnter() { discardEnter_ = true; }

signals:
    void keyAccepted(); // a key passed the filter and was typed
    void exited();      // the focus went to another control of the same window

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool allowMinus_;
    bool discardEnter_ = false;
    KeyFilter filter_;
};

} // namespace vt
