// The scene's numbers and labels: the undo line, the gear and valve readouts, the pivot
// data rows, the pick prompts, the cut-off, the reference points and the dynamic-variable
// list. Also where the "UnDo" button stands, which follows the undo line.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

#include <optional>

namespace vt {

// The undo button's top while the undo line is shown, or nothing when it is hidden.
std::optional<int> UndoButtonTop(const State& s);

// Draws the readouts stage. `overlayPen` is the pen the overlay stage left (the reference
// points are drawn in it).
void DrawReadouts(Canvas& c, State& s, Color overlayPen);

} // namespace vt
