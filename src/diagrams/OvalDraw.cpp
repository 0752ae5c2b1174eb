// The oval diagram; see OvalDraw.h.
#include "diagrams/OvalDraw.h"

#include "diagrams/GraphParts.h"
#include "diagrams/PistonAxis.h"
#include "diagrams/ValveDiagram.h"
#include "model/Format.h"
#include "model/Guards.h"
#include "model/Real.h"
#include "model/Rounding.h"
#include "model/Solver.h"

#include <cmath>

namespace vt {

namespace {

// The rows i = 1..9 with marks of half height 5, the end lines at both dead centres.
void Axis(Canvas& c) {
    DrawPistonGrid(c, {1, 17, -10, 5});
    VLine(c, 44, 84, 346);
    VLine(c, 584, 84, 346);
    DrawStrokeLabels(c, 353, 367);
}

float WrappedAngle(int j) {
    float a = float(88 - 8 * j);
    while (a < 0) a += 360;
    return a;
}

// The curve's number, 9 pixels above or below the curve depending on the valve.
void CurveNumber(Canvas& c, const State& s, int k, int x, bool upper, double travel) {
    const int dy = (s.ValveLenRear > s.SteamPortWidthRear) == upper ? 204 : 213;
    c.SetFont(colors::Black, kGraphFontSize, true);
    c.TextOut(x, ToPixel(dy - travel * 375.0 / double(s.VertScale)), FormatFixed(k, 2, 0));
    c.SetFont(colors::Black, kGraphFontSize, false);
}

void Sweep(Canvas& c, State& s, int k, PivotXRange& range) {
    double prev = 0;
    float prevAngle = 0;
    for (int j = kOvalFirstStep; j <= kOvalLastStep; ++j) {
        s.DriverAngle = WrappedAngle(j);
        SolveLinkage(s);
        const double v = s.ValveTravel;
        range.Add(s.PivotX[4]);
        if (j > kOvalFirstStep) {
            if (j == 22) CurveNumber(c, s, k, 300, true, prev);  // at 272 degrees
            if (j == 46) CurveNumber(c, s, k, 334, false, prev); // at 80 degrees
            const double d = GuardedDivisor(s, s.StrokeLen);
            c.MoveTo(PistonColumn(s, prevAngle, d), ToPixel(TravelRow(s, prev)));
            c.LineTo(PistonColumn(s, s.DriverAngle, d), ToPixel(TravelRow(s, v)));
        }
        prev = v;
        prevAngle = s.DriverAngle;
    }
}

constexpr ValveDiagramFacts kOval = {Axis, 15, 584, {430, 430, 75, 75, 75, 430},
                                     DrawLegendRow, Sweep};

} // namespace

// X(a) = (cos a + 2 (sqrt(L^2 - (S/2 sin a)^2) - L) / d) x 270.5 + 314, L the main rod,
// S the stroke.
int PistonColumn(State& s, double angle, double d) {
    const double a = angle * kRadPerDeg;
    const double rod = s.MainRodLen;
    const double root = GuardedRoot(s, Sq(rod) - Sq(std::sin(a) * s.StrokeLen / 2.0));
    return ToPixel((std::cos(a) + 2.0 * (root - rod) / d) * 270.5 + 314.0);
}

void DrawOvalDiagram(Canvas& c, State& s) { DrawValveDiagram(c, s, kOval); }

} // namespace vt
