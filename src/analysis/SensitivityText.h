// The sensitivity, tolerance and wear results as a listing and as CSV.
//
// Listing: the design and the position first; one row per dimension, named by its caption
// ("Rocker Pivot Horz"), holding the derivatives to 4 significant digits; the spread and
// wear rows with leads, travel and die slip to 4 decimals and percentages to 2.
//
// CSV: the header row names the figures (front_lead, ... die_slip), then design, position
// and reverse_arm, which every row repeats; one row per dimension, named by its field
// name, holding the derivatives (model units, or percent of stroke, per model unit of the
// dimension; per degree for the eccentric angles). Then, when asked: the rows worst_case,
// statistical, monte_carlo_low and monte_carlo_high (changes from the design's figures, in
// the figures' own units, for tolerances of 3 standard deviations), and the rows new_gear
// and worn_S (the figures themselves, for the new gear and for each lost motion S). An
// empty cell: the event does not happen, or the changed gear cannot be assembled.
#pragma once

#include "analysis/Tolerances.h"
#include "analysis/WornValve.h"

#include <optional>
#include <string>

namespace vt {

struct SensitivityReport {
    std::string Design;   // the design's name (DataSetName)
    std::string Position; // as the user named it: "normal-fwd", "0.5"
    SensitivityResult Result;
    std::optional<ToleranceSet> Tolerances; // with the spread rows when set
    LinearSpread Spread;
    MonteCarloRange MonteCarlo;
    std::vector<WearRow> Wear; // empty: no wear rows
};

std::string FormatSensitivityText(const SensitivityReport& r);
std::string FormatSensitivityCsv(const SensitivityReport& r);

// "Design "Nominal" at full-fwd (reverse arm 1.2345, forward)".
std::string ReportPlace(const SensitivityReport& r);

// The design cannot be assembled at the position: what the listing says instead.
std::string FailureText(const SensitivityReport& r);

// A derivative to 4 significant digits ("-1.000", "263.4", "0" for exactly 0); "-" for NaN.
std::string DerivativeText(double v);

// A figure's value to the decimals of its unit: 4 for lengths, 2 for percent of stroke;
// "-" for NaN.
std::string FigureText(double v, std::size_t figure);

} // namespace vt
