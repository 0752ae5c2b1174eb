// The figures the workbench's events panels show, without Qt: one table of the quantities
// (caption, unit, what its sign means), read from one position's events for either
// cylinder end, and the text of a figure alone or against a compared design's.
#pragma once

#include "analysis/EventsTable.h"
#include "gears/Gear.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vt::wb {

enum class Measure { Length, Percent, Degrees };
enum class End { Front, Rear, Whole };

// One quantity of a position's events. A quantity of both ends reads `Of`; one of the
// whole gear (travel, die slip) reads `Whole`.
struct EventQuantity {
    const char* Caption; // "Lead"
    const char* Short;   // "lead": the notch table's column, after "F " or "R "
    const char* Tip;     // what it is measured from and what its sign means
    Measure Unit;
    int Decimals;
    bool Signed; // written with its sign always
    std::optional<double> (*Of)(const EndEvents&);
    double (*Whole)(const PositionEvents&);
    bool BothEnds() const { return Of != nullptr; }
};

std::span<const EventQuantity> EventQuantities();

// The figure of one end (Front or Rear; Whole for a whole-gear quantity); empty where
// the event does not happen in the turn.
std::optional<double> FigureOf(const EventQuantity& q, const PositionEvents& e, End end);

// "in" for a length of an inch design, "% stroke", "deg".
std::string MeasureUnit(Measure m, const gears::GearDesign& d);

// The figure as a panel shows it: "0.250", "+12.5", "none" where it does not happen. With
// a compared figure: "0.250 / 0.188 (+0.062)", the difference this design less the other.
std::string FigureText(const EventQuantity& q, std::optional<double> value,
                       std::optional<double> compared, bool comparing);

// The notch table's columns: its row's label and setting, then each quantity for the
// front and rear ends (or once for the whole gear).
struct NotchColumn {
    const EventQuantity* Quantity; // null for the label and setting columns
    End Side;
};
std::vector<NotchColumn> NotchColumns();
std::string NotchHeader(const NotchColumn& c, const gears::GearDesign& d);

// The row of the compared table that answers this one (the same label), or null.
const EventsRow* MatchingRow(const EventsTable& t, const EventsRowSpec& spec);

// The row nearest a reverser setting in the direction it drives (forward at mid gear).
int NearestRow(const EventsTable& t, double setting);

} // namespace vt::wb
