// What valvetrace-report prints of a gear design: its description (dimensions, derived
// laps, bodies) as a listing or CSV, and the CSV of every pin over a turn.
#pragma once

#include "gears/Gear.h"

#include <string>

namespace vt {

// Each dimension (field name, caption, value, unit), the four laps of the valve in its
// middle place (front_steam_lap, rear_steam_lap, front_exhaust_lap, rear_exhaust_lap; +
// for lap, - for clearance) and each body with the pins it carries.
std::string DescribeGearText(const gears::GearDesign& d);
// The same as CSV: the header name,caption,value,unit, a row for each dimension and lap,
// then a row body,NAME,PIN PIN ... for each body.
std::string DescribeGearCsv(const gears::GearDesign& d);

// The pins at crank angles 0, step, 2 step, ... below 360 degrees at one reverser
// setting: the header crank_deg,NAME_x,NAME_y,...,valve_x, then a row for each angle with
// every coordinate to 12 significant digits. `failed` names the first body that could not
// be assembled (its rows have empty cells), empty when every row was solved.
struct PinsCsv {
    std::string csv;
    std::string failed;
};
PinsCsv PinsOverATurn(const gears::GearDesign& d, double setting, double step);

} // namespace vt
