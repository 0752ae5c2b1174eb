// Scene view; see SceneView.h.
#include "widgets/SceneView.h"

#include <QMouseEvent>
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
    emit mousePressed(e->button(), e->position().toPoint(), e->modifiers());
}

void SceneView::mouseMoveEvent(QMouseEvent* e) { emit mouseMoved(e->position().toPoint()); }

} // namespace vt
