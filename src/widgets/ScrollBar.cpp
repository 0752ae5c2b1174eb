// Scroll bar adapter; see ScrollBar.h.
#include "widgets/ScrollBar.h"

#include <QKeyEvent>

namespace vt {

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, [this](int v) {
        if (!mirroring_) emit changed(v);
    });
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

void ScrollBar::mouseReleaseEvent(QMouseEvent* e) {
    QScrollBar::mouseReleaseEvent(e);
    emit endScroll();
}

void ScrollBar::keyReleaseEvent(QKeyEvent* e) {
    QScrollBar::keyReleaseEvent(e);
    if (!e->isAutoRepeat()) emit endScroll();
}

void ScrollBar::focusInEvent(QFocusEvent* e) {
    QScrollBar::focusInEvent(e);
    emit entered();
}

} // namespace vt
