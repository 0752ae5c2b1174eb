// A horizontal scroll bar that reports what the rules need: every change of position the
// user makes, the end of each gesture that moved it, and receiving the focus. Positions
// set from the state (Mirror) are not reported back.
//
// A gesture is one input that moves the bar: a press of the mouse on it (arrow, trough,
// thumb) until the button is released; a key that scrolls it (arrows, Page Up/Down,
// Home/End) until that key is released; a turn of the wheel until it has rested for
// kWheelRest; an item of its context menu. Input that does not move the bar (Tab passing
// over it, a click that finds it at its end) ends nothing. The bar takes the focus as
// a wheel or menu gesture starts, as a click already gives it.
#pragma once

#include "model/Controls.h"

#include <QScrollBar>
#include <QTimer>

#include <chrono>

namespace vt {

class ScrollBar final : public QScrollBar {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kWheelRest{500};

    explicit ScrollBar(QWidget* parent);

    // Shows a bar state: range, steps, position, enabled. Emits nothing.
    void Mirror(const BarState& bar);

signals:
    void changed(int position); // the user moved the bar
    void endScroll();           // a gesture that moved the bar ended
    void entered();             // the bar received the input focus

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    // A new gesture begins: a wheel turn still resting ends first; the bar takes the focus.
    void Begin();
    void EndWheel();

    bool mirroring_ = false;
    unsigned moves_ = 0;      // changes reported so far
    unsigned pressMoves_ = 0; // ... when the mouse button went down
    bool pressed_ = false;
    int scrollKey_ = 0;       // the key whose release ends a keyboard gesture; 0 for none
    QTimer wheelRest_;
};

} // namespace vt
