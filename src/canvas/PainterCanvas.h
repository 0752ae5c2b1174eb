// The Canvas drawn as shapes through any QPainter: lines, ellipses, arcs and text stay
// lines, ellipses, arcs and text, so a diagram written to SVG or PDF holds true vectors.
#pragma once

#include "render/Canvas.h"

#include <QColor>
#include <QPainter>

namespace vt {

// Coordinates are the drawing's own units with pixel centres at whole numbers, as on the
// raster canvas: a one-unit line runs through the centres of the pixels it would set. The
// painter's transform places the units on the device; a pen's width is in units, so it
// scales with the picture. Text is the raster canvas's face and size, its cell's top-left
// corner at the point given. The painter stays the caller's.
class PainterCanvas final : public Canvas {
public:
    PainterCanvas(QPainter& painter, int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Clear() override;
    void SetPenColor(Color c) override;
    void SetPenWidth(int width) override;
    void SetFont(Color c, int pointSize, bool bold) override;
    void SetPixel(int x, int y, Color c) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) override;
    void TextOut(int x, int y, std::string_view text) override;

private:
    void UsePen();

    QPainter& painter_;
    int width_, height_;
    QColor pen_{Qt::black}, fontColor_{Qt::black};
    int penWidth_ = 1, fontSize_ = 8;
    bool bold_ = false;
    int penX_ = 0, penY_ = 0;
};

} // namespace vt
