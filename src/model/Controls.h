// The main window's driver, step angle and reverse arm controls as plain state, and the
// rules their events follow. The window only mirrors this record into its widgets.
#pragma once

#include "model/Lines.h"
#include "model/State.h"
#include "model/ViewControls.h"

namespace vt {

// A scroll bar as the rules see it: a position within a range. Setting a different
// position runs the bar's change rule, as a real bar reports the change.
struct BarState {
    int32_t Pos = 0, Min = 0, Max = 0;
    int32_t Small = 1, Large = 1;
    bool Enabled = true;
};

struct Controls {
    bool Running = true; // the Run button reads "Stop" while running
    BarState DrvAng{1, -4000, 40000, 1000, 4500, false};
    BarState StepAng{12000, 0, 14613, 920, 2760, true};
    BarState RevArm{0, 0, 0, 1, 20, true};
    bool StepAngArmed = true;
    bool Step1Enabled = true, Step10Enabled = false, Step45Enabled = true;
    bool Deg00Enabled = true, Deg180Enabled = true;
    bool FwdEnabled = true, CenterEnabled = false, RevEnabled = true;
    ViewControls View;
    LinesDialogState Lines; // the "Draw Lines" dialog
};

const char* RunCaption(const Controls& c);

// One band of the logarithmic step angle bar.
struct StepBand {
    int32_t LastPos; // the band runs up to and including this position
    float StepAngle;
    int32_t Small, Large; // the driver angle bar's changes, hundredths of a degree
};
const StepBand& StepBandAt(int32_t pos);

// Reverse arm bar range from RevArmCentMax, position 0. Run at start.
void InitRevArmBar(const Mechanism& m, Controls& c);

// The event handlers. Each writes only state; the next tick shows it.
void RunClick(State& s, Controls& c);
void SBDrvAngChange(State& s, Controls& c, int32_t pos);
void SBStepAngChange(State& s, Controls& c, int32_t pos);
void StepButtonClick(State& s, Controls& c, float angle); // 1, 10 or 45
void AngleButtonClick(State& s, Controls& c, float angle); // 0 or 180
void SBRevArmChange(State& s, Controls& c, int32_t pos);
void CenterClick(State& s, Controls& c);
void FwdClick(State& s, Controls& c);
void RevClick(State& s, Controls& c);
void MainWindowActivated(Controls& c);

// The screen data toggle: off hides the control band and switches the reference points,
// pivot data, dynamic variables and undo off; on brings the band back.
void ScreenDataClick(State& s, Controls& c);

// Normal forward and reverse positions of the reverse arm for the gear's current sense.
float NormalForward(const Mechanism& m);
float NormalReverse(const Mechanism& m);

// The model half of one timer tick: solve, valve events, pivot 6 from pivot 7, pivots
// to pixels, outlines, then the driver angle steps on (backwards in reverse gear).
void TickModel(State& s);

} // namespace vt
