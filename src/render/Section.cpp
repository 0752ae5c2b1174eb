// Cylinder section drawing. CylOutline 0-13 is the outer wall (open over the exhaust),
// 14-23 the port walls; PistonValve 0-4 the piston, 5-13 the valve.
#include "render/Section.h"

#include <cstddef>

namespace vt {

namespace {

// An open polyline through points [first, last] of a pair of arrays.
void Polyline(Canvas& c, const int32_t* xs, const int32_t* ys, int first, int last) {
    c.MoveTo(xs[first], ys[first]);
    for (int i = first + 1; i <= last; ++i) c.LineTo(xs[i], ys[i]);
}

// A polyline through the listed point numbers.
template <std::size_t N>
void Path(Canvas& c, const int32_t* xs, const int32_t* ys, const int (&points)[N]) {
    c.MoveTo(xs[points[0]], ys[points[0]]);
    for (std::size_t i = 1; i < N; ++i) c.LineTo(xs[points[i]], ys[points[i]]);
}

} // namespace

void DrawSection(Canvas& c, const State& s) {
    c.SetPenColor(colors::Gray);
    Polyline(c, s.CylOutlineX, s.CylOutlineY, 0, 13);
    Polyline(c, s.CylOutlineX, s.CylOutlineY, 14, 23);

    c.SetPenColor(colors::Black);
    const int32_t* px = s.PistonValveX;
    const int32_t* py = s.PistonValveY;
    c.MoveTo(s.PivotScrX[3], s.PivotScrY[3]); // piston rod
    c.LineTo(px[0], py[0]);
    Path(c, px, py, {4, 1, 2, 3, 4}); // piston
    c.MoveTo(s.PivotScrX[4], s.PivotScrY[4]); // valve spindle
    c.LineTo(px[5], py[5]);
    Path(c, px, py, {13, 6, 7, 8, 9, 10, 11, 12, 13}); // valve, closed
}

} // namespace vt
