// The valve events table as text: a fixed-width listing for the window and the terminal,
// and CSV with a header row for spreadsheets. Pure functions of the table.
#pragma once

#include "analysis/EventsTable.h"

#include <string>

namespace vt {

// "F0".."F18" and "R0".."R18" for the sweep rows, "S1".."S9" for the stored positions.
std::string RowLabel(const EventsRowSpec& spec);

// A heading line, the column names, then two lines a position (front, rear).
std::string FormatEventsText(const EventsTable& t);

// One line a position; empty fields for events that do not happen.
std::string FormatEventsCsv(const EventsTable& t);

} // namespace vt
