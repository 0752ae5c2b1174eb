// Linkage drawing. D is the driver diameter; pin circles are fractions of it.
#include "render/Linkage.h"

#include "model/Real.h"
#include "model/Rounding.h"
#include "model/View.h"

#include <cmath>

namespace vt {

namespace {

void Line(Canvas& c, const State& s, int m, int n) {
    c.MoveTo(s.PivotScrX[m], s.PivotScrY[m]);
    c.LineTo(s.PivotScrX[n], s.PivotScrY[n]);
}

void Segment(Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// The inner arc of the wheel turns with the driver: 140 degrees centred opposite the
// crank, on the circle of radius 0.35 D. The ray offsets are added in pixel space.
void DrawWheelArc(Canvas& c, const State& s) {
    const double d = s.DriverDia, scale = s.ViewScale;
    const double ox = s.ViewOffsetX, oy = s.ViewOffsetY;
    const double r = 0.35 * d * scale, reach = d * scale;
    const double a1 = (double(s.DriverAngle) - 110.0) * kRadPerDeg;
    const double a2 = (double(s.DriverAngle) + 110.0) * kRadPerDeg;
    c.Arc(ToPixel(ox - r), ToPixel(oy + r), ToPixel(ox + r), ToPixel(oy - r),
          ToPixel(ox + reach * std::cos(a1)), ToPixel(oy + reach * std::sin(a1)),
          ToPixel(ox + reach * std::cos(a2)), ToPixel(oy + reach * std::sin(a2)));
}

void DrawCross(Canvas& c, const State& s, int n, int near, int far) {
    const int x = s.PivotScrX[n], y = s.PivotScrY[n];
    Segment(c, x + near, y + near, x - far, y - far);
    Segment(c, x + near, y - near, x - far, y + far);
}

// The slot of the expansion link: an arc about pivot 14 from just below the reverse rod
// pin to just above the forward rod pin.
void DrawLink(Canvas& c, const State& s) {
    const double r = s.LinkRadius;
    const double x14 = s.PivotX[14], y14 = s.PivotY[14];
    c.Arc(ScreenX(s, x14 - r), ScreenY(s, y14 - r), ScreenX(s, x14 + r), ScreenY(s, y14 + r),
          ScreenX(s, s.PivotX[11]), ScreenY(s, s.PivotY[11] - 0.1 * r),
          ScreenX(s, s.PivotX[10]), ScreenY(s, s.PivotY[10] + 0.1 * r));
}

} // namespace

void CircleAbout(Canvas& c, const State& s, int n, double r) {
    const double x = s.PivotX[n], y = s.PivotY[n];
    c.Ellipse(ScreenX(s, x - r), ScreenY(s, y - r), ScreenX(s, x + r), ScreenY(s, y + r));
}

void DrawLinkageFirstPart(Canvas& c, State& s) {
    const double d = s.DriverDia;
    c.SetPenColor(colors::Black);
    CircleAbout(c, s, 1, d / 2.0);
    DrawWheelArc(c, s);

    const double sheave = s.EccDia / 2.0;
    c.SetPenColor(colors::Lime);
    Line(c, s, 22, 11);
    CircleAbout(c, s, 13, sheave);
    c.SetPenColor(colors::Blue);
    Line(c, s, 21, 10);
    CircleAbout(c, s, 12, sheave);

    c.SetPenColor(colors::Black);
    CircleAbout(c, s, 1, 0.08 * d);
    CircleAbout(c, s, 2, 0.05 * d);
    CircleAbout(c, s, 3, 0.04 * d);
    for (int n = 4; n <= 11; ++n) CircleAbout(c, s, n, 0.02 * d);

    s.PivotX[18] = s.RevArmPos;
    for (int n : {15, 16, 17, 18}) CircleAbout(c, s, n, 0.02 * d);
}

void DrawLinkageSecondPart(Canvas& c, const State& s) {
    c.SetPenColor(colors::Red);
    DrawCross(c, s, 14, 1, 2);
    for (int n : {0, 7, 16}) DrawCross(c, s, n, 5, 6);
    DrawLink(c, s);
    Line(c, s, 2, 3);

    c.SetPenColor(colors::Fuchsia);
    Line(c, s, 8, 7);
    Line(c, s, 7, 5);
    c.SetPenColor(colors::Blue);
    Line(c, s, 5, 4);

    c.SetPenColor(colors::Aqua);
    Line(c, s, 9, 15);
    c.SetPenColor(colors::Lime);
    Line(c, s, 15, 17);
    Line(c, s, 17, 18);

    c.SetPenColor(colors::Black);
    c.MoveTo(s.PivotScrX[18], s.PivotScrY[18]);
    c.LineTo(s.PivotScrX[1], s.PivotScrY[18]);
}

} // namespace vt
