// The steam cycle drawn over the port events diagram as labelled arrows: admission,
// expansion, exhaust and compression, placed by the front events of one row. Qt-free.
#pragma once

#include "render/Canvas.h"

namespace vt {

// The unrounded x of the front events of the cycle row; 0 for an event that row lacks.
struct CycleMarks {
    double admission = 0, release = 0, cutOff = 0, compression = 0;
};

// Keeps x = 0.84375 f + 9 of a front event at piston position f; other kinds are ignored.
void RecordCycleMark(CycleMarks& m, int kind, float f);

// The arrows in bold, in the pen the canvas has; the font is regular again afterwards.
void DrawCycleArrows(Canvas& c, const CycleMarks& m);

} // namespace vt
