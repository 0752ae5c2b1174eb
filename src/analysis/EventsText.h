// The valve events table as text: a fixed-width listing for the window and the terminal,
// and CSV with a header row for spreadsheets. Pure functions of the table.
//
// Admission has a sign in both: its crank angle and its percent of stroke are measured
// from the end's dead centre, negative before it (pre-admission, the port opens before the
// dead centre: positive lead) and positive after it (late admission: negative lead). The
// listing writes the sign always ("-8.1", "+0.0"); the CSV names the columns
// admission_deg_after_dc and admission_pct_after_dc. Cut-off, release and compression are
// the piston's distance from the end's dead centre in percent of stroke, unsigned, as the
// port events diagram measures them; the CSV also gives every event's crank angle from
// the front dead centre in the direction of turning (*_crank_deg).
#pragma once

#include "analysis/EventsTable.h"

#include <string>

namespace vt {

// "F0".."F18" and "R0".."R18" for the sweep rows, "S1".."S9" for the stored positions.
std::string RowLabel(const EventsRowSpec& spec);

// Heading lines, the column names, then two lines a position (front, rear); a row whose
// search gave up is marked "!" and explained below the table.
std::string FormatEventsText(const EventsTable& t);

// One line a position; empty fields for events that do not happen.
std::string FormatEventsCsv(const EventsTable& t);

} // namespace vt
