// Geometry that keeps far-off primitives cheap to draw: line clipping and the visible
// pieces of ellipse outlines as short polylines, in double precision. No Qt here.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vt::clip {

struct Point {
    double x = 0, y = 0;
};

// A closed rectangle, left <= right and top <= bottom.
struct Rect {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool Contains(Point p) const;
};

struct Segment {
    Point a, b;
};

// The part of the segment a-b inside r, or nothing. An end point inside r is returned
// unchanged (bit for bit), so an unclipped end keeps its exact pixel.
std::optional<Segment> ClipSegment(Point a, Point b, const Rect& r);

// The box of an ellipse, normalised (x1 <= x2, y1 <= y2); 64-bit so that sums and
// differences of any two int coordinates are exact.
struct Box {
    int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
Box Normalised(int x1, int y1, int x2, int y2);

// The outline as drawn: P(t) = (cx + rx cos t, cy - ry sin t). The minus makes t grow
// counter-clockwise on screen (y down), the direction arcs are drawn in.
struct EllipseShape {
    double cx = 0, cy = 0, rx = 0, ry = 0;
    Point At(double t) const;
};

// The ellipse inscribed in the box with its right and bottom edges left out: it spans
// pixels x1..x2-1 and y1..y2-1. An empty box (zero width or height) has none.
std::optional<EllipseShape> EllipseInBox(const Box& box);

// The direction from the box's centre to a point, doubled so that it stays integral.
struct Ray {
    int64_t dx = 0, dy = 0;
};
Ray RayFromCentre(const Box& box, int x, int y);

// True when both rays point the same way (decided exactly, not by comparing angles).
bool SameRay(Ray a, Ray b);

// The parameter t at which the ray from the centre meets the ellipse, in [0, 2 pi).
double ParamOfRay(const EllipseShape& e, Ray r);

// A parameter interval, from <= to; values may exceed 2 pi (P is periodic).
struct Range {
    double from = 0, to = 0;
};

inline constexpr double kTwoPi = 6.283185307179586476925286766559;

// The arc counter-clockwise from the start ray to the end ray; coinciding rays give the
// whole outline, starting at the start ray.
Range ArcRange(const EllipseShape& e, Ray start, Ray end);

// The intervals of [0, 2 pi] on which the outline lies inside r, in increasing order.
std::vector<Range> VisibleRanges(const EllipseShape& e, const Rect& r);

// The parts of the arc that are visible, in drawing order. arc.from lies in [0, 2 pi)
// and arc.to - arc.from is at most 2 pi.
std::vector<Range> VisibleParts(Range arc, const std::vector<Range>& visible);

// Points along the outline over the range, both ends included, close enough together
// that no chord strays more than `tolerance` pixels from the curve. Between the ends the
// points sit on a fixed lattice of t that includes the four axis ends, so overlapping
// arcs of one ellipse share their pixels and the box edges are met exactly.
std::vector<Point> SampleOutline(const EllipseShape& e, Range range, double tolerance);

} // namespace vt::clip
