// The pivot data: up to six pivots picked on the drawing, and the table of their paths
// over one whole turn of the driver.
#pragma once

#include "model/ViewControls.h"

#include <string>

namespace vt {

// "Pi&votData": switches the pivot data on (and the reference points with it, when they
// are off) or off.
void SetPivotDataClick(State& s, ViewControls& v);

// The pivot nearest a model point by |dx| + |dy| over pivots 1..last, 19 and 20 left out;
// a tie goes to the lower number.
int NearestPivot(const State& s, double x, double y, int last);

// The mouse with the pivot data on: a left press on a row's number (in the table at the
// left) makes that row wait for a pick; the next left press in the drawing picks the
// pivot nearest to it; when that press is on a row's number it then arms that row. Runs
// after the reference points took the press.
void MousePicksPivot(State& s, MouseButton button, int x, int y);

// The whole table: two title lines, two column heads, then one row per step angle from
// 0 up to 360. DriverAngle and RunStep are put back afterwards.
std::string BuildPivotTable(State& s, const std::string& date, const std::string& time);

} // namespace vt
