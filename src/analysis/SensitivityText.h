// The sensitivity, tolerance and wear results as a listing and as CSV.
//
// CSV: the header row names the figures (front_lead, ... die_slip); one row per dimension,
// named by its field name, holding the derivatives (model units, or percent of stroke,
// per model unit of the dimension; per degree for the eccentric angles). Then, when
// asked: the rows worst_case, statistical, monte_carlo_low and monte_carlo_high (changes
// from the design's figures, in the figures' own units), and the rows new_gear and
// worn_S (the figures themselves, for the new gear and for each lost motion S). An empty
// cell: the event does not happen, or the changed gear cannot be assembled.
#pragma once

#include "analysis/Tolerances.h"
#include "analysis/WornValve.h"

#include <optional>
#include <string>

namespace vt {

struct SensitivityReport {
    std::string Position; // as the user named it: "normal-fwd", "0.5"
    SensitivityResult Result;
    std::optional<ToleranceSet> Tolerances; // with the spread rows when set
    LinearSpread Spread;
    MonteCarloRange MonteCarlo;
    std::vector<WearRow> Wear; // empty: no wear rows
};

std::string FormatSensitivityText(const SensitivityReport& r);
std::string FormatSensitivityCsv(const SensitivityReport& r);

// One figure as a table cell: "-" where it is NaN.
std::string FigureCell(double v, int width, int decimals);

} // namespace vt
