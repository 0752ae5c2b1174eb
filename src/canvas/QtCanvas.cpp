// The Canvas on a QImage; see QtCanvas.h.
// Everything is clipped before Qt sees it, so QPainter only gets coordinates near the image.
#include "canvas/QtCanvas.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPen>
#include <QPolygonF>
#include <QString>

#include "model/Rounding.h"

#include <algorithm>
#include <cmath>

namespace vt {

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
// How far a chord of a wide outline may stray from the curve, in pixels: small enough
// that the polyline fills the pixels the true curve would.
constexpr double kOutlineTolerance = 0.05;

QColor ToQColor(Color c) { return QColor(c.r, c.g, c.b); }
uint32_t ToPixel(Color c) { return qRgb(c.r, c.g, c.b); }

} // namespace

QtCanvas::QtCanvas(int width, int height) { Resize(width, height); }

void QtCanvas::Resize(int width, int height) {
    if (painter_.isActive()) painter_.end();
    bits_ = nullptr;
    image_ = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    width_ = image_.width();
    height_ = image_.height();
    stride_ = image_.bytesPerLine() / 4;
    dirty_ = {0, 0, width_ - 1, height_ - 1};
    Clear();
}

void QtCanvas::SetPlacement(const Placement& p) {
    placement_ = p;
    dirty_ = {0, 0, width_ - 1, height_ - 1};
    fontDirty_ = true;
}

int QtCanvas::Width() const {
    return RoundClamped(std::floor((width_ - placement_.x) / placement_.scale), 0, INT32_MAX);
}

int QtCanvas::Height() const {
    return RoundClamped(std::floor((height_ - placement_.y) / placement_.scale), 0, INT32_MAX);
}

PixelGrid QtCanvas::Pixels() { return placement_.IsIdentity() ? Grid() : PixelGrid{}; }

clip::Point QtCanvas::ToDevice(double x, double y) const {
    return {x * placement_.scale + placement_.x, y * placement_.scale + placement_.y};
}

clip::EllipseShape QtCanvas::ToDevice(const clip::EllipseShape& e) const {
    const clip::Point c = ToDevice(e.cx, e.cy);
    return {c.x, c.y, e.rx * placement_.scale, e.ry * placement_.scale};
}

int QtCanvas::DevicePenWidth(int width) const {
    const int w = std::clamp(width, 1, kMaxPenWidth);
    if (w == 1) return 1;
    return RoundClamped(w * placement_.scale, 1, kMaxPenWidth * 16);
}

void QtCanvas::MarkDirty(double x0, double y0, double x1, double y1) {
    // A pen of width w reaches w pixels beyond the geometry; one more for rounding.
    const double reach = penWidth_ + 1.0;
    const auto lo = [](double v, int limit) { return RoundClamped(std::floor(v), 0, limit); };
    dirty_.x0 = std::min(dirty_.x0, lo(std::min(x0, x1) - reach, width_ - 1));
    dirty_.y0 = std::min(dirty_.y0, lo(std::min(y0, y1) - reach, height_ - 1));
    dirty_.x1 = std::max(dirty_.x1, lo(std::max(x0, x1) + reach, width_ - 1));
    dirty_.y1 = std::max(dirty_.y1, lo(std::max(y0, y1) + reach, height_ - 1));
}

QPainter& QtCanvas::Painter() {
    if (!painter_.isActive()) {
        painter_.begin(&image_); // detaches image_ if Image() handed out a copy
        bits_ = nullptr;
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, false);
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(MakePen());
        fontDirty_ = true;
    }
    return painter_;
}

uint32_t* QtCanvas::Bits() {
    // bits() detaches from any copy, so later writes never show in a snapshot.
    if (!bits_) bits_ = reinterpret_cast<uint32_t*>(image_.bits());
    return bits_;
}

PixelGrid QtCanvas::Grid() { return {Bits(), stride_, width_, height_}; }

void QtCanvas::PixelsWritten(int x0, int y0, int x1, int y1) {
    dirty_.x0 = std::clamp(std::min({dirty_.x0, x0, x1}), 0, width_ - 1);
    dirty_.y0 = std::clamp(std::min({dirty_.y0, y0, y1}), 0, height_ - 1);
    dirty_.x1 = std::clamp(std::max({dirty_.x1, x0, x1}), 0, width_ - 1);
    dirty_.y1 = std::clamp(std::max({dirty_.y1, y0, y1}), 0, height_ - 1);
}

QRect QtCanvas::ChangedRect() const {
    if (dirty_.x0 > dirty_.x1 || dirty_.y0 > dirty_.y1) return cleared_;
    return cleared_.united(QRect(QPoint(dirty_.x0, dirty_.y0), QPoint(dirty_.x1, dirty_.y1)));
}

void QtCanvas::WhitenOutside(const QRect& box) {
    const QRect keep = box.intersected(QRect(0, 0, width_, height_));
    uint32_t* bits = Bits();
    for (int y = 0; y < height_; ++y) {
        uint32_t* row = bits + ptrdiff_t(y) * stride_;
        if (y < keep.top() || y > keep.bottom() || keep.isEmpty()) {
            std::fill_n(row, width_, kWhite);
            continue;
        }
        std::fill(row, row + keep.left(), kWhite);
        std::fill(row + keep.right() + 1, row + width_, kWhite);
    }
}

const QImage& QtCanvas::Image() const {
    if (painter_.isActive()) painter_.end();
    bits_ = nullptr;
    return image_;
}

QPen QtCanvas::MakePen() const {
    QPen pen(ToQColor(pen_));
    pen.setWidth(penWidth_);
    // Round ends and joins, so wide lines drawn end to end meet cleanly.
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QFont QtCanvas::MakeFont() const {
    const int pixels = CanvasFontPixels(fontSize_);
    return CanvasFont(RoundClamped(pixels * placement_.scale, 1, 100000), bold_);
}

double QtCanvas::PixelCentre() const {
    // QPainter puts pixel centres at half-integers, the canvas at integers. An even-width
    // pen stays unshifted: its edges then fall between pixel centres, not on them.
    return penWidth_ % 2 == 1 ? 0.5 : 0.0;
}

QPointF QtCanvas::ToQt(clip::Point p) const { return {p.x + PixelCentre(), p.y + PixelCentre()}; }

clip::Rect QtCanvas::DrawRect() const {
    const double margin = penWidth_ + 2.0;
    return {-margin, -margin, width_ - 1 + margin, height_ - 1 + margin};
}

// Only what the last frame drew is whitened again: filling a whole large image would cost
// more than drawing the whole gear.
void QtCanvas::Clear() {
    if (dirty_.x0 <= dirty_.x1 && dirty_.y0 <= dirty_.y1) {
        uint32_t* bits = Bits();
        const auto width = static_cast<size_t>(dirty_.x1 - dirty_.x0 + 1);
        for (int y = dirty_.y0; y <= dirty_.y1; ++y)
            std::fill_n(bits + static_cast<ptrdiff_t>(y) * stride_ + dirty_.x0, width, kWhite);
    }
    cleared_ = QRect(QPoint(dirty_.x0, dirty_.y0), QPoint(dirty_.x1, dirty_.y1));
    dirty_ = {width_, height_, -1, -1};
    pen_ = fontColor_ = colors::Black;
    penWidth_ = 1;
    fontSize_ = 8;
    bold_ = false;
    fontDirty_ = true;
    penX_ = penY_ = 0;
    if (painter_.isActive()) painter_.setPen(MakePen());
}

void QtCanvas::SetPenColor(Color c) {
    pen_ = c;
    if (painter_.isActive()) painter_.setPen(MakePen());
}

void QtCanvas::SetPenWidth(int width) {
    penWidth_ = DevicePenWidth(width);
    if (painter_.isActive()) painter_.setPen(MakePen());
}

void QtCanvas::SetFont(Color c, int pointSize, bool bold) {
    fontColor_ = c;
    fontSize_ = pointSize;
    bold_ = bold;
    fontDirty_ = true;
}

// Under a scale the pixel is the square from its corner to the next one's, on the device.
void QtCanvas::SetPixel(int x, int y, Color c) {
    const clip::Point a = ToDevice(x, y), b = ToDevice(double(x) + 1, double(y) + 1);
    const int x0 = RoundClamped(std::max(a.x, 0.0), 0, width_);
    const int y0 = RoundClamped(std::max(a.y, 0.0), 0, height_);
    const int x1 = RoundClamped(std::min(b.x, double(width_)), 0, width_);
    const int y1 = RoundClamped(std::min(b.y, double(height_)), 0, height_);
    FillDevice(x0, y0, x1, y1, c);
}

// Pixels x0..x1-1 by y0..y1-1 of the image, which contains them.
void QtCanvas::FillDevice(int x0, int y0, int x1, int y1, Color c) {
    if (x0 >= x1 || y0 >= y1) return;
    uint32_t* bits = Bits();
    for (int py = y0; py < y1; ++py)
        std::fill(bits + ptrdiff_t(py) * stride_ + x0, bits + ptrdiff_t(py) * stride_ + x1,
                  ToPixel(c));
    PixelsWritten(x0, y0, x1 - 1, y1 - 1);
}

void QtCanvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void QtCanvas::LineTo(int x, int y) {
    const clip::Point from = ToDevice(penX_, penY_), to = ToDevice(x, y);
    const bool empty = x == penX_ && y == penY_;
    penX_ = x;
    penY_ = y;
    if (empty) return; // a zero-length line shows nothing
    MarkDirty(from.x, from.y, to.x, to.y);
    if (penWidth_ == 1) return DrawThinLine(Grid(), from, to, ToPixel(pen_));
    if (penWidth_ <= kMaxStampedWidth) return DrawStampedLine(from, to);
    if (const auto s = clip::ClipSegment(from, to, DrawRect()))
        Painter().drawLine(QLineF(ToQt(s->a), ToQt(s->b)));
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (const auto e = clip::EllipseInBox(clip::Normalised(x1, y1, x2, y2)))
        DrawOutline(ToDevice(*e), {0, clip::kTwoPi});
}

void QtCanvas::Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
    const clip::Box box = clip::Normalised(x1, y1, x2, y2);
    const auto e = clip::EllipseInBox(box);
    if (!e) return;
    const clip::Ray start = clip::RayFromCentre(box, xs, ys);
    const clip::Ray end = clip::RayFromCentre(box, xe, ye);
    // A uniform scale keeps the outline's parameter: the arc's range carries over.
    DrawOutline(ToDevice(*e), clip::ArcRange(*e, start, end));
}

void QtCanvas::DrawOutline(const clip::EllipseShape& e, clip::Range arc) {
    const clip::Rect area = DrawRect();
    MarkDirty(e.cx - e.rx, e.cy - e.ry, e.cx + e.rx, e.cy + e.ry);
    if (e.rx == 0 && e.ry == 0) { // a one-pixel box: the outline is a dot
        if (penWidth_ == 1) {
            if (!area.Contains({e.cx, e.cy})) return;
            const int x = RoundClamped(e.cx, -1, width_), y = RoundClamped(e.cy, -1, height_);
            return FillDevice(std::max(x, 0), std::max(y, 0), std::min(x + 1, width_),
                              std::min(y + 1, height_), pen_);
        }
        if (area.Contains({e.cx, e.cy})) Painter().drawPoint(ToQt({e.cx, e.cy}));
        return;
    }
    if (penWidth_ == 1) return DrawThinOutline(Grid(), e, arc, ToPixel(pen_));
    if (penWidth_ <= kMaxStampedWidth) return DrawStampedOutline(e, arc);
    for (const clip::Range& part : clip::VisibleParts(arc, clip::VisibleRanges(e, area)))
        DrawPolyline(clip::SampleOutline(e, part, kOutlineTolerance));
}

// Stamps a one-pixel shape over the square of offsets that a narrow wide pen covers.
template <typename Draw>
void QtCanvas::Stamp(Draw draw) {
    if (painter_.isActive()) painter_.end(); // the stamps write the bits directly
    bits_ = nullptr;
    const int low = -(penWidth_ / 2), high = (penWidth_ - 1) / 2;
    for (int dy = low; dy <= high; ++dy)
        for (int dx = low; dx <= high; ++dx) draw(dx, dy);
}

void QtCanvas::DrawStampedLine(clip::Point from, clip::Point to) {
    Stamp([&](int dx, int dy) {
        DrawThinLine(Grid(), {from.x + dx, from.y + dy}, {to.x + dx, to.y + dy}, ToPixel(pen_));
    });
}

// A narrow wide pen as the one-pixel outline stamped over a square of offsets: the same
// pixels a square brush would paint, at a fraction of the cost of stroking a polyline.
void QtCanvas::DrawStampedOutline(const clip::EllipseShape& e, clip::Range arc) {
    Stamp([&](int dx, int dy) {
        clip::EllipseShape shifted = e;
        shifted.cx += dx;
        shifted.cy += dy;
        DrawThinOutline(Grid(), shifted, arc, ToPixel(pen_));
    });
}

void QtCanvas::DrawPolyline(const std::vector<clip::Point>& points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const clip::Point& p : points)
        polygon.append(ToQt(p));
    Painter().drawPolyline(polygon);
}

// Text from cached glyphs (see GlyphCache.h), written straight into the pixels: no text
// layout per frame, and far-off coordinates only skip glyphs.
void QtCanvas::TextOut(int xUnits, int yUnits, std::string_view text) {
    const clip::Point at = ToDevice(xUnits, yUnits);
    const int x = RoundClamped(at.x, INT32_MIN, INT32_MAX);
    const int y = RoundClamped(at.y, INT32_MIN, INT32_MAX);
    if (text.empty() || x >= width_ || y >= height_) return;
    if (fontDirty_) {
        font_ = MakeFont();
        fontDirty_ = false;
    }
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int64_t height = glyphs_.LineHeight(font_);
    if (int64_t{y} + 2 * height < 0) return;
    const uint32_t value = ToPixel(fontColor_);
    const PixelGrid grid = Grid();
    int64_t penX = x;
    for (char32_t ch : s.toUcs4()) {
        if (penX >= width_) break;
        const GlyphCache::Glyph& g = glyphs_.Get(font_, ch);
        if (penX + g.advance + height >= 0) {
            for (const auto& [dx, dy] : g.pixels) {
                const int64_t px = penX + dx, py = int64_t{y} + dy;
                if (grid.Contains(px, py)) grid.Set(px, py, value);
            }
        }
        penX += g.advance;
    }
    MarkDirty(double(x) - double(height), double(y), double(penX) + double(height),
              double(y) + 2.0 * double(height));
}

} // namespace vt
