// A window's client area: shows the scene image at (0, 0) under the controls, and reports
// the mouse, the wheel and its own size.
#pragma once

#include <QImage>
#include <QWidget>

namespace vt {

class SceneView final : public QWidget {
    Q_OBJECT
public:
    SceneView(const QImage& image, QWidget* parent);

signals:
    void mousePressed(Qt::MouseButton button, QPoint pos, Qt::KeyboardModifiers mods);
    void mouseMoved(QPoint pos); // with mouse tracking on, also without a button held
    void middleDragged(QPoint delta); // the mouse moved this far with the middle button held
    void wheelTurned(QPointF pos, double notches); // notches of 120 angle units, + away from the user
    void resized(QSize size);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    const QImage& image_;
    QPoint dragFrom_; // where the middle button drag was last reported
};

} // namespace vt
