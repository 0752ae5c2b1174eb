// Scene view; see SceneView.h.
#include "widgets/SceneView.h"

#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>
#include <QPainter>

namespace vt {

SceneView::SceneView(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192)); // silver beyond the image
    setPalette(pal);
    setAutoFillBackground(true);
}

void SceneView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(e->rect().topLeft(), image_, e->rect());
    // A window larger than the image shows the form's silver beyond it.
    const QColor silver = palette().color(QPalette::Window);
    if (width() > image_.width())
        p.fillRect(QRect(image_.width(), 0, width() - image_.width(), height()), silver);
    if (height() > image_.height())
        p.fillRect(QRect(0, image_.height(), width(), height() - image_.height()), silver);
}

void SceneView::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton) dragFrom_ = e->position().toPoint();
    emit mousePressed(e->button(), e->position().toPoint(), e->modifiers());
}

void SceneView::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (e->buttons() & Qt::MiddleButton) {
        emit middleDragged(pos - dragFrom_);
        dragFrom_ = pos;
    }
    emit mouseMoved(pos);
}

void SceneView::wheelEvent(QWheelEvent* e) {
    constexpr double kNotch = 120; // angle units of one notch of a common wheel
    const int delta = e->angleDelta().y();
    if (delta == 0) return e->ignore();
    emit wheelTurned(e->position(), delta / kNotch);
}

void SceneView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    emit resized(e->size());
}

} // namespace vt
