// Rules of the main window's controls and the model half of the timer tick.
#include "model/Controls.h"

#include "model/Defaults.h"
#include "model/MidGear.h"
#include "model/Outlines.h"
#include "model/Real.h"
#include "model/Rounding.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "model/View.h"

#include <algorithm>
#include <array>

namespace vt {

namespace {

// A step angle a sits at 4000 log10(100 a); the bands round a position to the table.
constexpr std::array<StepBand, 16> kStepBands{{
    {704, 0.01f, 1, 5},        {1591, 0.02f, 2, 10},     {2408, 0.03f, 3, 15},
    {3612, 0.05f, 5, 25},      {4704, 0.1f, 10, 50},     {5591, 0.2f, 20, 100},
    {6408, 0.3f, 30, 150},     {7612, 0.5f, 50, 250},    {8704, 1, 100, 500},
    {9591, 2, 200, 1000},      {10408, 3, 300, 1500},    {11612, 5, 500, 2500},
    {12704, 10, 1000, 4500},   {13591, 20, 2000, 4500},  {14408, 30, 3000, 4500},
    {14613, 45, 4500, 4500},
}};

// Moves a bar; true when the position changed, so the caller runs the change rule.
bool MoveBar(BarState& bar, int32_t pos) {
    pos = std::clamp(pos, bar.Min, std::max(bar.Min, bar.Max));
    if (pos == bar.Pos) return false;
    bar.Pos = pos;
    return true;
}

void EnableStepButtons(const State& s, Controls& c) {
    c.Step10Enabled = s.StepAngle != 10;
    c.Step45Enabled = s.StepAngle != 45;
    c.Step1Enabled = s.StepAngle != 1;
}

void DrvAngChange(State& s, Controls& c) {
    s.DriverAngle = F32(c.DrvAng.Pos / 100.0);
    c.Deg180Enabled = c.Deg00Enabled = true;
}

void StepAngChange(State& s, Controls& c) {
    if (!c.StepAngArmed) {
        c.StepAngArmed = true;
    } else {
        const StepBand& band = StepBandAt(c.StepAng.Pos);
        s.StepAngle = band.StepAngle;
        c.DrvAng.Small = band.Small;
        c.DrvAng.Large = band.Large;
        if (c.Running) s.RunStep = s.StepAngle;
    }
    EnableStepButtons(s, c);
}

void RevArmChange(State& s, Controls& c) {
    const int32_t p = c.RevArm.Pos;
    const double offset = p / 1000.0;
    s.RevArmPos = F32(SenseIsDirect(s) ? s.RevArmSet[0] + offset : s.RevArmSet[0] - offset);
    s.DirectionText = p >= 0 ? "Fwd" : "Rev";
    c.CenterEnabled = p != 0;
    c.FwdEnabled = s.RevArmPos != NormalForward(s);
    c.RevEnabled = s.RevArmPos != NormalReverse(s);
    s.FrontCOText.clear();
    s.RearCOText.clear();
}

// The bar position of a normal position: round(RevArmCentNorm x limit / RevArmCentMax).
int32_t NormalBarPos(const Mechanism& m, int32_t limit) {
    return RoundClamped(double(m.RevArmCentNorm) * limit / m.RevArmCentMax, -kPixelLimit,
                        kPixelLimit);
}

} // namespace

const char* RunCaption(const Controls& c) { return c.Running ? "Stop" : "Run"; }

const StepBand& StepBandAt(int32_t pos) {
    for (const StepBand& band : kStepBands)
        if (pos <= band.LastPos) return band;
    return kStepBands.back();
}

void InitRevArmBar(const Mechanism& m, Controls& c) {
    c.RevArm.Max = RevArmBarLimit(m);
    c.RevArm.Min = -c.RevArm.Max;
    c.RevArm.Pos = 0;
}

void RunClick(State& s, Controls& c) {
    if (!c.Running) {
        s.RunStep = s.StepAngle;
        c.DrvAng.Enabled = false;
        c.Running = true;
    } else {
        SBDrvAngChange(s, c, RoundClamped(s.DriverAngle * 100.0, c.DrvAng.Min, c.DrvAng.Max));
        s.RunStep = 0;
        c.DrvAng.Enabled = true;
        c.Running = false;
    }
    c.Deg00Enabled = c.Deg180Enabled = true;
}

void SBDrvAngChange(State& s, Controls& c, int32_t pos) {
    if (MoveBar(c.DrvAng, pos)) DrvAngChange(s, c);
}

void SBStepAngChange(State& s, Controls& c, int32_t pos) {
    if (MoveBar(c.StepAng, pos)) StepAngChange(s, c);
}

void StepButtonClick(State& s, Controls& c, float angle) {
    (angle == 1 ? c.Step1Enabled : angle == 10 ? c.Step10Enabled : c.Step45Enabled) = false;
    s.StepAngle = angle;
    if (c.Running) s.RunStep = s.StepAngle;
    const int32_t pos = angle == 1 ? 8000 : angle == 10 ? 12000 : 14613;
    SBStepAngChange(s, c, pos);
}

void AngleButtonClick(State& s, Controls& c, float angle) {
    s.DriverAngle = angle;
    SBDrvAngChange(s, c, angle == 0 ? 0 : 18000);
    s.RunStep = 0;
    c.DrvAng.Enabled = true;
    c.Running = false;
    c.Deg00Enabled = angle != 0;
    c.Deg180Enabled = angle == 0;
}

void SBRevArmChange(State& s, Controls& c, int32_t pos) {
    if (MoveBar(c.RevArm, pos)) RevArmChange(s, c);
}

float NormalForward(const Mechanism& m) {
    const double cent = m.RevArmSet[0];
    return F32(SenseIsDirect(m) ? cent + m.RevArmCentNorm : cent - m.RevArmCentNorm);
}

float NormalReverse(const Mechanism& m) {
    const double cent = m.RevArmSet[0];
    return F32(SenseIsDirect(m) ? cent - m.RevArmCentNorm : cent + m.RevArmCentNorm);
}

void CenterClick(State& s, Controls& c) {
    SBRevArmChange(s, c, 0);
    CentreRevArm(s);
    c.FwdEnabled = c.RevEnabled = true;
    c.CenterEnabled = false;
}

namespace {
// "Fwd" and "Rev": the normal position on that side, the bar to match, the button
// disabled and the other two enabled, whatever the bar's change rule decided.
void NormalClick(State& s, Controls& c, bool forward) {
    s.RevArmPos = forward ? NormalForward(s) : NormalReverse(s);
    SBRevArmChange(s, c, NormalBarPos(s, forward ? c.RevArm.Max : c.RevArm.Min));
    c.FwdEnabled = !forward;
    c.RevEnabled = forward;
    c.CenterEnabled = true;
    s.FrontCOText.clear();
    s.RearCOText.clear();
}
} // namespace

void FwdClick(State& s, Controls& c) { NormalClick(s, c, true); }
void RevClick(State& s, Controls& c) { NormalClick(s, c, false); }

void MainWindowActivated(Controls& c) { c.DrvAng.Enabled = false; }

void ScreenDataClick(State& s, Controls& c) {
    s.ScreenDataOn = !s.ScreenDataOn;
    ViewControls& v = c.View;
    if (!s.ScreenDataOn) {
        s.DynVarsOn = s.RefPointsOn = s.UndoOn = s.PivotDataOn = false;
        v.DrawLinesEnabled = v.RefPtEnabled[0] = v.RefPtEnabled[1] = false;
        v.PanZoomBarsShown = false;
    } else {
        v.PanZoomCaption = "SetP&anZoom On"; // "P" is "SetRef&Points"'s access key
        v.PanZoomBarsShown = true;
    }
}

void TickModel(State& s) {
    SolveLinkage(s);
    ComputeValveEvents(s);
    s.PivotX[6] = s.PivotX[7];
    s.PivotY[6] = s.PivotY[7];
    for (int i = 0; i <= 24; ++i) {
        s.PivotScrX[i] = ScreenX(s, s.PivotX[i]);
        s.PivotScrY[i] = ScreenY(s, s.PivotY[i]);
    }
    s.PivotScrX[18] = ScreenX(s, s.RevArmPos);
    BuildCylinderOutline(s);
    BuildPistonValveOutline(s);
    const double step = s.DirectionText == "Fwd" ? s.RunStep : -double(s.RunStep);
    s.DriverAngle = F32(s.DriverAngle + step);
    if (double(s.DriverAngle) > 360.1) s.DriverAngle = F32(s.DriverAngle - 360.0);
    if (s.DriverAngle < 0) s.DriverAngle = F32(s.DriverAngle + 360.0);
}

} // namespace vt
