// The main window's client area: shows the scene image at (0, 0) under the controls.
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

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    const QImage& image_;
};

} // namespace vt
