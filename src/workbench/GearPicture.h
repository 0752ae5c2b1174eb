// The workbench's picture of a gear at one pose, in model units, without Qt: every body
// as lines in the colour of its role, the pins, and the cylinder section with the piston
// and the valve over its ports. The screen and the DXF file both draw from it.
#pragma once

#include "gears/Gear.h"
#include "render/Canvas.h"
#include "workbench/GearView.h"

#include <string>
#include <vector>

namespace vt::wb {

// One turn of the crank at one reverser setting, a pose every 360 / steps degrees.
struct TurnSweep {
    std::vector<gears::GearPose> Poses; // the poses that assembled, in crank order
    const char* Failed = nullptr;       // the first body that could not be assembled
    Box Pins;                           // every pin of every pose
    double CrossheadMin = 0, CrossheadMax = 0;
};
TurnSweep SweepTurn(const gears::GearDesign& d, double setting, int steps = 360);

// Where the cylinder section stands: the cylinder on the crosshead's line, the valve at the
// valve spindle's height, the piston in mid cylinder when the crosshead is mid travel.
struct SectionFrame {
    double CylinderY = 0, ValveY = 0;
    double CrossheadMid = 0, Stroke = 0;
    gears::PortFace Face;
    bool Known = false; // false when the sweep found no crosshead travel
};
SectionFrame FrameOf(const gears::GearDesign& d, const TurnSweep& turn);

enum class Layer { Body, Section, Steam };

// What the steam does in one cylinder end: open to steam (admission) or to the exhaust,
// or shut with the end's volume growing (expansion) or shrinking (compression).
enum class Steam { None, Admission, Expansion, Exhaust, Compression };
// `growing`: +1 when the end's volume grows, -1 when it shrinks, 0 when not known (a shut
// end is then None). An opening > 0 is open.
Steam EndSteam(double steamOpening, double exhaustOpening, int growing);
// The classic steam display's colours: admission red, expansion fuchsia, exhaust blue,
// compression green.
Color SteamColour(Steam s);

struct Line {
    Vec2 A, B;
    Color Colour;
    Layer On = Layer::Body;
};
struct Pin {
    Vec2 At;
    bool Fixed = false;
    Color Colour;
};
struct GearPicture {
    std::vector<Line> Lines;
    std::vector<Pin> Pins;
    Box Extent() const;
};

// The colour a body of this role is drawn in.
Color RoleColour(gears::BodyRole role);

// `motion`: which way the crosshead moves as the crank turns forward, +1 towards the
// front (+X), -1 towards the rear, 0 when not known; the steam in each end follows from it
// and the valve's openings, hatched across the end.
GearPicture PictureOf(const gears::GearDesign& d, const gears::GearPose& p, const SectionFrame& f,
                      int motion = 0);

// The picture on the canvas through the view: lines two pixels wide, pins as circles of
// `pinRadius` pixels (fixed pins with a second ring). A ghost is drawn in the colours
// mixed two thirds of the way to white, one pixel wide.
void DrawPicture(Canvas& c, const GearPicture& pic, const GearView& v, bool ghost,
                 int pinRadius = 4);

// A dimension's mark: the length between two pins, as a thick line with end ticks.
void DrawLengthMark(Canvas& c, const Vec2& a, const Vec2& b, const GearView& v);

} // namespace vt::wb
