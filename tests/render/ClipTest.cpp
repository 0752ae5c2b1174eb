// The clipping geometry behind QtCanvas: segments cut to a rectangle, ellipse boxes and
// rays, the visible pieces of an outline and how finely they are sampled.
#include "render/Clip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt::clip {
namespace {

constexpr double kPi = kTwoPi / 2;
constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();
const Rect kImage{-4, -4, 1283, 1027};

double Degrees(double radians) { return radians * 180 / kPi; }

// How far p is from the line through a and b, in pixels.
double OffLine(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    return std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::hypot(dx, dy);
}

// (x/rx)^2 + (y/ry)^2 - 1 relative to the centre: zero on the outline.
double OffEllipse(const EllipseShape& e, Point p) {
    const double u = (p.x - e.cx) / e.rx, v = (p.y - e.cy) / e.ry;
    return u * u + v * v - 1;
}

TEST(ClipSegment, KeepsInsideSegmentsBitForBit) {
    const auto s = ClipSegment({10, 20}, {30.25, 40.5}, kImage);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->a.x, 10);
    EXPECT_EQ(s->a.y, 20);
    EXPECT_EQ(s->b.x, 30.25);
    EXPECT_EQ(s->b.y, 40.5);
}

TEST(ClipSegment, CutsAtTheEdgesAndStaysOnTheLine) {
    const Point a{-1000000, 100}, b{500, 700};
    const auto s = ClipSegment(a, b, kImage);
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->a.x, kImage.left);
    EXPECT_LT(OffLine(s->a, a, b), 1e-6);
    EXPECT_EQ(s->b.x, b.x); // the inside end is untouched
    EXPECT_EQ(s->b.y, b.y);

    const Point far1{640 - 3e9, 512 - 2e9}, far2{640 + 3e9, 512 + 2e9};
    const auto t = ClipSegment(far1, far2, kImage);
    ASSERT_TRUE(t);
    EXPECT_TRUE(kImage.Contains(t->a));
    EXPECT_TRUE(kImage.Contains(t->b));
    EXPECT_LT(OffLine(t->a, far1, far2), 1e-3);
    EXPECT_LT(OffLine(t->b, far1, far2), 1e-3);
    EXPECT_GT(std::hypot(t->b.x - t->a.x, t->b.y - t->a.y), 100);
}

TEST(ClipSegment, RejectsSegmentsThatMissTheRectangle) {
    EXPECT_FALSE(ClipSegment({-1e6, -5}, {1e6, -5}, kImage));   // parallel, above
    EXPECT_FALSE(ClipSegment({2000, 0}, {3000, 1000}, kImage)); // beside
    EXPECT_FALSE(ClipSegment({-20, 5}, {5, -20}, kImage));      // past the corner
    EXPECT_FALSE(ClipSegment({0, 2000}, {0, 1500}, kImage));    // short, below
}

TEST(EllipseBox, SpansTheBoxLessItsRightAndBottomEdges) {
    const auto e = EllipseInBox(Normalised(10, 20, 41, 37));
    ASSERT_TRUE(e);
    EXPECT_DOUBLE_EQ(e->cx - e->rx, 10);
    EXPECT_DOUBLE_EQ(e->cx + e->rx, 40);
    EXPECT_DOUBLE_EQ(e->cy - e->ry, 20);
    EXPECT_DOUBLE_EQ(e->cy + e->ry, 36);

    const auto flipped = EllipseInBox(Normalised(41, 37, 10, 20));
    ASSERT_TRUE(flipped);
    EXPECT_EQ(flipped->cx, e->cx);
    EXPECT_EQ(flipped->ry, e->ry);
}

TEST(EllipseBox, EmptyBoxesHaveNoEllipseAndExtremeBoxesStayExact) {
    EXPECT_FALSE(EllipseInBox(Normalised(10, 10, 10, 50)));
    EXPECT_FALSE(EllipseInBox(Normalised(10, 10, 50, 10)));

    const auto wide = EllipseInBox(Normalised(kMin, kMin, kMax, kMax));
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->cx, -1);
    EXPECT_EQ(wide->rx, 2147483647);
}

TEST(Rays, SameDirectionIsDecidedExactly) {
    EXPECT_TRUE(SameRay({3, 4}, {9, 12}));
    EXPECT_TRUE(SameRay({-2, 0}, {-2000000000, 0}));
    EXPECT_TRUE(SameRay({0, 0}, {0, 0}));
    EXPECT_FALSE(SameRay({3, 4}, {-3, -4}));
    EXPECT_FALSE(SameRay({3, 4}, {3, 5}));
    // Directions a double angle cannot tell apart.
    EXPECT_FALSE(SameRay({4294967294, 4294967293}, {4294967293, 4294967292}));
}

TEST(Rays, TheRayMeetsTheOutlineAtItsParameter) {
    const EllipseShape e{100, 50, 150, 40};
    const Ray rays[] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}, {3, -7}, {-5, 2}, {4000000000, 1}};
    for (const Ray& r : rays) {
        const double t = ParamOfRay(e, r);
        EXPECT_GE(t, 0);
        EXPECT_LT(t, kTwoPi);
        const Point p = e.At(t);
        const double dx = p.x - e.cx, dy = p.y - e.cy;
        const double rx = static_cast<double>(r.dx), ry = static_cast<double>(r.dy);
        EXPECT_NEAR(dx * ry - dy * rx, 0, 1e-6 * std::hypot(rx, ry)) << r.dx << "," << r.dy;
        EXPECT_GT(dx * rx + dy * ry, 0) << "the ray's own side, not the opposite one";
    }
    EXPECT_DOUBLE_EQ(ParamOfRay(e, {0, -1}), kPi / 2); // up on screen
}

TEST(Arcs, RunCounterClockwiseFromStartRayToEndRay) {
    const Box box{300, 200, 500, 400}; // centre (400, 300)
    const auto e = EllipseInBox(box);
    ASSERT_TRUE(e);
    const double a = 110 * kPi / 180;
    const auto rayAt = [&](double angle) {
        return RayFromCentre(box, static_cast<int>(std::lround(400 + 100 * std::cos(angle))),
                             static_cast<int>(std::lround(300 + 100 * std::sin(angle))));
    };
    const Range left = ArcRange(*e, rayAt(-a), rayAt(a)); // up-left to down-left
    EXPECT_NEAR(Degrees(left.from), 110, 0.5);
    EXPECT_NEAR(Degrees(left.to - left.from), 140, 1);

    const Range right = ArcRange(*e, rayAt(a), rayAt(-a));
    EXPECT_NEAR(Degrees(right.from), 250, 0.5);
    EXPECT_NEAR(Degrees(right.to - right.from), 220, 1);

    const Range full = ArcRange(*e, RayFromCentre(box, 410, 290), RayFromCentre(box, 450, 250));
    EXPECT_NEAR(Degrees(full.from), 45, 1e-9);
    EXPECT_DOUBLE_EQ(full.to - full.from, kTwoPi);
}

TEST(VisibleRanges, WholeNoneOrThePartInside) {
    const auto inside = VisibleRanges({640, 512, 100, 80}, kImage);
    ASSERT_EQ(inside.size(), 1u);
    EXPECT_EQ(inside[0].from, 0);
    EXPECT_EQ(inside[0].to, kTwoPi);

    EXPECT_TRUE(VisibleRanges({640, 512, 5000, 5000}, kImage).empty()); // image inside it
    EXPECT_TRUE(VisibleRanges({3000, 512, 100, 100}, kImage).empty());  // beside it

    // Poking out on the right: the inside part runs round the left, from the upper to
    // the lower crossing of the right edge.
    const EllipseShape e{1250, 512, 100, 100};
    const auto part = VisibleRanges(e, kImage);
    ASSERT_EQ(part.size(), 1u);
    EXPECT_NEAR(e.At(part[0].from).x, kImage.right, 1e-9);
    EXPECT_NEAR(e.At(part[0].to).x, kImage.right, 1e-9);
    EXPECT_LT(part[0].from, kPi);
    EXPECT_GT(part[0].to, kPi);
    EXPECT_FALSE(kImage.Contains(e.At(part[0].from - 0.01)));
    EXPECT_FALSE(kImage.Contains(e.At(part[0].to + 0.01)));
}

TEST(VisibleRanges, PiecesOfAHugeEllipseAcrossTheImage) {
    // Corners poke in: the circle's outline crosses the image four times.
    const EllipseShape e{640, 512, 700, 700};
    const auto parts = VisibleRanges(e, kImage);
    ASSERT_EQ(parts.size(), 4u);
    for (const Range& r : parts)
        EXPECT_TRUE(kImage.Contains(e.At((r.from + r.to) / 2)));
}

TEST(VisibleParts, ClipsTheArcAndJoinsAcrossTheStart) {
    const std::vector<Range> visible{{0, 1}, {5, kTwoPi}};
    const auto joined = VisibleParts({4.5, 7.5}, visible);
    ASSERT_EQ(joined.size(), 1u);
    EXPECT_EQ(joined[0].from, 5);
    EXPECT_DOUBLE_EQ(joined[0].to, kTwoPi + 1);

    const auto cut = VisibleParts({0.5, 5.5}, visible);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].from, 0.5);
    EXPECT_EQ(cut[0].to, 1);
    EXPECT_EQ(cut[1].from, 5);
    EXPECT_EQ(cut[1].to, 5.5);

    EXPECT_TRUE(VisibleParts({1.5, 4.5}, visible).empty());
}

TEST(SampleOutline, PointsLieOnTheCurveWithChordsWithinTolerance) {
    const EllipseShape e{300, 200, 250, 60};
    const double tolerance = 0.05;
    const Range range{0.3, 4.0};
    const auto points = SampleOutline(e, range, tolerance);
    ASSERT_GE(points.size(), 3u);
    EXPECT_EQ(points.front().x, e.At(range.from).x);
    EXPECT_EQ(points.back().y, e.At(range.to).y);
    bool top = false;
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(OffEllipse(e, points[i]), 0, 1e-12);
        top = top || std::abs(points[i].y - (e.cy - e.ry)) < 1e-9;
        if (i == 0) continue;
        // The chord's midpoint is the farthest it gets from the circle of curvature; a
        // chord within tolerance keeps its midpoint within tolerance of the curve.
        const Point m{(points[i - 1].x + points[i].x) / 2, (points[i - 1].y + points[i].y) / 2};
        const double du = (m.x - e.cx) / e.rx, dv = (m.y - e.cy) / e.ry;
        const double gap = (1 - std::hypot(du, dv)) * e.ry; // at most the distance
        EXPECT_LE(gap, tolerance + 1e-9);
    }
    EXPECT_TRUE(top) << "the top of the ellipse is one of the points";
}

TEST(SampleOutline, VisibleWorkStaysSmallForEnormousEllipses) {
    // A circle of radius a million crossing the image, and the widest possible box.
    const EllipseShape shapes[] = {{640 + 707107, 512 + 707107, 1e6, 1e6},
                                   {-1, 549.5, 2147483647, 49.5},
                                   {-1e6 + 300, 500, 1e6, 2e9}};
    for (const EllipseShape& e : shapes) {
        size_t total = 0;
        const auto parts = VisibleRanges(e, kImage);
        EXPECT_FALSE(parts.empty());
        for (const Range& r : parts)
            total += SampleOutline(e, r, 0.05).size();
        EXPECT_LT(total, 5000u) << e.cx << " " << e.cy;
    }
}

} // namespace
} // namespace vt::clip
