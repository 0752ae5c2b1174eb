// The main window's mouse button press (FormMouseDown): the reference points, the picks
// of the lines-and-circles dialog and of the pivot data, in their fixed order. Ending a
// dimension marker, the last step, follows it in the window (EndMarkerOnClick).
#pragma once

#include "model/Controls.h"

#include <functional>

namespace vt {

// A press at client pixel (x, y). `openDrawLines` opens the "Draw Lines" dialog as the
// menu item does; it runs at its place in the order, before the later steps.
void FormMouseDown(State& s, Controls& c, MouseButton button, int x, int y,
                   const std::function<void()>& openDrawLines);

} // namespace vt
