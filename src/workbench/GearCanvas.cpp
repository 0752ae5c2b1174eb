// The drawing area: the picture through PainterCanvas, the wheel and the middle drag.
#include "workbench/GearCanvas.h"

#include "canvas/PainterCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace vt::wb {

namespace {
constexpr int kFitMargin = 16;     // pixels
constexpr double kNotchZoom = 1.2; // one wheel notch
} // namespace

GearCanvas::GearCanvas(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 150);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::WheelFocus);
}

void GearCanvas::Fit(const Box& b) {
    fitted_ = b;
    view_ = FitBox(view_, b, width(), height(), kFitMargin);
    update();
}

void GearCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterCanvas c(painter, width(), height());
    if (ghost_) DrawPicture(c, *ghost_, view_, true);
    DrawPicture(c, pic_, view_, false);
    if (mark_) DrawLengthMark(c, mark_->first, mark_->second, view_);
}

void GearCanvas::wheelEvent(QWheelEvent* e) {
    const double notches = e->angleDelta().y() / 120.0;
    if (notches == 0) return e->ignore();
    const QPointF at = e->position();
    view_ = ZoomAbout(view_, {at.x(), at.y()}, std::pow(kNotchZoom, notches));
    fitted_ = {};
    e->accept();
    update();
}

void GearCanvas::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton) dragFrom_ = e->position().toPoint();
    QWidget::mousePressEvent(e);
}

void GearCanvas::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::MiddleButton)) return QWidget::mouseMoveEvent(e);
    const QPoint at = e->position().toPoint(), delta = at - dragFrom_;
    dragFrom_ = at;
    view_.X += delta.x(), view_.Y += delta.y();
    fitted_ = {};
    update();
}

void GearCanvas::resizeEvent(QResizeEvent* e) {
    if (!fitted_.Empty()) view_ = FitBox(view_, fitted_, width(), height(), kFitMargin);
    QWidget::resizeEvent(e);
}

} // namespace vt::wb
