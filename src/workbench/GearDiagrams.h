// The classic diagrams of any gear, without Qt: the data of a turn at one reverser
// setting from the exact engine, and the sine, oval and port events diagrams drawn from
// it (and from the events table) on a Canvas in a 632 x 414 layout, as the classic graph
// windows lay theirs out. A compared design is drawn first, in lighter colours, so the
// design itself lies over it.
#pragma once

#include "analysis/EventsTable.h"
#include "analysis/GearTurn.h"
#include "gears/Gear.h"
#include "render/Canvas.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vt::wb {

inline constexpr int kDiagramWidth = 632, kDiagramHeight = 414;

// One turn of the crank at one setting, in the direction the reverser drives, sampled
// evenly from the crank at 0 degrees.
struct TurnCurves {
    std::vector<double> Crank;  // degrees in the direction of turning, 0 .. 360
    std::vector<double> Valve;  // valve centre from its middle place, + front
    std::vector<double> Piston; // crosshead's distance from the front dead centre, % of stroke
    // The valve travel at which each port's edge opens (steam and exhaust, front and
    // rear): the opening is the travel's distance past it.
    std::array<double, kOpeningCount> PortEdge{};
    std::string Failed; // the body that could not be assembled; empty when the turn is whole
};

TurnCurves CurvesOf(const gears::GearDesign& d, double setting, int samples = 180);

// What one diagram shows: the design and, when comparing, the other drawn beneath.
struct TurnDiagram {
    TurnCurves Main;
    std::optional<TurnCurves> Compared;
    std::string Unit;    // the design's length unit
    std::string Caption; // "Setting 1.250 forward"
};
struct PortsDiagram {
    EventsTable Main;
    std::optional<EventsTable> Compared;
    double Normal = 0; // the normal forward setting, marked across the rows
};

// The sine diagram: valve travel over a turn against crank angle, with the port lines
// where each port opens.
void DrawSine(Canvas& c, const TurnDiagram& d);
// The oval diagram: valve travel against piston travel over the same turn.
void DrawOval(Canvas& c, const TurnDiagram& d);
// The port events diagram: the piston's place at admission, cut-off, release and
// compression of each end against the reverser's notches from mid gear to full gear,
// forward and reverse.
void DrawPorts(Canvas& c, const PortsDiagram& d);

// A colour 60 % of the way to white: the compared design's.
Color Lighter(Color c);

} // namespace vt::wb
