// The steam diagram's drawing: a simulated indicator diagram, the pressure in each end of
// the cylinder against the piston over one turn, for every stored reverse arm position,
// with the cut-off of each end. Qt-free.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

namespace vt {

// The sweep of one position: 150 steps of 4 degrees; the first 60 run the model without
// drawing lines, the other 90 are one turn. The drawing's first sweep starts at 96.
inline constexpr int kSteamSteps = 150;
inline constexpr int kSteamSilentSteps = 60;
inline constexpr float kSteamStartAngle = 96;

// The cut-off figures of position k stand on this row.
inline int CutOffRow(int k) { return 13 * k + 233; }

// Whether the driver turns forward in the sweep of the current RevArmPos: only when both
// sense values are non-zero, and then on the forward side of mid gear or at it.
bool SteamTurnsForward(const Mechanism& m);

void DrawSteamDiagram(Canvas& c, State& s);

} // namespace vt
