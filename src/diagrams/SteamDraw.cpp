// The steam diagram; see SteamDraw.h. Piston position p is drawn at x = 584 - 0.84375 p
// (front dead centre on the right), pressure P at y = 343 - 0.9 P.
//
// A later cut-off of the same position replaces the figures of an earlier one (the first
// step of a position may find one between the last opening of the position before and
// its own). Text has no background box, so the figures of a position are written once,
// at the end of its sweep, with the values of its last cut-off.
#include "diagrams/SteamDraw.h"

#include "diagrams/GraphParts.h"
#include "diagrams/PistonAxis.h"
#include "diagrams/SteamPhases.h"
#include "model/Format.h"
#include "model/Real.h"
#include "model/Rounding.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"

namespace vt {

namespace {

constexpr double kPerPiston = 0.84375;

int PistonX(double p) { return ToPixel(584 - p * kPerPiston); }
int PressureY(double p) { return ToPixel(343 - p * 0.9); }

void Normal(Canvas& c, Color color = colors::Black) { c.SetFont(color, kGraphFontSize, false); }

// An arrow head over the words CYLINDER and PRESSURE, one letter to a row.
void PressureTitle(Canvas& c) {
    c.TextOut(24, 77, "/");
    c.TextOut(29, 77, "\\");
    c.TextOut(28, 81, "|");
    c.TextOut(28, 94, "|");
    const int rows[] = {108, 123, 136, 149, 162, 175, 188, 201};
    const char* cylinder = "CYLINDER";
    const char* pressure = "PRESSURE";
    for (int i = 0; i < 8; ++i) c.TextOut(cylinder[i] == 'I' ? 22 : 20, rows[i], {cylinder + i, 1});
    for (int i = 0; i < 8; ++i) c.TextOut(32, rows[i], {pressure + i, 1});
}

void Axis(Canvas& c) {
    DrawPistonGrid(c, {1, 17, -10, 5});
    VLine(c, 44, 70, 346);
    VLine(c, 584, 70, 346);
    PressureTitle(c);
    DrawStrokeLabels(c, 350, 364);
    HLine(c, 45, 585, 343);
}

// The model's memory over one drawing: phases, pressures and curve labels of both ends.
struct SteamRun {
    SteamEnd front, rear;
    int curveNumber = 0;
};

// The last cut-off of one end in the sweep of a position, in percent of the stroke.
struct CutOff {
    bool found = false;
    double percent = 0;
};

// What distinguishes the two ends' curves.
struct EndFacts {
    CylEnd end;
    SteamEnd SteamRun::*model;
    float ValveEvents::*opening;
    float ValveEvents::*prevOpening;
    Color pen;
    int labelX, numberX, figureX; // "%CutOff", the position's number and its cut-off
    int curveNumberX0, curveNumberY;
};

constexpr EndFacts kFront = {CylEnd::Front, &SteamRun::front, &ValveEvents::FrontSteamOpening,
                             &ValveEvents::PrevFrontSteamOpening, colors::DarkGreen, 587, 588, 600,
                             568, 122};
constexpr EndFacts kRear = {CylEnd::Rear, &SteamRun::rear, &ValveEvents::RearSteamOpening,
                            &ValveEvents::PrevRearSteamOpening, colors::Red, 2, 3, 15, 600, 135};

double StrokePercent(CylEnd end, double p) { return (end == CylEnd::Front ? p : 640 - p) / 6.4; }

// The steam port closed within the step: at the fraction t of it. The curve runs level to
// the closing, which becomes the step's previous point.
void FindCutOff(Canvas& c, State& s, SteamEnd& e, const EndFacts& f, bool drawing, CutOff& out) {
    const double prev = s.*f.prevOpening, now = s.*f.opening;
    if (!(prev > 0) || now > 0) return;
    const double t = prev / (prev - now);
    const double from = s.PrevPistonPos;
    if (drawing) {
        const double x0 = 584 - from * kPerPiston;
        HLine(c, ToPixel(x0), ToPixel(x0 + (from - s.PistonPos) * t * kPerPiston),
              PressureY(e.PrevPressure));
    }
    s.PrevPistonPos = F32(from + (s.PistonPos - from) * t);
    e.Pressure = F32(e.Pressure - t * (double(e.Pressure) - e.PrevPressure));
    out = {true, StrokePercent(f.end, s.PrevPistonPos)};
}

void Curve(Canvas& c, State& s, SteamRun& m, const EndFacts& f, bool drawing, CutOff& cutOff) {
    SteamEnd& e = m.*f.model;
    c.SetPenColor(f.pen);
    FindCutOff(c, s, e, f, drawing, cutOff);
    if (drawing) {
        c.MoveTo(PistonX(s.PrevPistonPos), PressureY(e.PrevPressure));
        c.LineTo(PistonX(s.PistonPos), PressureY(e.Pressure));
    }
    if (e.Phase == '4' && e.Pressure > 150 && e.Pressure < 250 && e.LabelState == '1') {
        e.LabelState = '2';
        c.SetFont(colors::Black, kGraphFontSize, true);
        c.TextOut(ToPixel(f.curveNumberX0 - s.PrevPistonPos * 0.84), f.curveNumberY,
                  FormatFixed(m.curveNumber, 1, 0));
        Normal(c);
    }
}

void WriteCutOff(Canvas& c, const EndFacts& f, int k, const CutOff& cutOff) {
    if (!cutOff.found) return;
    Normal(c, f.pen);
    c.TextOut(f.labelX, 231, "%CutOff");
    Normal(c);
    c.TextOut(f.numberX, CutOffRow(k), FormatFixed(k, 1, 0));
    c.TextOut(f.figureX, CutOffRow(k), FormatFixed(cutOff.percent, 4, 1));
}

// One step r of the sweep: turn the driver, solve, step both ends, draw.
void Step(Canvas& c, State& s, SteamRun& m, int r, CutOff (&cutOffs)[2]) {
    s.DriverAngle = SweepAngle(s.DriverAngle, SteamTurnsForward(s) ? 4.0f : -4.0f);
    SolveLinkage(s);
    ComputeValveEvents(s);
    StepSteamEnd(m.front, CylEnd::Front, {s.FrontSteamOpening, s.FrontExhOpening}, s.PistonPos,
                 s.PrevPistonPos);
    StepSteamEnd(m.rear, CylEnd::Rear, {s.RearSteamOpening, s.RearExhOpening}, s.PistonPos,
                 s.PrevPistonPos);
    if (m.front.PrevPressure != 0) {
        const bool drawing = r > kSteamSilentSteps;
        Curve(c, s, m, kFront, drawing, cutOffs[0]);
        Curve(c, s, m, kRear, drawing, cutOffs[1]);
    }
    s.PrevPistonPos = s.PistonPos;
    m.front.PrevPressure = m.front.Pressure;
    m.rear.PrevPressure = m.rear.Pressure;
    s.PrevFrontSteamOpening = s.FrontSteamOpening;
    s.PrevRearSteamOpening = s.RearSteamOpening;
}

void Position(Canvas& c, State& s, SteamRun& m, int k) {
    s.RevArmPos = s.PlotRevArmPos = s.RevArmSet[k];
    ++m.curveNumber;
    for (SteamEnd* e : {&m.front, &m.rear})
        if (e->LabelState == '2') e->LabelState = '1';
    DrawLegendRow(c, s, k);
    CutOff cutOffs[2];
    for (int r = 1; r <= kSteamSteps; ++r) Step(c, s, m, r, cutOffs);
    WriteCutOff(c, kFront, k, cutOffs[0]);
    WriteCutOff(c, kRear, k, cutOffs[1]);
}

} // namespace

bool SteamTurnsForward(const Mechanism& m) {
    if (m.LiftArmSense == 0 || m.EccSense == 0) return false;
    const bool sameSign = (m.LiftArmSense > 0) == (m.EccSense > 0);
    return sameSign ? m.RevArmPos >= m.RevArmSet[0] : m.RevArmPos < m.RevArmSet[0];
}

void DrawSteamDiagram(Canvas& c, State& s) {
    SavedGearPosition saved(s);
    SteamRun m;
    m.rear.Phase = '3';
    s.DriverAngle = kSteamStartAngle;
    s.PistonPos = s.PrevPistonPos = 0;
    c.SetPenColor(colors::Black);
    Normal(c);
    Axis(c);
    DrawLegendHead(c, s);
    for (int k = 1; k <= PlottedPositions(s); ++k) Position(c, s, m, k);
    DrawGraphFooter(c, s);
}

} // namespace vt
