// The frame the sine and oval diagrams share: valve travel on the vertical axis (375 /
// VertScale pixels to the unit, zero at y = 215, front travel upward), the travel scale
// and side labels, the port lines, and one curve per stored position with the mid-gear
// Lead / Lap / ExCl column. A diagram supplies its axis and its sweep.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

#include <array>

namespace vt {

// The zero line of the travel axis.
inline constexpr int kTravelZeroY = 215;
// A position closer than this to mid gear gets the Lead / Lap / ExCl column.
inline constexpr double kMidGearBand = 0.05;
// More marks than this on the travel scale can only come from a scale no dialog
// allows; they are then drawn one to a window row.
inline constexpr int32_t kMaxScaleMarks = 4096;

// The unrounded row of a valve travel: 215 - v x 375 / VertScale.
double TravelRow(const ViewState& v, double travel);

// The extremes of PivotX[4] over a sweep, from which the mid-gear column's leads follow.
struct PivotXRange {
    double min = 1000, max = 0;
    void Add(double x) {
        if (x < min) min = x;
        if (x > max) max = x;
    }
};

bool InMidGear(const Mechanism& m, float revArmPos);

struct ValveDiagramFacts {
    // The grid and the horizontal axis labels, in black.
    void (*axis)(Canvas& c);
    int scaleLabelX;                 // the labels of the travel scale's major marks
    int portLineRight;               // the port lines run from x = 15 to here
    std::array<int, 6> portLabelX;   // front steam open, max, exhaust; rear the same
    // Legend row k of the reverse-arm legend (DrawLegendRow or a coloured one).
    void (*legendRow)(Canvas& c, const State& s, int k);
    // One stored position's curve: drives the gear through the sweep, adds each step's
    // PivotX[4] to the range and draws the curve with its number.
    void (*sweep)(Canvas& c, State& s, int k, PivotXRange& range);
};

// The whole diagram with the legend, the dynamic-variable block and the undo line;
// RevArmPos and DriverAngle are restored at the end.
void DrawValveDiagram(Canvas& c, State& s, const ValveDiagramFacts& f);

// The travel scale's marks and labels alone (part of DrawValveDiagram).
void DrawTravelScale(Canvas& c, const State& s, int labelX);

} // namespace vt
