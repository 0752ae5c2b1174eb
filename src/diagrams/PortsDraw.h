// The port events diagram's drawing: for 19 reverse arm positions from mid gear to full
// gear, the piston positions of the eight port events, each traced across the rows, for
// forward gear, reverse gear or both, with the steam cycle arrows. Qt-free.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

#include <functional>
#include <optional>

namespace vt {

inline constexpr int kPortRows = 19;  // i = 0 (mid gear) .. 18 (full gear)
inline constexpr int kPortSteps = 91; // j = 0..90 of 4 degrees; 1..90 are one turn
// The row whose front events place the cycle arrows.
inline constexpr int kPortCycleRow = 13;

// The eight events in the order they are tested: the four openings, then the closings;
// front steam, front exhaust, rear steam, rear exhaust in each.
enum PortEvent {
    FrontAdmission,
    FrontRelease,
    RearAdmission,
    RearRelease,
    FrontCutOff,
    FrontCompression,
    RearCutOff,
    RearCompression,
};
inline constexpr int kPortEvents = 8;

inline bool IsFrontEvent(int kind) { return kind % 4 < 2; }

// The y of row i.
inline int PortRowY(int i) { return 343 - 16 * i; }

// The reverse arm position of row i: i / 18 of full gear from mid gear, towards forward
// (or reverse) by the gear's sense.
float PortRowRevArmPos(const Mechanism& m, int i, bool reverse);

// One row's sweep at the current RevArmPos from driver angle 0, forwards (or backwards in
// reverse): found(kind, F) for every event in the order found, F the piston position of
// the zero crossing interpolated between the two steps.
void SweepPortRow(State& s, bool reverse, const std::function<void(int kind, float f)>& found);

// The x of an event at piston position f: 9 at its own end's dead centre, 549 at the other.
int PortEventX(int kind, float f);

// The last occurrence of each event kind in a pass, and what a new occurrence in row i
// draws: a line from the last one's x at the row below to its own x at row i (so an
// event missing from some rows is joined across them); nothing for a kind's first.
struct PortTrace {
    std::optional<float> last[kPortEvents];
};
struct PortSegment {
    int x0, y0, x1, y1;
};
std::optional<PortSegment> JoinPortEvent(PortTrace& t, int kind, int row, float f);

// The diagram in PortGraphMode: 'F' or 'R' one pass; 'B' the forward pass, then the
// reverse pass over it without the cycle arrows, and mode 'B' again.
void DrawPortsDiagram(Canvas& c, State& s);

} // namespace vt
