// The valve events table as text: a fixed-width listing for the window and the terminal,
// and CSV with a header row for spreadsheets. Pure functions of the table.
//
// Every event is measured from its end's dead centre, the crosshead's extreme. Admission
// has a sign in both: its crank angle and its percent of stroke are negative before the
// dead centre (pre-admission, the port opens before it: positive lead) and positive after
// it (late admission: negative lead). The listing writes the sign always ("-8.10",
// "+0.00"); the CSV names the columns admission_deg_after_dc and admission_pct_after_dc.
// Cut-off, release and compression are the crosshead's distance from the end's dead
// centre in percent of its whole travel, unsigned. The rows nearest the five named gear
// positions carry the name ("normal forward") at the end of their first line, and in the
// CSV's named_position column the command line's key ("normal-fwd"). The CSV also gives
// every event's crank angle in the direction of turning (*_crank_deg) on the scale of the
// two dead centres' own (front_dead_centre_crank_deg, rear_dead_centre_crank_deg): 0 is
// the crank level with the axle, pointing at the cylinder.
#pragma once

#include "analysis/EventsTable.h"

#include <string>

namespace vt {

// "F0".."F18" and "R0".."R18" for the sweep rows, "S1".."S9" for the stored positions.
std::string RowLabel(const EventsRowSpec& spec);

// The listing in its three parts, so that a window can keep the column names in view.
struct EventsListing {
    std::string Notes;   // the heading lines: what the figures are measured from
    std::string Columns; // the column names, one line
    std::string Body;    // two lines a position (front, rear), then the notes on failures
};

// A row whose search gave up is marked "!" and explained below the table.
EventsListing FormatEventsListing(const EventsTable& t);

// Notes, Columns and Body in one text.
std::string FormatEventsText(const EventsTable& t);

// One line a position; empty fields for events that do not happen.
std::string FormatEventsCsv(const EventsTable& t);

} // namespace vt
