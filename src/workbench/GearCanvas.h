// The workbench's drawing area: paints the gear's picture (and a compared design's ghost
// beneath it) through the Canvas, zooms about the cursor with the wheel, pans with a
// middle drag and keeps a fitted view fitted when the window is resized.
#pragma once

#include "workbench/GearPicture.h"

#include <QWidget>

#include <optional>
#include <utility>

namespace vt::wb {

class GearCanvas final : public QWidget {
    Q_OBJECT
  public:
    explicit GearCanvas(QWidget* parent = nullptr);

    void SetPicture(GearPicture pic) { pic_ = std::move(pic), update(); }
    void SetGhost(std::optional<GearPicture> ghost) { ghost_ = std::move(ghost), update(); }
    // A length marked between two model points; nullopt marks nothing.
    void SetMark(std::optional<std::pair<Vec2, Vec2>> mark) { mark_ = std::move(mark), update(); }
    // Fits the box into the area, now and at every resize until the user zooms or pans.
    void Fit(const Box& b);
    const GearView& View() const { return view_; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    GearPicture pic_;
    std::optional<GearPicture> ghost_;
    std::optional<std::pair<Vec2, Vec2>> mark_;
    GearView view_;
    Box fitted_; // empty once the user has moved the view
    QPoint dragFrom_;
};

} // namespace vt::wb
