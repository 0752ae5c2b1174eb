// The valve diagrams' shared frame; see ValveDiagram.h.
#include "diagrams/ValveDiagram.h"

#include "diagrams/GraphParts.h"
#include "model/Format.h"
#include "model/Rounding.h"

#include <cmath>

namespace vt {

namespace {

void HLine(Canvas& c, int x0, int x1, int y) {
    c.MoveTo(x0, y);
    c.LineTo(x1, y);
}

void SideLabels(Canvas& c, const State& s) {
    c.TextOut(9, 46, "Front");
    c.TextOut(9, 374, "Rear");
    c.TextOut(9, 32, "Units Travel");
    c.TextOut(9, 18, "Scale =");
    c.TextOut(50, 18, FormatFixed(s.VertScale, 3, 1));
}

// Runs mark(n) for the multiples n of `step` in [-limit, limit]; a mark stands at row
// 215 + n x unit. When there are too many to tell apart they are nearer than a pixel to
// each other, so every row they span has one: then each row of the canvas within the
// span gets the mark nearest to it, the same picture in bounded work.
template <typename Mark>
void ForEachMark(double limit, int step, double unit, int rows, Mark mark) {
    if (!(limit >= 0)) return; // negative or NaN: no marks
    const double multiples = std::floor(limit / step);
    if (2 * multiples + 1 <= double(kMaxScaleMarks)) {
        const int32_t m = RoundClamped(multiples, 0, kMaxScaleMarks);
        for (int32_t i = -m; i <= m; ++i) mark(double(i) * step);
        return;
    }
    for (int y = 0; y < rows; ++y) {
        const double n = std::nearbyint((y - kTravelZeroY) / (unit * step)) * step;
        if (std::isfinite(n) && std::abs(n) <= multiples * step) mark(n);
    }
}

struct PortLine {
    float PortEdges::*travel;
    int side;    // -1 front (above the zero line), +1 rear
    int labelDy; // the label's offset from the zero line
    const char* label;
};

constexpr PortLine kPortLines[6] = {
    {&PortEdges::FrontSteamOpenTravel, -1, 199 - kTravelZeroY, "Front Steam Port Open"},
    {&PortEdges::FrontSteamMaxTravel, -1, 216 - kTravelZeroY, "Front Steam Port Max"},
    {&PortEdges::FrontExhOpenTravel, -1, 216 - kTravelZeroY, "Front Exhaust Port Open"},
    {&PortEdges::RearSteamOpenTravel, 1, 216 - kTravelZeroY, "Rear Steam Port Open"},
    {&PortEdges::RearSteamMaxTravel, 1, 199 - kTravelZeroY, "Rear Steam Port Max"},
    {&PortEdges::RearExhOpenTravel, 1, 199 - kTravelZeroY, "Rear Exhaust Port Open"},
};

// Green lines and black labels for the front edges, then red for the rear.
void PortLines(Canvas& c, const State& s, const ValveDiagramFacts& f) {
    const double perUnit = 375.0 / double(s.VertScale);
    for (int side : {0, 3}) {
        c.SetPenColor(side == 0 ? colors::Lime : colors::Red);
        for (int i = side; i < side + 3; ++i) {
            const PortLine& p = kPortLines[i];
            const double offset = p.side * double(s.*p.travel) * perUnit;
            HLine(c, 15, f.portLineRight, ToPixel(kTravelZeroY + offset));
        }
        for (int i = side; i < side + 3; ++i) {
            const PortLine& p = kPortLines[i];
            const double offset = p.side * double(s.*p.travel) * perUnit;
            c.TextOut(f.portLabelX[std::size_t(i)], ToPixel(kTravelZeroY + p.labelDy + offset), p.label);
        }
    }
    c.SetPenColor(colors::Black);
}

// Lead, lap and exhaust clearance at both ends, from the extremes of the valve rod joint.
void MidGearColumn(Canvas& c, const State& s, const PivotXRange& r) {
    const struct {
        int y;
        const char* text;
    } labels[] = {{153, "Lead"}, {182, "Lap"}, {211, "ExCl"}, {253, "Lap"}, {282, "Lead"}};
    for (const auto& l : labels) c.TextOut(595, l.y, l.text);
    const bool longValve = s.ValveLenRear > s.SteamPortWidthRear;
    const double m = longValve ? 0 : (r.max + r.min) / 2;
    const struct {
        int y;
        double value;
    } values[] = {
        {166, s.LeadBaseUpper + r.max}, {195, s.LapUpper - m}, {224, s.ExClUpper - m},
        {237, m + s.ExClLower},         {266, m + s.LapLower}, {295, s.LeadBaseLower - r.min},
    };
    for (const auto& v : values) c.TextOut(592, v.y, FormatFixed(v.value, 6, 3));
}

} // namespace

double TravelRow(const ViewState& v, double travel) {
    return kTravelZeroY - travel * 375.0 / double(v.VertScale);
}

bool InMidGear(const Mechanism& m, float revArmPos) {
    const double cen = m.RevArmSet[0];
    return cen - kMidGearBand < revArmPos && revArmPos < cen + kMidGearBand;
}

void DrawTravelScale(Canvas& c, const State& s, int labelX) {
    const double vs = s.VertScale;
    const double g = std::nearbyint(4.0 * vs);
    const int step = vs > 3.75 ? 5 : 1;
    ForEachMark(5 * g, step, 7.5 / vs, c.Height(), [&](double h) {
        HLine(c, 39, 44, ToPixel(h * 7.5 / vs + kTravelZeroY));
    });
    ForEachMark(g, step, 37.5 / vs, c.Height(), [&](double l) {
        HLine(c, 36, 44, ToPixel(l * 37.5 / vs + kTravelZeroY));
        c.TextOut(labelX, ToPixel(210 - l * 37.5 / vs), FormatFixed(l * 0.1, 1, 1));
    });
}

void DrawValveDiagram(Canvas& c, State& s, const ValveDiagramFacts& f) {
    SavedGearPosition saved(s);
    c.SetPenColor(colors::Black);
    c.SetFont(colors::Black, kGraphFontSize, false);
    f.axis(c);
    SideLabels(c, s);
    DrawTravelScale(c, s, f.scaleLabelX);
    DrawLegendHead(c, s);
    PortLines(c, s, f);
    for (int k = 1; k <= PlottedPositions(s); ++k) {
        s.RevArmPos = s.PlotRevArmPos = s.RevArmSet[k];
        f.legendRow(c, s, k);
        PivotXRange range;
        f.sweep(c, s, k, range);
        if (InMidGear(s, s.RevArmSet[k])) MidGearColumn(c, s, range);
    }
    DrawGraphFooter(c, s);
}

} // namespace vt
