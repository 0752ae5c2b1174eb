// Listing and CSV of the sensitivity report.
#include "analysis/SensitivityText.h"

#include "model/Format.h"

#include <cmath>

namespace vt {

namespace {

constexpr int kNameWidth = 22;
constexpr int kCellWidth = 10;

std::string Padded(const std::string& text, int width) {
    return text.size() >= std::size_t(width)
               ? text + " "
               : text + std::string(std::size_t(width) - text.size(), ' ');
}

std::string TextRow(const std::string& label, const Figures& f, int decimals) {
    std::string out = Padded(label, kNameWidth);
    for (double v : f) out += FigureCell(v, kCellWidth, decimals);
    return out + "\n";
}

std::string CsvRow(const std::string& label, const Figures& f) {
    std::string out = label;
    for (double v : f) {
        out += ',';
        if (std::isfinite(v)) out += FormatFixed(v, 0, 6);
    }
    return out + "\n";
}

std::string Heading() {
    std::string out = Padded("Dimension", kNameWidth);
    for (std::size_t k = 0; k < kFigureCount; ++k)
        out += std::string(std::size_t(kCellWidth) - std::string(Figure(k).Short).size(), ' ') +
               Figure(k).Short;
    return out + "\n";
}

std::string Preamble(const SensitivityReport& r) {
    const SensitivityResult& s = r.Result;
    return "Sensitivity of the valve events at " + r.Position + " (reverse arm " +
           FormatFixed(s.Gear.RevArmPos, 0, 4) + ", " + (s.Place.Forward ? "forward" : "reverse") +
           ", offset " + FormatFixed(s.Place.Offset, 0, 4) +
           " from mid gear; mid gear recalculated for every changed design).\n"
           "Change of each figure per unit increase of the dimension (per degree for the "
           "eccentric angles).\nLeads (opening at the dead centre, > 0 open), full travel and "
           "die slip in model units per unit;\ncut-off, release and compression in percent of "
           "stroke from that end's dead centre per unit.\n\n";
}

std::string Spread(const SensitivityReport& r, bool csv) {
    const auto row = [csv](const std::string& label, const Figures& f) {
        return csv ? CsvRow(label, f) : TextRow(label, f, 4);
    };
    std::string out;
    if (!csv) {
        const ToleranceSet& t = *r.Tolerances;
        out += "\nSpread of each figure for tolerances of +-" + FormatFixed(t.Length, 0, 4) +
               " units (+-" + FormatFixed(t.Angle, 0, 3) + " degrees for the angles)";
        out += t.Overrides.empty() ? "" : ", " + std::to_string(t.Overrides.size()) + " set apart";
        out += ": +- worst case, +- statistical,\nand the least and greatest change seen in " +
               std::to_string(r.MonteCarlo.Designs) + " random designs (seed " +
               std::to_string(r.MonteCarlo.Seed) + "; " + std::to_string(r.MonteCarlo.Failed) +
               " could not be assembled), in the figures' units.\n";
    }
    out += row("worst_case", r.Spread.WorstCase);
    out += row("statistical", r.Spread.Statistical);
    out += row("monte_carlo_low", r.MonteCarlo.Low);
    out += row("monte_carlo_high", r.MonteCarlo.High);
    return out;
}

std::string Wear(const SensitivityReport& r, bool csv) {
    const auto row = [csv](const std::string& label, const Figures& f) {
        return csv ? CsvRow(label, f) : TextRow(label, f, 4);
    };
    std::string out;
    if (!csv)
        out += "\nEvents of the new gear and of the gear worn by a lost motion S (model units at "
               "the valve):\nleads, travel and die slip in model units; events in percent of "
               "stroke from that end's dead centre.\n";
    out += row("new_gear", FiguresOf(r.Result.Nominal));
    for (const WearRow& w : r.Wear)
        out += row("worn_" + FormatFixed(w.LostMotion, 0, 4), FiguresOf(w.Events));
    return out;
}

} // namespace

std::string FigureCell(double v, int width, int decimals) {
    if (std::isnan(v)) return std::string(std::size_t(width - 1), ' ') + "-";
    return FormatFixed(v, width, decimals);
}

std::string FormatSensitivityText(const SensitivityReport& r) {
    std::string out = Preamble(r) + Heading();
    int marked = 0;
    for (const InfluenceRow& row : r.Result.Rows) {
        std::string label = row.Dimension->Name;
        if (!row.Assembles) label += " *", ++marked;
        out += TextRow(label, row.Derivative, 4);
    }
    if (marked > 0)
        out += "* the gear cannot be assembled when this dimension changes by its step.\n";
    if (r.Tolerances) out += Spread(r, false);
    if (!r.Wear.empty()) out += Wear(r, false);
    return out;
}

std::string FormatSensitivityCsv(const SensitivityReport& r) {
    std::string out = "dimension";
    for (std::size_t k = 0; k < kFigureCount; ++k) out += std::string(",") + Figure(k).Key;
    out += "\n";
    for (const InfluenceRow& row : r.Result.Rows)
        out += CsvRow(row.Dimension->Name, row.Derivative);
    if (r.Tolerances) out += Spread(r, true);
    if (!r.Wear.empty()) out += Wear(r, true);
    return out;
}

} // namespace vt
