// The port events diagram; see PortsDraw.h. Row i stands at y = 343 - 16i, so an offset d
// from mid gear lies at 343 - 288 d / RevArmCentMax.
#include "diagrams/PortsDraw.h"

#include "diagrams/GraphParts.h"
#include "diagrams/PistonAxis.h"
#include "diagrams/PortCycle.h"
#include "model/Format.h"
#include "model/Guards.h"
#include "model/MidGear.h"
#include "model/Real.h"
#include "model/Rounding.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"


namespace vt {

namespace {

constexpr Color kTeal{0, 128, 128};
constexpr Color kDarkRed{128, 0, 0};

struct EventFacts {
    float ValveEvents::*opening;
    float ValveEvents::*prevOpening;
    bool opens; // from lap to open; otherwise the closing
};

constexpr EventFacts kEvents[kPortEvents] = {
    {&ValveEvents::FrontSteamOpening, &ValveEvents::PrevFrontSteamOpening, true},
    {&ValveEvents::FrontExhOpening, &ValveEvents::PrevFrontExhOpening, true},
    {&ValveEvents::RearSteamOpening, &ValveEvents::PrevRearSteamOpening, true},
    {&ValveEvents::RearExhOpening, &ValveEvents::PrevRearExhOpening, true},
    {&ValveEvents::FrontSteamOpening, &ValveEvents::PrevFrontSteamOpening, false},
    {&ValveEvents::FrontExhOpening, &ValveEvents::PrevFrontExhOpening, false},
    {&ValveEvents::RearSteamOpening, &ValveEvents::PrevRearSteamOpening, false},
    {&ValveEvents::RearExhOpening, &ValveEvents::PrevRearExhOpening, false},
};

Color EventPen(int kind, bool reverse) {
    if (IsFrontEvent(kind)) return reverse ? colors::DarkGreen : kTeal;
    return reverse ? kDarkRed : colors::Red;
}

void Text(Canvas& c, int x, int y, const char* text, Color color) {
    c.SetFont(color, kGraphFontSize, false);
    c.TextOut(x, y, text);
    c.SetFont(colors::Black, kGraphFontSize, false);
}

void Frame(Canvas& c) {
    VLine(c, 9, 42, 353);
    HLine(c, 9, 549, 343);
    VLine(c, 549, 353, 42);
    constexpr PistonGrid kGrid = {0, -18, -45, 10};
    for (int i = 0; i <= 9; ++i) {
        DrawPistonGridRow(c, kGrid, i);
        for (int l = 2; l <= 22; ++l) HLine(c, 27 * l - 49, 27 * l - 40, 32 * i + 55); // dashed
    }
}

// "Maximum" at the top row and the blue line of the normal offset.
void Marks(Canvas& c, State& s) {
    Text(c, 420, 47, "Maximum", colors::Red);
    const int yN = ToPixel(343 - s.RevArmCentNorm * 288.0 / GuardedDivisor(s, s.RevArmCentMax));
    c.SetPenColor(colors::Blue);
    HLine(c, 59, 650, yN);
    c.SetPenColor(colors::Black);
    Text(c, 345, yN - 7, "Normal", colors::Blue);
}

void Labels(Canvas& c) {
    const struct {
        int x;
        const char* text;
    } percent[] = {{10, "0"},   {56, "10"},  {110, "20"}, {164, "30"}, {218, "40"},
                   {272, "50"}, {326, "60"}, {380, "70"}, {434, "80"}, {488, "90"}};
    for (const auto& l : percent) c.TextOut(l.x, 353, l.text);
    c.TextOut(529, 350, "100");
    c.TextOut(200, 367, "Percent Piston Travel");
    c.TextOut(568, 350, "Center");
    const char* title = "REVERSEARMPOSITION";
    const int rows[] = {76,  90,  104, 118, 132, 146, 160, 178, 192,
                        206, 224, 238, 252, 266, 280, 294, 308, 322};
    for (int i = 0; i < 18; ++i) c.TextOut(title[i] == 'I' ? 537 : 535, rows[i], {title + i, 1});
}

void Legend(Canvas& c, bool reverse) {
    if (!reverse) {
        c.TextOut(415, 290, "Fwd.");
        Text(c, 446, 284, "Front Port", kTeal);
        Text(c, 446, 296, "Rear Port", colors::Red);
    } else {
        c.TextOut(415, 321, "Rev.");
        Text(c, 446, 315, "Front Port", colors::DarkGreen);
        Text(c, 446, 327, "Rear Port", kDarkRed);
    }
}

// What a pass remembers across its rows.
struct PassMemory {
    PortTrace trace;
    CycleMarks cycle;
};

void Event(Canvas& c, PassMemory& p, int i, bool reverse, int kind, float f) {
    if (const auto seg = JoinPortEvent(p.trace, kind, i, f)) {
        c.SetPenColor(EventPen(kind, reverse));
        c.MoveTo(seg->x0, seg->y0);
        c.LineTo(seg->x1, seg->y1);
    }
    if (i == kPortCycleRow) RecordCycleMark(p.cycle, kind, f);
}

void Row(Canvas& c, State& s, PassMemory& p, int i, bool reverse) {
    s.RevArmPos = PortRowRevArmPos(s, i, reverse);
    if (reverse) {
        c.TextOut(605, 32, "Rev.");
    } else {
        c.TextOut(554, 32, "Forward");
    }
    c.TextOut(reverse ? 596 : 556, 336 - 16 * i, FormatFixed(s.RevArmPos, 7, 3));
    SweepPortRow(s, reverse, [&](int kind, float f) { Event(c, p, i, reverse, kind, f); });
}

// One pass in forward or reverse; the footer drawn or only passed.
void Pass(Canvas& c, State& s, bool reverse, bool footer) {
    SavedGearPosition saved(s);
    PassMemory p;
    c.SetPenColor(colors::Black);
    c.SetFont(colors::Black, kGraphFontSize, false);
    Frame(c);
    Marks(c, s);
    Labels(c);
    Legend(c, reverse);
    for (int i = 0; i < kPortRows; ++i) Row(c, s, p, i, reverse);
    if (s.PortCycleNotesOn) DrawCycleArrows(c, p.cycle);
    if (footer) {
        DrawGraphFooter(c, s);
    } else {
        PassGraphFooter(s);
    }
}

} // namespace

float PortRowRevArmPos(const Mechanism& m, int i, bool reverse) {
    const double d = i * double(m.RevArmCentMax) / 18;
    const double sense = SenseIsDirect(m) ? 1 : -1;
    return F32(m.RevArmSet[0] + (reverse ? -sense : sense) * d);
}

void SweepPortRow(State& s, bool reverse, const std::function<void(int kind, float f)>& found) {
    s.DriverAngle = 0;
    s.PistonPos = s.PrevPistonPos = 0;
    for (int j = 0; j < kPortSteps; ++j) {
        s.DriverAngle = SweepAngle(s.DriverAngle, reverse ? -4.0f : 4.0f);
        SolveLinkage(s);
        ComputeValveEvents(s);
        for (int kind = 0; kind < kPortEvents && j > 0; ++kind) {
            const EventFacts& e = kEvents[kind];
            const double o = s.*e.opening, op = s.*e.prevOpening;
            if (e.opens ? !(op < 0 && o >= 0) : !(op > 0 && o <= 0)) continue;
            found(kind, F32(s.PistonPos - o / (op - o) * (double(s.PrevPistonPos) - s.PistonPos)));
        }
        s.PrevPistonPos = s.PistonPos;
        s.PrevFrontSteamOpening = s.FrontSteamOpening;
        s.PrevFrontExhOpening = s.FrontExhOpening;
        s.PrevRearSteamOpening = s.RearSteamOpening;
        s.PrevRearExhOpening = s.RearExhOpening;
    }
}

int PortEventX(int kind, float f) {
    const double x = f * 0.84375;
    return (IsFrontEvent(kind) ? ToPixel(x) : ToPixel(540 - x)) + 9;
}

std::optional<PortSegment> JoinPortEvent(PortTrace& t, int kind, int row, float f) {
    std::optional<float>& last = t.last[kind];
    std::optional<PortSegment> seg;
    if (last)
        seg = PortSegment{PortEventX(kind, *last), PortRowY(row - 1), PortEventX(kind, f), PortRowY(row)};
    last = f;
    return seg;
}

void DrawPortsDiagram(Canvas& c, State& s) {
    if (s.PortGraphMode != 'B') {
        Pass(c, s, s.PortGraphMode == 'R', true);
        return;
    }
    s.PortGraphMode = 'F';
    Pass(c, s, false, false);
    s.PortGraphMode = 'R';
    s.PortCycleNotesOn = false;
    Pass(c, s, true, true);
    s.PortCycleNotesOn = true;
    s.PortGraphMode = 'B';
}

} // namespace vt
