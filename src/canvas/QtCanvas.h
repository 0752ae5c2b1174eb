// The Canvas painted onto a QImage (Format_RGB32) with QPainter, crisp pixels and no
// antialiasing; single pixels go straight into the image's bits. A placement shows a
// drawing made in its own units at any size.
#pragma once

#include "canvas/CanvasFont.h"
#include "canvas/GlyphCache.h"
#include "render/Canvas.h"
#include "render/Clip.h"
#include "render/Placement.h"
#include "render/ThinPen.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vt {

// One-pixel lines and outlines are rasterised here, straight into the bits (ThinPen),
// because the end-pixel rule depends on direction: Qt's one-pixel line treats its two
// ends alike. Wider pens and text go through QPainter.
//
// Owns its image. The painter is begun on the first primitive that needs it and stays
// open until Image() is asked for, so a frame costs one begin/end pair. SetPixel and
// Clear write through a cached pointer to the bits; that is safe while the painter is
// open because the raster engine draws into those same bits immediately. Image() drops
// the pointer as well: a copy of the image taken then is a true snapshot, because the
// next write re-fetches the bits and so detaches from the copy.
//
// Under a placement other than the identity, every coordinate is the drawing's own unit:
// end points, boxes and text positions are mapped to device pixels before they are drawn,
// one-pixel lines and outlines stay one device pixel (still through ThinPen), wider pens
// are their width times the scale, text is drawn at the scaled size and a single pixel
// becomes the square it covers. At the identity every pixel is exactly as without one.
//
// Fonts need a QGuiApplication; everything else works without one.

class QtCanvas final : public Canvas {
public:
    explicit QtCanvas(int width = 1280, int height = 1024);
    QtCanvas(const QtCanvas&) = delete; // the painter holds the image's address
    QtCanvas& operator=(const QtCanvas&) = delete;

    // A new white image of the given size (at least 1 x 1) in place of the old one, whose
    // address stays the same: a widget that shows Image() follows.
    void Resize(int width, int height);
    // Where the drawing's units land from the next Clear on, which whitens the whole image.
    void SetPlacement(const Placement& p);
    const Placement& GetPlacement() const { return placement_; }

    // The extent in the drawing's units: the image's size at the identity.
    int Width() const override;
    int Height() const override;
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
    // The pixels only at the identity; under a scale SetPixel draws each one's square.
    PixelGrid Pixels() override;
    void PixelsWritten(int x0, int y0, int x1, int y1) override;

    // Where the image may differ from the frame before the last Clear: what that Clear
    // whitened and what has been drawn since. A window repaints only this.
    QRect ChangedRect() const;

    // Whitens the image outside `box` (device pixels): what a drawing puts beyond its
    // layout's edges stays out of a larger image, as the layout's own size leaves it out.
    void WhitenOutside(const QRect& box);

    // The finished picture. Ends the painter (see above); drawing may go on afterwards.
    const QImage& Image() const;

    // Pen widths are clamped to this, which keeps the clipping margin small.
    static constexpr int kMaxPenWidth = 16;

private:
    QPainter& Painter();
    uint32_t* Bits();
    PixelGrid Grid();
    QPen MakePen() const;
    QFont MakeFont() const;
    // Where lines and outlines are clipped to: the image plus a margin wider than the pen,
    // so clipped ends never show.
    clip::Rect DrawRect() const;
    double PixelCentre() const;
    QPointF ToQt(clip::Point p) const;
    // A point, an ellipse and a pen width of the drawing on the device.
    clip::Point ToDevice(double x, double y) const;
    clip::EllipseShape ToDevice(const clip::EllipseShape& e) const;
    int DevicePenWidth(int width) const;
    void FillDevice(int x0, int y0, int x1, int y1, Color c);
    void DrawOutline(const clip::EllipseShape& e, clip::Range arc);
    void DrawPolyline(const std::vector<clip::Point>& points);
    void DrawStampedOutline(const clip::EllipseShape& e, clip::Range arc);
    void DrawStampedLine(clip::Point from, clip::Point to);
    template <typename Draw> void Stamp(Draw draw);
    // Outlines up to this pen width are stamped; wider ones are stroked by QPainter.
    static constexpr int kMaxStampedWidth = 3;

    // Grows the rectangle that the next Clear whitens by a shape's extent and the pen.
    void MarkDirty(double x0, double y0, double x1, double y1);

    QImage image_;
    int width_ = 0, height_ = 0;
    ptrdiff_t stride_ = 0; // pixels from one row to the next
    Placement placement_;
    mutable QPainter painter_;
    mutable uint32_t* bits_ = nullptr; // valid while set; see the class comment
    Color pen_ = colors::Black;
    int penWidth_ = 1; // on the device
    Color fontColor_ = colors::Black;
    int fontSize_ = 8;
    bool bold_ = false;
    bool fontDirty_ = true; // font_ lags behind the settings above
    QFont font_;
    GlyphCache glyphs_;
    int penX_ = 0, penY_ = 0;
    struct {
        int x0, y0, x1, y1; // inclusive; empty when x0 > x1
    } dirty_{};
    QRect cleared_;
};

} // namespace vt
