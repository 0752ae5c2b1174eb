// Checks of what a drawing routine asked of a recording canvas when the design behind it
// is damaged: bounded work, bounded coordinates, the gear's run-time values put back.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"
#include "render/RecordingCanvas.h"

namespace vt::test {

using Diagram = void (*)(Canvas&, State&);

// The four analysis diagrams: sine, oval, steam, port events.
extern const Diagram kDiagrams[4];

// Fewer calls than `maxCalls`, and every coordinate of every call within the pixel range
// (with room for the marks drawn beside a clamped point).
void CheckCanvasCalls(const RecordingCanvas& r, std::size_t maxCalls, const char* what);

// Draws the diagram on a recording canvas of the graph windows' size and checks its
// calls; the driver angle and reverse arm position are left bit for bit as they were.
void CheckDiagram(State& s, Diagram draw, const char* what);

} // namespace vt::test
