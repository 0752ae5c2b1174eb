// Where the main window's controls stand over its client area: the scene's own area is
// what they leave, so the gear drawn there never runs through a control.
#pragma once

#include "model/State.h"

#include <array>

namespace vt {

// A box of client pixels from (x0, y0) up to, not including, (x1, y1); all 0 when hidden.
struct BandBox {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// The tool bar with the three rows of controls, the readouts' column, the rows of the
// reference point and dynamic-variable bars, and the undo line with its button, as far as
// they show; their texts move with the font factors, so the boxes do too.
std::array<BandBox, 4> ControlBand(const State& s);

} // namespace vt
