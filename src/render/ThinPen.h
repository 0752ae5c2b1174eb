// The one-pixel pen: lines and ellipse outlines written straight into 32-bit pixel rows,
// with exact pixel rules, clipped to the grid. No Qt here.
#pragma once

#include "render/Canvas.h"
#include "render/Clip.h"

#include <cstddef>
#include <cstdint>

namespace vt {

// Sets the pixels of the line from a to b, pixel centres at whole coordinates: one pixel
// per whole step along the longer axis, from the step nearest a up to but not including
// the step nearest b, whichever way the line runs, each on the pixel nearest the line.
// Only the steps inside the grid are visited, so far-off ends cost nothing.
void DrawThinLine(const PixelGrid& grid, clip::Point a, clip::Point b, uint32_t value);

// Sets the pixels of the outline that lie on the arc (start in, end out): where the
// outline is flatter than 45 degrees the pixel nearest it in each column, elsewhere in
// each row, ties going towards the centre so the halves mirror exactly. Only columns and
// rows of the grid are visited, so an enormous ellipse costs no more than a small one.
// One of the radii must be positive.
void DrawThinOutline(const PixelGrid& grid, const clip::EllipseShape& e, clip::Range arc,
                     uint32_t value);

} // namespace vt
