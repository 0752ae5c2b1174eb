// The linkage of the main window's scene: wheel, eccentrics, rods, pins, link, rocker,
// lifting gear and reach rod, drawn from the pixels of the last tick.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

namespace vt {

// Wheel, eccentrics and their rods, pins, and the reverse shaft's pins (drawn before
// the cylinder section). Sets PivotX[18] := RevArmPos.
void DrawLinkageFirstPart(Canvas& c, State& s);

// Fixed-pivot crosses, the expansion link, main rod, rocker, valve rod, lifting gear and
// reach rod (drawn over the cylinder section).
void DrawLinkageSecondPart(Canvas& c, const State& s);

// The circle of model radius r about pivot n, by its box of pixels.
void CircleAbout(Canvas& c, const State& s, int n, double r);

} // namespace vt
