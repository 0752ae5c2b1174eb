// The sine diagram; see SineDraw.h. One pixel per degree: the angle passes 0 at x = 90
// and again at x = 450. Each stored position's curve has its own colour, keyed in the legend.
#include "diagrams/SineDraw.h"

#include "diagrams/GraphParts.h"
#include "diagrams/ValveDiagram.h"
#include "model/Format.h"
#include "model/Rounding.h"
#include "model/Solver.h"

namespace vt {

namespace {

void VMark(Canvas& c, int x, int y0, int y1) {
    c.MoveTo(x, y0);
    c.LineTo(x, y1);
}

void Axis(Canvas& c) {
    for (int i = 1; i <= 9; ++i) {
        for (int j = 6; j <= 58; ++j) VMark(c, 10 * j, 32 * i + 53, 32 * i + 57);
        for (int k = 1; k <= 6; ++k) VMark(c, 90 * k, 32 * i + 50, 32 * i + 60);
    }
    const struct {
        int x;
        const char* text;
    } labels[] = {{86, "0"}, {173, "90"}, {260, "180"}, {350, "270"}, {446, "0"}, {533, "90"}};
    for (const auto& l : labels) c.TextOut(l.x, 353, l.text);
    c.TextOut(86, 367, "Driver Clockwise Rotation --->");
}

float WrappedAngle(int j) {
    float a = float(8 * j + 272);
    while (a > 360) a -= 360;
    return a;
}

// Each position's curve and number in its own colour.
void Sweep(Canvas& c, State& s, int k, PivotXRange& range) {
    c.SetPenColor(CurveColor(k));
    double prev = 0;
    for (int j = kSineFirstStep; j <= kSineLastStep; ++j) {
        s.DriverAngle = WrappedAngle(j);
        SolveLinkage(s);
        const double v = s.ValveTravel;
        range.Add(s.PivotX[4]);
        if (j == kSineFirstStep + 1) {
            c.SetFont(CurveColor(k), kGraphFontSize, true);
            c.TextOut(45, ToPixel(TravelRow(s, prev)), FormatFixed(k, 2, 0));
            c.SetFont(colors::Black, kGraphFontSize, false);
        }
        if (j > kSineFirstStep) {
            c.MoveTo(8 * j - 6, ToPixel(TravelRow(s, prev)));
            c.LineTo(8 * j + 2, ToPixel(TravelRow(s, v)));
        }
        prev = v;
    }
    c.SetPenColor(colors::Black);
}

constexpr ValveDiagramFacts kSine = {Axis, 14, 583, {60, 60, 230, 230, 230, 60},
                                     DrawCurveLegendRow, Sweep};

} // namespace

void DrawSineDiagram(Canvas& c, State& s) { DrawValveDiagram(c, s, kSine); }

} // namespace vt
