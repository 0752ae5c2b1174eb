// The grid and stroke labels of the diagrams drawn against piston travel (the oval, steam
// and port events diagrams): rows of short and long vertical marks 32 pixels apart.
#pragma once

#include "render/Canvas.h"

namespace vt {

// Rows i = firstRow..9 centred on y = 32i + 55: short marks from 32i + 52 to 32i + 58 at
// x = 27j + shortX0 (j = 2..20), long marks of half height longHalf at x = 54k + longX0
// (k = 2..10).
struct PistonGrid {
    int firstRow;
    int shortX0;
    int longX0;
    int longHalf;
};

void VLine(Canvas& c, int x, int y0, int y1);
void HLine(Canvas& c, int x0, int x1, int y);

void DrawPistonGrid(Canvas& c, const PistonGrid& g);
// Row i of the grid alone.
void DrawPistonGridRow(Canvas& c, const PistonGrid& g, int i);

// The stroke measured from the front end on the right: "100" at x = 45 down to "10" at
// 523 on row y, "0" at (577, 348), and the axis titles on row titleY.
void DrawStrokeLabels(Canvas& c, int y, int titleY);

} // namespace vt
