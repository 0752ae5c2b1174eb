// A horizontal scroll bar that reports what the rules need: every change of position the
// user makes, the end of a scroll gesture, and receiving the focus. Positions set from
// the state (Mirror) are not reported back.
#pragma once

#include "model/Controls.h"

#include <QScrollBar>

namespace vt {

class ScrollBar final : public QScrollBar {
    Q_OBJECT
public:
    explicit ScrollBar(QWidget* parent);

    // Shows a bar state: range, steps, position, enabled. Emits nothing.
    void Mirror(const BarState& bar);

signals:
    void changed(int position); // the user moved the bar (arrow, page, drag, keyboard)
    void endScroll();           // the mouse button or key that scrolled was released
    void entered();             // the bar received the input focus

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    bool mirroring_ = false;
};

} // namespace vt
