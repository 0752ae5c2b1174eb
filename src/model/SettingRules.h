// The rules of the three setting dialogs, which type exact values where the main window
// offers bars and buttons: the reverse arm position, the driver angle, the step angle.
#pragma once

#include "model/Controls.h"

#include <array>
#include <string>

namespace vt {

// The five value texts of the reverse arm dialog, at (2, 0), (71, 0), (141, 0), (2, 15)
// and (141, 15), and the entry's text.
std::array<std::string, 5> RevArmPositionTexts(const State& s);
std::string RevArmEntryText(const State& s);
// OK: the typed position, kept within mid gear +- RevArmCentMax, moves the bar.
void RevArmPositionOk(State& s, Controls& c, const std::string& text);

// The driver angle entry shows 0.00 while the motion runs, else the angle.
std::string DriverAngleEntryText(const State& s);
// OK: stops the motion and sets the typed angle, kept in [0, 360].
void DriverAngleOk(State& s, Controls& c, const std::string& text);

// The step angle entry shows the step per tick (0.00 while stopped).
std::string StepAngleEntryText(const State& s);
// OK: the typed step, kept in [0.01, 45], keeps the motion running or stopped; the step
// bar moves to match without rounding the typed value to its table.
void StepAngleOk(State& s, Controls& c, const std::string& text);

} // namespace vt
