// The main window's mouse handler; see MouseDown.h.
#include "model/MouseDown.h"

#include "model/PivotData.h"

namespace vt {

void FormMouseDown(State& s, Controls& c, MouseButton button, int x, int y,
                   const std::function<void()>& openDrawLines) {
    // 1, 2: the left button places reference point 1, the right button point 2.
    MousePlacesRefPoint(s, c.View, button, x, y);
    // 3 to 5: a pick for the overlay entry being made reopens its dialog; a two-pivot
    // pick needs a left press before the right one.
    const bool chosen = s.RefPointsOn && c.Lines.TypeChoice >= 0 && c.Lines.ColorChoice >= 0;
    if (chosen && button == MouseButton::Left && s.LineRefChoice >= 0 && s.LineRefChoice <= 2) openDrawLines();
    if (button == MouseButton::Left) s.LeftPickDone = true;
    if (chosen && button == MouseButton::Right && s.LineRefChoice == 3 && s.LeftPickDone) {
        s.LeftPickDone = false;
        openDrawLines();
    }
    // 6, 7: the pivot data's row choice and pick.
    MousePicksPivot(s, button, x, y);
    // 8, ending a dimension marker on show, belongs to the drawing layer: the window
    // runs it (EndMarkerOnClick) right after this rule.
}

} // namespace vt
