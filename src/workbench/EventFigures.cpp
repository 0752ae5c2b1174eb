// The workbench's events figures; see EventFigures.h.
#include "workbench/EventFigures.h"

#include "analysis/EventsText.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace vt::wb {

namespace {

std::optional<double> Percent(const std::optional<EventPoint>& e) {
    return PercentOf(e);
}

// One row of the quantities' table: what each reads.
constexpr EventQuantity kQuantities[] = {
    {"Lead", "lead",
     "Opening to steam with the crosshead at this end's dead centre: + open, - still lapped",
     Measure::Length, 3, true, [](const EndEvents& e) -> std::optional<double> { return e.Lead; },
     nullptr},
    {"Greatest steam opening", "steam",
     "The widest opening to steam in the turn, at most the port's width", Measure::Length, 3, false,
     [](const EndEvents& e) -> std::optional<double> { return e.MaxSteam; }, nullptr},
    {"Greatest exhaust opening", "exhaust",
     "The widest opening to exhaust in the turn, at most the port's width", Measure::Length, 3,
     false, [](const EndEvents& e) -> std::optional<double> { return e.MaxExhaust; }, nullptr},
    {"Admission", "admit",
     "Crank degrees from this end's true dead centre: - before it (pre-admission), + after",
     Measure::Degrees, 2, true,
     [](const EndEvents& e) -> std::optional<double> {
         if (!e.Admission) return std::nullopt;
         return e.Admission->FromDeadCentre;
     },
     nullptr},
    {"Cut-off", "cut-off",
     "Piston travel from this end's true dead centre when steam is shut off, % of stroke",
     Measure::Percent, 1, false, [](const EndEvents& e) { return Percent(e.CutOff); }, nullptr},
    {"Release", "release",
     "Piston travel from this end's true dead centre when the exhaust opens, % of stroke",
     Measure::Percent, 1, false, [](const EndEvents& e) { return Percent(e.Release); }, nullptr},
    {"Compression", "compress",
     "Piston travel from this end's true dead centre when the exhaust closes, % of stroke",
     Measure::Percent, 1, false, [](const EndEvents& e) { return Percent(e.Compression); },
     nullptr},
    {"Valve travel", "travel", "The valve's whole travel, one extreme to the other",
     Measure::Length, 3, false, nullptr, [](const PositionEvents& e) { return e.FullTravel; }},
    {"Die slip", "slip", "The die's range along its slot over the turn", Measure::Length, 3, false,
     nullptr, [](const PositionEvents& e) { return e.DieSlip; }},
};

std::string Fixed(double v, int decimals, bool sign) {
    char text[64];
    std::snprintf(text, sizeof text, sign ? "%+.*f" : "%.*f", decimals, v);
    return text;
}

} // namespace

std::span<const EventQuantity> EventQuantities() {
    return kQuantities;
}

std::optional<double> FigureOf(const EventQuantity& q, const PositionEvents& e, End end) {
    if (!q.BothEnds()) return q.Whole(e);
    return q.Of(end == End::Rear ? e.Rear : e.Front);
}

std::string MeasureUnit(Measure m, const gears::GearDesign& d) {
    switch (m) {
    case Measure::Length:
        return std::string(gears::UnitName(d.Unit));
    case Measure::Percent:
        return "% stroke";
    case Measure::Degrees:
        return "deg";
    }
    return {};
}

std::string FigureText(const EventQuantity& q, std::optional<double> value,
                       std::optional<double> compared, bool comparing) {
    const auto text = [&](std::optional<double> v) {
        return v ? Fixed(*v, q.Decimals, q.Signed) : std::string("none");
    };
    if (!comparing) return text(value);
    std::string out = text(value) + " / " + text(compared);
    if (value && compared) out += " (" + Fixed(*value - *compared, q.Decimals, true) + ")";
    return out;
}

std::vector<NotchColumn> NotchColumns() {
    std::vector<NotchColumn> columns{{nullptr, End::Front}, {nullptr, End::Whole}};
    for (const EventQuantity& q : kQuantities) {
        if (!q.BothEnds()) {
            columns.push_back({&q, End::Whole});
            continue;
        }
        columns.push_back({&q, End::Front});
        columns.push_back({&q, End::Rear});
    }
    return columns;
}

std::string NotchHeader(const NotchColumn& c, const gears::GearDesign& d) {
    if (!c.Quantity) return c.Side == End::Front ? "Row" : "Setting";
    const std::string end = c.Side == End::Front ? "F " : c.Side == End::Rear ? "R " : "";
    return end + c.Quantity->Short + "\n" + MeasureUnit(c.Quantity->Unit, d);
}

const EventsRow* MatchingRow(const EventsTable& t, const EventsRowSpec& spec) {
    const std::string label = RowLabel(spec);
    for (const EventsRow& r : t.Rows)
        if (RowLabel(r.Spec) == label) return &r;
    return nullptr;
}

int NearestRow(const EventsTable& t, double setting) {
    const bool forward = setting >= 0;
    int best = -1;
    double gap = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < t.Rows.size(); ++i) {
        const EventsRow& r = t.Rows[i];
        if (r.Spec.Forward != forward || std::fabs(r.Spec.Setting - setting) >= gap) continue;
        gap = std::fabs(r.Spec.Setting - setting);
        best = int(i);
    }
    return best;
}

} // namespace vt::wb
