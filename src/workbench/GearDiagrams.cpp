// The diagrams of any gear; see GearDiagrams.h. Each plot maps its two ranges onto a box
// of the layout; text stands in the graph windows' 8-point face.
#include "workbench/GearDiagrams.h"

#include "diagrams/GraphParts.h"
#include "diagrams/PistonAxis.h"
#include "gears/PortFace.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vt::wb {

namespace {

constexpr Color kTeal{0, 128, 128};
constexpr Color kDarkRed{128, 0, 0};
// Each opening's port line: front steam, front exhaust, rear steam, rear exhaust.
constexpr Color kPortColors[kOpeningCount] = {kTeal, colors::DarkGreen, colors::Red, kDarkRed};
constexpr const char* kPortNames[kOpeningCount] = {"Front steam", "Front exhaust", "Rear steam",
                                                   "Rear exhaust"};

// A box of the layout and the ranges it shows: x = x0 at `left`, y = y0 at `low`.
struct Plot {
    int x0, x1, y0, y1; // y0 the bottom
    double left, right, low, high;
    int X(double v) const { return int(std::lround(x0 + (v - left) / (right - left) * (x1 - x0))); }
    int Y(double v) const { return int(std::lround(y0 - (v - low) / (high - low) * (y0 - y1))); }
};

std::string Number(double v, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

void Text(Canvas& c, int x, int y, const std::string& text, Color color = colors::Black) {
    c.SetFont(color, kGraphFontSize, false);
    c.TextOut(x, y, text);
    c.SetFont(colors::Black, kGraphFontSize, false);
}

void Line(Canvas& c, int x0, int y0, int x1, int y1, Color color) {
    c.SetPenColor(color);
    c.MoveTo(x0, y0);
    c.LineTo(x1, y1);
    c.SetPenColor(colors::Black);
}

// The valve travel axis: a zero line, marks and labels at the ends of the range.
void TravelAxis(Canvas& c, const Plot& p, const std::string& unit) {
    HLine(c, p.x0, p.x1, p.Y(0));
    VLine(c, p.x0, p.y0, p.y1);
    for (double v : {p.low, p.low / 2, p.high / 2, p.high}) {
        HLine(c, p.x0 - 4, p.x0 + 1, p.Y(v));
        Text(c, 4, p.Y(v) - 6, Number(v, 2));
    }
    Text(c, 4, p.y1 - 22, "Valve travel, " + unit + ", front up");
}

// How far the travel axis reaches: the greatest travel or port line, with a margin.
double TravelReach(const TurnDiagram& d) {
    double reach = 0;
    for (const TurnCurves* t : {&d.Main, d.Compared ? &*d.Compared : nullptr}) {
        if (!t) continue;
        for (double v : t->Valve)
            reach = std::max(reach, std::fabs(v));
        for (double e : t->PortEdge)
            reach = std::max(reach, std::fabs(e));
    }
    return reach > 0 ? reach * 1.1 : 1;
}

// The port lines of one design, labelled at the right for the design itself.
void PortLines(Canvas& c, const Plot& p, const TurnCurves& t, bool light) {
    for (int k = 0; k < kOpeningCount; ++k) {
        const Color color = light ? Lighter(kPortColors[k]) : kPortColors[k];
        const int y = p.Y(t.PortEdge[std::size_t(k)]);
        for (int x = p.x0; x < p.x1; x += 8)
            Line(c, x, y, std::min(x + 5, p.x1), y, color);
        if (!light) Text(c, p.x1 + 4, y - 6, kPortNames[k], color);
    }
}

// A curve through the samples, x and y read by the plot.
void Curve(Canvas& c, const Plot& p, const std::vector<double>& x, const std::vector<double>& y,
           Color color) {
    c.SetPenColor(color);
    c.SetPenWidth(2);
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        if (i == 0)
            c.MoveTo(p.X(x[i]), p.Y(y[i]));
        else
            c.LineTo(p.X(x[i]), p.Y(y[i]));
    }
    c.SetPenWidth(1);
    c.SetPenColor(colors::Black);
}

void Heading(Canvas& c, const std::string& title, const TurnDiagram& d) {
    c.SetFont(colors::Black, kGraphFontSize, true);
    c.TextOut(60, 6, title);
    c.SetFont(colors::Black, kGraphFontSize, false);
    c.TextOut(60, 20, d.Caption + (d.Compared ? "; the compared design in light colours" : ""));
    const std::string failed = !d.Main.Failed.empty() ? d.Main.Failed
                               : d.Compared           ? d.Compared->Failed
                                                      : std::string();
    if (!failed.empty())
        Text(c, 330, 6, "The " + failed + " cannot be assembled over the whole turn", colors::Red);
}

// Both designs' port lines and curves, the compared one first and light.
void TurnPlot(Canvas& c, const Plot& p, const TurnDiagram& d,
              const std::vector<double> TurnCurves::*x) {
    if (d.Compared) {
        PortLines(c, p, *d.Compared, true);
        Curve(c, p, (*d.Compared).*x, d.Compared->Valve, Lighter(colors::Blue));
    }
    PortLines(c, p, d.Main, false);
    Curve(c, p, d.Main.*x, d.Main.Valve, colors::Blue);
}

} // namespace

Color Lighter(Color c) {
    const auto up = [](uint8_t v) { return uint8_t(v + (255 - v) * 6 / 10); };
    return {up(c.r), up(c.g), up(c.b)};
}

// The piston's place: the crosshead's distance from its extreme at the front dead
// centre, the one nearer its place with the crank at 0 degrees.
TurnCurves CurvesOf(const gears::GearDesign& d, double setting, int samples) {
    TurnCurves t;
    GearTurn turn(d, setting, setting >= 0);
    std::vector<double> crosshead;
    for (int i = 0; i <= samples; ++i) {
        const TurnReading r = turn.At(360.0 * i / samples);
        if (!r.Ok) continue;
        t.Crank.push_back(360.0 * i / samples);
        t.Valve.push_back(r.Valve);
        crosshead.push_back(r.Crosshead);
    }
    if (turn.Failed()) t.Failed = turn.Failed();
    if (crosshead.empty()) return t;
    const auto [lo, hi] = std::minmax_element(crosshead.begin(), crosshead.end());
    const double front = std::fabs(crosshead[0] - *hi) < std::fabs(crosshead[0] - *lo) ? *hi : *lo;
    const double stroke = std::max(*hi - *lo, 1e-12);
    for (double x : crosshead)
        t.Piston.push_back(std::fabs(x - front) / stroke * 100);
    // Each opening is the travel plus or minus a constant: zero where the edge opens.
    const gears::Openings at0 = gears::OpeningsAt(turn.Face(), 0),
                          at1 = gears::OpeningsAt(turn.Face(), 1);
    const double o0[] = {at0.FrontSteam, at0.FrontExhaust, at0.RearSteam, at0.RearExhaust};
    const double o1[] = {at1.FrontSteam, at1.FrontExhaust, at1.RearSteam, at1.RearExhaust};
    for (int k = 0; k < kOpeningCount; ++k)
        t.PortEdge[std::size_t(k)] = -o0[k] / (o1[k] - o0[k]);
    return t;
}

void DrawSine(Canvas& c, const TurnDiagram& d) {
    c.Clear();
    Heading(c, "Sine Diagram: valve travel over a turn", d);
    const double reach = TravelReach(d);
    const Plot p{70, 500, 350, 50, 0, 360, -reach, reach};
    TravelAxis(c, p, d.Unit);
    for (int a = 0; a <= 360; a += 30) {
        const int half = a % 90 == 0 ? 5 : 2;
        VLine(c, p.X(a), p.Y(0) - half, p.Y(0) + half + 1);
        if (a % 90 == 0) c.TextOut(p.X(a) - 8, p.y0 + 6, std::to_string(a));
    }
    c.TextOut(p.x0, p.y0 + 22,
              "Crank degrees in the direction of turning, 0 with the crank towards the cylinder");
    TurnPlot(c, p, d, &TurnCurves::Crank);
}

void DrawOval(Canvas& c, const TurnDiagram& d) {
    c.Clear();
    Heading(c, "Oval Diagram: valve travel against piston travel", d);
    const double reach = TravelReach(d);
    const Plot p{70, 500, 350, 50, 100, 0, -reach, reach}; // the front dead centre on the right
    TravelAxis(c, p, d.Unit);
    VLine(c, p.x1, p.y0, p.y1);
    for (int pct = 0; pct <= 100; pct += 10) {
        VLine(c, p.X(pct), p.Y(0) - 3, p.Y(0) + 4);
        c.TextOut(p.X(pct) - 8, p.y0 + 6, std::to_string(pct));
    }
    c.TextOut(p.x0, p.y0 + 22, "Percent piston travel from the front dead centre");
    TurnPlot(c, p, d, &TurnCurves::Piston);
}

namespace {

struct PortTraceFacts {
    std::optional<EventPoint> EndEvents::*Event;
    bool Front;
};
constexpr PortTraceFacts kTraces[] = {
    {&EndEvents::Admission, true},   {&EndEvents::CutOff, true},       {&EndEvents::Release, true},
    {&EndEvents::Compression, true}, {&EndEvents::Admission, false},   {&EndEvents::CutOff, false},
    {&EndEvents::Release, false},    {&EndEvents::Compression, false},
};

constexpr int kLeft = 9, kRight = 549;
int RowY(int i) {
    return 343 - 16 * i;
}
// Front events from the front dead centre on the left, rear ones from the right.
int EventX(bool front, double percent) {
    const double x = percent * (kRight - kLeft) / 100;
    return int(std::lround(front ? kLeft + x : kRight - x));
}

Color TracePen(bool front, bool forward) {
    if (front) return forward ? kTeal : colors::DarkGreen;
    return forward ? colors::Red : kDarkRed;
}

// One event's trace over the sweep rows of one direction, joined across rows where it
// does not happen.
void Trace(Canvas& c, const EventsTable& t, const PortTraceFacts& f, bool forward, bool light) {
    const Color pen = light ? Lighter(TracePen(f.Front, forward)) : TracePen(f.Front, forward);
    std::optional<std::pair<int, int>> last;
    for (const EventsRow& r : t.Rows) {
        if (r.Spec.Source != RowSource::Sweep || r.Spec.Forward != forward) continue;
        const std::optional<EventPoint>& e = (f.Front ? r.Front : r.Rear).*f.Event;
        if (!e) continue;
        const std::pair xy{EventX(f.Front, e->Percent), RowY(r.Spec.Number)};
        if (last) Line(c, last->first, last->second, xy.first, xy.second, pen);
        last = xy;
    }
}

void PortsFrame(Canvas& c, const PortsDiagram& d) {
    VLine(c, kLeft, RowY(kSweepRows - 1) - 8, RowY(0) + 10);
    VLine(c, kRight, RowY(kSweepRows - 1) - 8, RowY(0) + 10);
    HLine(c, kLeft, kRight, RowY(0));
    for (int pct = 0; pct <= 100; pct += 10) {
        VLine(c, EventX(true, pct), RowY(0) - 3, RowY(0) + 4);
        c.TextOut(EventX(true, pct) - (pct == 100 ? 10 : 4), RowY(0) + 10, std::to_string(pct));
    }
    c.TextOut(150, RowY(0) + 24,
              "Percent piston travel: front port from the left, rear from the right");
    for (const EventsRow& r : d.Main.Rows)
        if (r.Spec.Source == RowSource::Sweep && r.Spec.Forward && r.Spec.Number % 3 == 0)
            c.TextOut(kRight + 8, RowY(r.Spec.Number) - 6, Number(r.Setting, 3));
    c.TextOut(kRight + 8, RowY(kSweepRows - 1) - 22, "Setting");
    c.TextOut(kRight + 14, RowY(0) + 10, "Mid gear");
    const double full = d.Main.Rows.empty() ? 0 : d.Main.Rows[kSweepRows - 1].Setting;
    if (full > 0 && d.Normal > 0 && d.Normal <= full) {
        const int y =
            int(std::lround(RowY(0) - d.Normal / full * (RowY(0) - RowY(kSweepRows - 1))));
        Line(c, kLeft, y, kRight, y, colors::Blue);
        Text(c, 470, y - 13, "Normal", colors::Blue);
    }
}

void PortsLegend(Canvas& c, bool comparing) {
    c.SetFont(colors::Black, kGraphFontSize, true);
    c.TextOut(kLeft, 6, "Port Events: admission, cut-off, release and compression by notch");
    c.SetFont(colors::Black, kGraphFontSize, false);
    const struct {
        int x;
        const char* text;
        Color color;
    } keys[] = {{kLeft, "Fwd. front port", kTeal},
                {kLeft + 110, "Fwd. rear port", colors::Red},
                {kLeft + 220, "Rev. front port", colors::DarkGreen},
                {kLeft + 330, "Rev. rear port", kDarkRed}};
    for (const auto& k : keys)
        Text(c, k.x, 20, k.text, k.color);
    if (comparing) Text(c, kLeft + 440, 20, "light: compared", colors::Gray);
}

} // namespace

void DrawPorts(Canvas& c, const PortsDiagram& d) {
    c.Clear();
    PortsLegend(c, bool(d.Compared));
    PortsFrame(c, d);
    for (bool forward : {true, false})
        for (const PortTraceFacts& f : kTraces)
            if (d.Compared) Trace(c, *d.Compared, f, forward, true);
    for (bool forward : {true, false})
        for (const PortTraceFacts& f : kTraces)
            Trace(c, d.Main, f, forward, false);
}

} // namespace vt::wb
