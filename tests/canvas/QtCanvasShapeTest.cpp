// QtCanvas ellipses and arcs read back pixel by pixel: box edges, outline shape, arc
// direction and extent, degenerate boxes, and shapes far larger than the image.
#include "canvas/ImageProbe.h"
#include "canvas/QtCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt {
namespace {

using test::InkExtent;
using test::InkNear;
using test::InkPixels;
using test::IsInk;
using test::Picture;
using test::Pixel;

constexpr double kPi = 3.14159265358979323846;
constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

struct Box {
    int x1, y1, x2, y2;
    double Cx() const { return (x1 + x2 - 1) / 2.0; }
    double Cy() const { return (y1 + y2 - 1) / 2.0; }
};

// Direction of a pixel seen from (cx, cy), in degrees counter-clockwise from +x on
// screen, in [0, 360).
double AngleOf(Pixel p, double cx, double cy) {
    const double a = std::atan2(-(p.y - cy), p.x - cx) * 180 / kPi;
    return a < 0 ? a + 360 : a;
}

// A circle of radius r about (cx, cy) drawn as an arc between the rays at the given
// angles (degrees counter-clockwise from +x on screen).
void CircleArc(Canvas& c, int cx, int cy, int r, double fromDeg, double toDeg) {
    const auto at = [&](double deg, int centre, double (*f)(double), int sign) {
        return centre + sign * static_cast<int>(std::lround(r * f(deg * kPi / 180)));
    };
    c.Arc(cx - r, cy - r, cx + r + 1, cy + r + 1, at(fromDeg, cx, std::cos, 1),
          at(fromDeg, cy, std::sin, -1), at(toDeg, cx, std::cos, 1), at(toDeg, cy, std::sin, -1));
}

TEST(QtCanvasEllipse, FillsTheBoxLessItsRightAndBottomEdges) {
    const Box boxes[] = {
        {10, 20, 41, 37}, {5, 5, 15, 15}, {100, 100, 300, 160}, {50, 60, 53, 90}, {7, 7, 9, 9}};
    for (const Box& b : boxes) {
        QtCanvas c(320, 200);
        c.Ellipse(b.x1, b.y1, b.x2, b.y2);
        const QImage& image = c.Image();
        const auto e = InkExtent(image);
        ASSERT_FALSE(e.empty);
        EXPECT_EQ(e.left, b.x1) << Picture(image, b.x1 - 1, b.y1 - 1, b.x2, b.y2);
        EXPECT_EQ(e.top, b.y1);
        EXPECT_EQ(e.right, b.x2 - 1);
        EXPECT_EQ(e.bottom, b.y2 - 1);
        if (b.x2 - b.x1 < 5) continue;
        EXPECT_FALSE(IsInk(image, static_cast<int>(b.Cx()), static_cast<int>(b.Cy())))
            << "outline only, no fill";
    }
}

TEST(QtCanvasEllipse, OutlineIsClosedAndOnTheCurve) {
    const Box b{40, 30, 241, 131}; // 200 x 100 pixels
    QtCanvas c(300, 200);
    c.Ellipse(b.x1, b.y1, b.x2, b.y2);
    const QImage& image = c.Image();
    const double rx = (b.x2 - b.x1 - 1) / 2.0, ry = (b.y2 - b.y1 - 1) / 2.0;
    const auto ink = InkPixels(image);
    ASSERT_GT(ink.size(), 400u);
    for (const Pixel& p : ink) {
        int neighbours = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                neighbours += (dx || dy) && IsInk(image, p.x + dx, p.y + dy);
        EXPECT_GE(neighbours, 2) << "a gap or a stray pixel at " << p.x << "," << p.y;
        // Distance to the curve, to first order: (f - 1) / |grad f|.
        const double u = (p.x - b.Cx()) / rx, v = (p.y - b.Cy()) / ry;
        const double grad = 2 * std::hypot(u / rx, v / ry);
        EXPECT_LT(std::abs(u * u + v * v - 1) / grad, 0.75) << p.x << "," << p.y;
    }
}

TEST(QtCanvasEllipse, OutlineIsMirrorSymmetric) {
    const Box boxes[] = {{10, 10, 71, 41}, {10, 10, 70, 40}, {3, 4, 24, 19}};
    for (const Box& b : boxes) {
        QtCanvas c(100, 60);
        c.Ellipse(b.x1, b.y1, b.x2, b.y2);
        const QImage& image = c.Image();
        for (const Pixel& p : InkPixels(image)) {
            EXPECT_TRUE(IsInk(image, b.x1 + b.x2 - 1 - p.x, p.y)) << p.x << "," << p.y;
            EXPECT_TRUE(IsInk(image, p.x, b.y1 + b.y2 - 1 - p.y)) << p.x << "," << p.y;
        }
    }
}

TEST(QtCanvasEllipse, BoxesAreNormalisedAndDegenerateOnesAreSafe) {
    QtCanvas plain(100, 80), flipped(100, 80);
    plain.Ellipse(10, 20, 61, 57);
    flipped.Ellipse(61, 57, 10, 20);
    EXPECT_EQ(flipped.Image(), plain.Image());
    flipped.Clear();
    flipped.Ellipse(10, 57, 61, 20);
    EXPECT_EQ(flipped.Image(), plain.Image());

    QtCanvas c(100, 80);
    c.Ellipse(10, 10, 10, 50); // no width
    c.Ellipse(10, 10, 50, 10); // no height
    c.Arc(20, 20, 20, 20, 0, 0, 1, 1);
    EXPECT_TRUE(InkPixels(c.Image()).empty());

    c.Ellipse(30, 10, 31, 50); // one pixel wide: a column
    c.Ellipse(60, 60, 61, 61); // one pixel: a dot
    const auto ink = InkPixels(c.Image());
    EXPECT_EQ(ink.size(), 41u) << Picture(c.Image(), 28, 8, 62, 62);
    for (int y = 10; y < 50; ++y)
        EXPECT_TRUE(IsInk(c.Image(), 30, y)) << y;
    EXPECT_TRUE(IsInk(c.Image(), 60, 60));
}

TEST(QtCanvasEllipse, WidePensThickenTheOutline) {
    for (int width : {1, 2, 3}) {
        QtCanvas c(100, 100);
        c.SetPenWidth(width);
        c.Ellipse(10, 10, 91, 91); // centre (50, 50)
        int row = 0, column = 0;
        for (int i = 0; i < 30; ++i) {
            row += IsInk(c.Image(), i, 50);
            column += IsInk(c.Image(), 50, i);
        }
        EXPECT_EQ(row, width);
        EXPECT_EQ(column, width);
    }
}

TEST(QtCanvasArc, StartUpLeftEndDownLeftDrawsTheLeftPart) {
    // Rays at -110 and +110 degrees in pixel space (y down): up-left, then down-left.
    // Counter-clockwise from the first to the second covers the 140 degrees round 180.
    const int cx = 400, cy = 300, r = 100;
    const double a = 110 * kPi / 180;
    const auto px = [&](double t) { return cx + static_cast<int>(std::lround(r * std::cos(t))); };
    const auto py = [&](double t) { return cy + static_cast<int>(std::lround(r * std::sin(t))); };
    QtCanvas c(800, 600);
    c.Arc(cx - r, cy - r, cx + r, cy + r, px(-a), py(-a), px(a), py(a));
    const QImage& image = c.Image();
    const double ox = cx - 0.5, oy = cy - 0.5; // the drawn circle's centre
    const auto ink = InkPixels(image);
    ASSERT_GT(ink.size(), 150u);
    double lo = 360, hi = 0;
    for (const Pixel& p : ink) {
        const double angle = AngleOf(p, ox, oy);
        lo = std::min(lo, angle);
        hi = std::max(hi, angle);
    }
    EXPECT_NEAR(lo, 110, 1.5);
    EXPECT_NEAR(hi, 250, 1.5);
    for (double deg = 112; deg <= 248; deg += 4) {
        const double t = deg * kPi / 180;
        EXPECT_TRUE(InkNear(image, ox + (r - 0.5) * std::cos(t), oy - (r - 0.5) * std::sin(t), 1))
            << deg << " degrees";
    }
    for (int y = cy - r; y < cy + r; ++y)
        for (int x = cx; x < cx + r; ++x)
            ASSERT_FALSE(IsInk(image, x, y)) << "right side " << x;
}

TEST(QtCanvasArc, SwappedRaysDrawTheRestOfTheEllipse) {
    QtCanvas left(300, 300), right(300, 300), whole(300, 300);
    CircleArc(left, 150, 150, 80, 110, 250);
    CircleArc(right, 150, 150, 80, 250, 110);
    whole.Ellipse(70, 70, 231, 231);
    for (const Pixel& p : InkPixels(right.Image())) {
        const double angle = AngleOf(p, 150, 150);
        ASSERT_TRUE(angle < 111.5 || angle > 248.5) << p.x << "," << p.y;
    }
    EXPECT_TRUE(IsInk(right.Image(), 230, 150));
    EXPECT_FALSE(IsInk(right.Image(), 70, 150));
    // Between them the two arcs draw each pixel of the ellipse exactly once.
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 300; ++x) {
            const bool l = IsInk(left.Image(), x, y), r = IsInk(right.Image(), x, y);
            ASSERT_EQ(l || r, IsInk(whole.Image(), x, y)) << x << "," << y;
            ASSERT_FALSE(l && r) << x << "," << y;
        }
    }
}

TEST(QtCanvasArc, RunsCounterClockwiseOnScreen) {
    QtCanvas c(300, 300);
    CircleArc(c, 150, 150, 80, 0, 90); // from three o'clock up to twelve
    const auto e = InkExtent(c.Image());
    ASSERT_FALSE(e.empty);
    EXPECT_GE(e.left, 149);
    EXPECT_LE(e.bottom, 151);
    EXPECT_EQ(e.top, 70);
    EXPECT_EQ(e.right, 230);
}

TEST(QtCanvasArc, CoincidentRaysDrawTheWholeEllipse) {
    QtCanvas whole(300, 200), zero(300, 200), slanted(300, 200);
    whole.Ellipse(20, 30, 280, 170);                 // centre (150, 100)
    zero.Arc(20, 30, 280, 170, 290, 100, 290, 100);  // the same point, along +x
    slanted.Arc(20, 30, 280, 170, 160, 90, 170, 80); // one direction, different points
    EXPECT_FALSE(InkPixels(whole.Image()).empty());
    EXPECT_EQ(zero.Image(), whole.Image());
    EXPECT_EQ(slanted.Image(), whole.Image());
}

TEST(QtCanvasArc, RaysAreGeometricOnAnEllipse) {
    // A 300 x 100 ellipse; rays at 45 and 135 degrees meet it at x = cx +- 47.4, not at
    // cx +- 106 where the parametric angles 45 and 135 would fall.
    QtCanvas c(400, 200);
    c.Arc(50, 50, 351, 151, 300, 0, 100, 0); // centre (200, 100)
    const auto e = InkExtent(c.Image());
    ASSERT_FALSE(e.empty);
    EXPECT_NEAR(e.left, 200 - 47.4, 1.5);
    EXPECT_NEAR(e.right, 200 + 47.4, 1.5);
    EXPECT_EQ(e.top, 50);
    EXPECT_LT(e.bottom, 70);
}

TEST(QtCanvasFarOff, HugeCircleThroughTheImageLandsOnItsCurve) {
    // Radius a million, centred far down-right: it crosses the image near (640, 512)
    // at 45 degrees.
    const int r = 1000000, cx = 640 + 707107, cy = 512 + 707107;
    QtCanvas c;
    c.Ellipse(cx - r, cy - r, cx + r + 1, cy + r + 1);
    const QImage& image = c.Image();
    const auto ink = InkPixels(image);
    ASSERT_GT(ink.size(), 900u);
    EXPECT_LT(ink.size(), 2500u);
    for (const Pixel& p : ink) {
        const double off = std::hypot(p.x - cx, p.y - cy) - r;
        ASSERT_LT(std::abs(off), 1.0) << p.x << "," << p.y;
    }
    for (int y = 0; y < c.Height(); y += 8) {
        const double x = cx - std::sqrt(double(r) * r - double(y - cy) * (y - cy));
        if (x < 1 || x >= c.Width() - 1) continue;
        EXPECT_TRUE(InkNear(image, x, y, 1)) << "row " << y;
    }
}

TEST(QtCanvasFarOff, WidePensOnHugeCirclesStayOnTheirCurve) {
    const int r = 1000000, cx = 640 + 707107, cy = 512 + 707107;
    QtCanvas c;
    c.SetPenWidth(3);
    c.Ellipse(cx - r, cy - r, cx + r + 1, cy + r + 1);
    const QImage& image = c.Image();
    const auto ink = InkPixels(image);
    ASSERT_GT(ink.size(), 2500u);
    EXPECT_LT(ink.size(), 6000u);
    for (const Pixel& p : ink) {
        const double off = std::hypot(p.x - cx, p.y - cy) - r;
        ASSERT_LT(std::abs(off), 2.5) << p.x << "," << p.y;
    }
    for (int y = 0; y < c.Height(); y += 8) {
        const double x = cx - std::sqrt(double(r) * r - double(y - cy) * (y - cy));
        if (x < 2 || x >= c.Width() - 2) continue;
        EXPECT_TRUE(IsInk(image, static_cast<int>(std::lround(x)), y)) << "row " << y;
    }
}

TEST(QtCanvasFarOff, HugeArcsShowOnlyTheirOwnPart) {
    const int r = 1000000, cx = 640 + 707107, cy = 512 + 707107;
    const int x1 = cx - r, y1 = cy - r, x2 = cx + r + 1, y2 = cy + r + 1;
    QtCanvas through, away, whole;
    whole.Ellipse(x1, y1, x2, y2);
    // The image lies at 135 degrees from the centre: between up (90) and left (180).
    through.Arc(x1, y1, x2, y2, cx - 10, cy - 1000, cx - 1000, cy - 10);
    away.Arc(x1, y1, x2, y2, cx - 1000, cy - 10, cx - 10, cy - 1000);
    EXPECT_EQ(through.Image(), whole.Image());
    EXPECT_TRUE(InkPixels(away.Image()).empty());
}

TEST(QtCanvasFarOff, EllipsesAroundOrBesideTheImageDrawNothing) {
    QtCanvas c;
    c.Ellipse(-1000000, -1000000, 1000000, 1000000); // the image is inside it
    c.Ellipse(kMin, kMin, kMax, kMax);
    c.Ellipse(2000, 2000, 3000, 3000);
    c.Ellipse(kMin, kMin, kMin + 10, kMin + 10);
    c.Ellipse(kMax - 10, 0, kMax, 100);
    c.Arc(kMin, kMin, kMax, kMax, kMin, kMin, kMax, kMax);
    EXPECT_TRUE(InkPixels(c.Image()).empty());
}

TEST(QtCanvasFarOff, TheWidestFlatEllipseCrossesAsTwoRows) {
    // From x = -2^31 to 2^31 - 1 and 100 pixels tall: inside the image its outline is
    // flat, one row at the top of the box and one at the bottom.
    QtCanvas c;
    c.Ellipse(kMin, 500, kMax, 600);
    const QImage& image = c.Image();
    for (int x = 0; x < c.Width(); ++x) {
        ASSERT_TRUE(IsInk(image, x, 500)) << x;
        ASSERT_TRUE(IsInk(image, x, 599)) << x;
    }
    EXPECT_EQ(InkPixels(image).size(), 2u * static_cast<size_t>(c.Width()));
}

TEST(QtCanvasFarOff, ExtremeRaysStillPickADirection) {
    // Rays through opposite far corners: up-left (135 degrees) round to down-right (315).
    QtCanvas c(300, 300);
    c.Arc(50, 50, 251, 251, kMin, kMin, kMax, kMax);
    const auto ink = InkPixels(c.Image());
    ASSERT_GT(ink.size(), 100u);
    for (const Pixel& p : ink) {
        const double angle = AngleOf(p, 150, 150);
        ASSERT_GE(angle, 133.5) << p.x << "," << p.y;
        ASSERT_LE(angle, 316.5) << p.x << "," << p.y;
    }
    EXPECT_TRUE(IsInk(c.Image(), 50, 150));
}

} // namespace
} // namespace vt
