// Scroll bar adapter; see ScrollBar.h.
#include "widgets/ScrollBar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace vt {

namespace {
// The buttons a scroll bar acts on; the right one opens its menu.
constexpr Qt::MouseButtons kScrollButtons = Qt::LeftButton | Qt::MiddleButton;
} // namespace

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
    // A scroll bar inverts its keys and wheel by default (Page Up towards the top), which on
    // a horizontal bar makes Left increase. Here Right, Up, Page Up and the wheel turned away
    // from the user increase, as the bar's right arrow does.
    setInvertedControls(false);
    connect(this, &QScrollBar::valueChanged, this, [this](int v) {
        if (mirroring_) return;
        ++moves_;
        emit changed(v);
    });
    wheelRest_.setSingleShot(true);
    wheelRest_.setInterval(kWheelRest);
    connect(&wheelRest_, &QTimer::timeout, this, &ScrollBar::endScroll);
}

void ScrollBar::Mirror(const BarState& bar) {
    mirroring_ = true;
    setRange(bar.Min, std::max(bar.Min, bar.Max));
    setSingleStep(bar.Small);
    setPageStep(bar.Large);
    setValue(bar.Pos);
    setEnabled(bar.Enabled);
    mirroring_ = false;
}

void ScrollBar::Begin() {
    EndWheel();
    if (!hasFocus()) setFocus(Qt::MouseFocusReason);
}

void ScrollBar::EndWheel() {
    if (!wheelRest_.isActive()) return;
    wheelRest_.stop();
    emit endScroll();
}

void ScrollBar::mousePressEvent(QMouseEvent* e) {
    if (!pressed_ && (e->button() & kScrollButtons)) {
        Begin();
        pressed_ = true;
        pressMoves_ = moves_;
    }
    QScrollBar::mousePressEvent(e);
}

void ScrollBar::mouseReleaseEvent(QMouseEvent* e) {
    QScrollBar::mouseReleaseEvent(e);
    if (!pressed_ || (e->buttons() & kScrollButtons)) return;
    pressed_ = false;
    if (moves_ != pressMoves_) emit endScroll();
}

void ScrollBar::keyPressEvent(QKeyEvent* e) {
    if (!e->isAutoRepeat()) EndWheel();
    const unsigned before = moves_;
    QScrollBar::keyPressEvent(e);
    if (moves_ != before) scrollKey_ = e->key();
}

void ScrollBar::keyReleaseEvent(QKeyEvent* e) {
    QScrollBar::keyReleaseEvent(e);
    if (e->isAutoRepeat() || scrollKey_ == 0 || e->key() != scrollKey_) return;
    scrollKey_ = 0;
    emit endScroll();
}

// Each moving notch restarts the rest. Qt leaves a turn unaccepted when the position it
// arrives at equals the one it left, which a bar that springs back to 0 always does; the
// turn was taken all the same and must not scroll what lies under the bar.
void ScrollBar::wheelEvent(QWheelEvent* e) {
    if (!wheelRest_.isActive()) Begin();
    const unsigned before = moves_;
    QScrollBar::wheelEvent(e);
    if (moves_ == before) return;
    e->accept();
    wheelRest_.start();
}

void ScrollBar::contextMenuEvent(QContextMenuEvent* e) {
    Begin();
    const unsigned before = moves_;
    QScrollBar::contextMenuEvent(e);
    if (moves_ != before) emit endScroll();
}

void ScrollBar::focusInEvent(QFocusEvent* e) {
    QScrollBar::focusInEvent(e);
    emit entered();
}

} // namespace vt
