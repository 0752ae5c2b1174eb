// The Canvas as shapes; see PainterCanvas.h.
#include "canvas/PainterCanvas.h"

#include "canvas/CanvasFont.h"
#include "canvas/QtCanvas.h"
#include "render/Clip.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPen>
#include <QString>

#include <algorithm>
#include <numbers>

namespace vt {

namespace {

QColor ToQColor(Color c) { return QColor(c.r, c.g, c.b); }

// A pixel's centre in the painter's coordinates, where pixel x spans x to x + 1.
QPointF Centre(double x, double y) { return {x + 0.5, y + 0.5}; }

// The rectangle of the ellipse the raster canvas outlines for the box.
QRectF EllipseRect(const clip::EllipseShape& e) {
    return {Centre(e.cx - e.rx, e.cy - e.ry), Centre(e.cx + e.rx, e.cy + e.ry)};
}

double Degrees(double radians) { return radians * 180 / std::numbers::pi; }

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, int width, int height)
    : painter_(painter), width_(width), height_(height) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setBrush(Qt::NoBrush);
    UsePen();
}

void PainterCanvas::UsePen() {
    QPen pen(pen_, penWidth_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
}

void PainterCanvas::Clear() {
    painter_.fillRect(QRectF(0, 0, width_, height_), Qt::white);
    pen_ = fontColor_ = Qt::black;
    penWidth_ = 1;
    fontSize_ = 8;
    bold_ = false;
    penX_ = penY_ = 0;
    UsePen();
}

void PainterCanvas::SetPenColor(Color c) {
    pen_ = ToQColor(c);
    UsePen();
}

void PainterCanvas::SetPenWidth(int width) {
    penWidth_ = std::clamp(width, 1, QtCanvas::kMaxPenWidth);
    UsePen();
}

void PainterCanvas::SetFont(Color c, int pointSize, bool bold) {
    fontColor_ = ToQColor(c);
    fontSize_ = pointSize;
    bold_ = bold;
}

void PainterCanvas::SetPixel(int x, int y, Color c) {
    painter_.fillRect(QRectF(x, y, 1, 1), ToQColor(c));
}

void PainterCanvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void PainterCanvas::LineTo(int x, int y) {
    if (x != penX_ || y != penY_) painter_.drawLine(Centre(penX_, penY_), Centre(x, y));
    penX_ = x;
    penY_ = y;
}

void PainterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (const auto e = clip::EllipseInBox(clip::Normalised(x1, y1, x2, y2)))
        painter_.drawEllipse(EllipseRect(*e));
}

// Qt's arc angles run counter-clockwise on screen along the ellipse's parameter, as the
// canvas's do.
void PainterCanvas::Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
    const clip::Box box = clip::Normalised(x1, y1, x2, y2);
    const auto e = clip::EllipseInBox(box);
    if (!e) return;
    const clip::Range arc =
        clip::ArcRange(*e, clip::RayFromCentre(box, xs, ys), clip::RayFromCentre(box, xe, ye));
    const QRectF rect = EllipseRect(*e);
    QPainterPath path;
    path.arcMoveTo(rect, Degrees(arc.from));
    path.arcTo(rect, Degrees(arc.from), Degrees(arc.to - arc.from));
    painter_.drawPath(path);
}

void PainterCanvas::TextOut(int x, int y, std::string_view text) {
    if (text.empty()) return;
    const QFont font = CanvasFont(CanvasFontPixels(fontSize_), bold_);
    painter_.save();
    painter_.setFont(font);
    painter_.setPen(fontColor_);
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    painter_.drawText(QPointF(x, y + QFontMetrics(font).ascent()), s);
    painter_.restore();
}

} // namespace vt
