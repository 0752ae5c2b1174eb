// Listing and CSV of the sensitivity report.
#include "analysis/SensitivityText.h"

#include "model/Format.h"

#include <cmath>
#include <cstdio>

namespace vt {

namespace {

constexpr int kNameWidth = 26;
constexpr int kCellWidth = 11;

std::string Padded(const std::string& text, int width, bool right = false) {
    if (text.size() >= std::size_t(width)) return right ? " " + text : text + " ";
    const std::string fill(std::size_t(width) - text.size(), ' ');
    return right ? fill + text : text + fill;
}

using CellText = std::string (*)(double, std::size_t);

std::string TextRow(const std::string& label, const Figures& f, CellText cell) {
    std::string out = Padded(label, kNameWidth);
    for (std::size_t k = 0; k < kFigureCount; ++k) out += Padded(cell(f[k], k), kCellWidth, true);
    return out + "\n";
}

std::string Derivative(double v, std::size_t) { return DerivativeText(v); }

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string CsvRow(const SensitivityReport& r, const std::string& label, const Figures& f) {
    std::string out = label;
    for (double v : f) {
        out += ',';
        if (std::isfinite(v)) out += FormatFixed(v, 0, 6);
    }
    return out + "," + CsvField(r.Design) + "," + CsvField(r.Position) + "," +
           FormatFixed(r.Result.Nominal.Reverser, 0, 4) + "\n";
}

std::string Heading() {
    std::string out = Padded("Dimension", kNameWidth);
    for (std::size_t k = 0; k < kFigureCount; ++k) out += Padded(Figure(k).Short, kCellWidth, true);
    return out + "\n";
}

// The design's length unit in words: "in", "mm", or "model units".
std::string UnitText(const SensitivityReport& r) {
    return r.Result.Unit == gears::LengthUnit::Units ? std::string("model units")
                                                     : std::string(gears::UnitName(r.Result.Unit));
}

std::string Preamble(const SensitivityReport& r) {
    const std::string unit = UnitText(r);
    return "Sensitivity of the valve events. " + ReportPlace(r) + ", offset " +
           FormatFixed(r.Result.Place.Offset, 0, 4) +
           " from mid gear;\nmid gear recalculated for every changed design.\n"
           "Change of each figure per unit increase of the dimension (per degree for the "
           "angles).\nLeads (opening at the dead centre, > 0 open), full travel and "
           "die slip in " + unit + " per " + unit + ";\ncut-off, release and compression in "
           "percent of stroke from that end's dead centre per " + unit + ".\n\n";
}

using RowOut = std::string (*)(const SensitivityReport&, const std::string&, const Figures&);

std::string TextFigures(const SensitivityReport&, const std::string& label, const Figures& f) {
    return TextRow(label, f, FigureText);
}

std::string Spread(const SensitivityReport& r, RowOut row) {
    std::string out;
    out += row(r, "worst_case", r.Spread.WorstCase);
    out += row(r, "statistical", r.Spread.Statistical);
    out += row(r, "monte_carlo_low", r.MonteCarlo.Low);
    out += row(r, "monte_carlo_high", r.MonteCarlo.High);
    return out;
}

// A tolerance to 5 decimals without trailing zeros: "0.002".
std::string Trimmed(double v) {
    std::string text = FormatFixed(v, 0, 5);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string SpreadHeading(const SensitivityReport& r) {
    const ToleranceSet& t = *r.Tolerances;
    std::string out = "\nSpread of each figure for tolerances of +-" + Trimmed(t.Length) +
                      " " + UnitText(r) + " (+-" + Trimmed(t.Angle) + " degrees for the angles)";
    out += t.Overrides.empty() ? "" : ", " + std::to_string(t.Overrides.size()) + " set apart";
    return out + ",\neach +-t being 3 standard deviations of a normal spread: +- worst case "
                 "(sum of |derivative| x t),\n+- statistical (root sum of squares of "
                 "|derivative| x t), and the least and greatest change\nseen in " +
           std::to_string(r.MonteCarlo.Designs) + " random designs drawn with standard "
           "deviation t/3 (seed " + std::to_string(r.MonteCarlo.Seed) + "; " +
           std::to_string(r.MonteCarlo.Failed) +
           " could not be assembled), in the figures' units.\n";
}

std::string Wear(const SensitivityReport& r, RowOut row) {
    std::string out = row(r, "new_gear", FiguresOf(r.Result.Nominal));
    for (const WearRow& w : r.Wear)
        out += row(r, "worn_" + FormatFixed(w.LostMotion, 0, 4), FiguresOf(w.Events));
    return out;
}

} // namespace

std::string ReportPlace(const SensitivityReport& r) {
    const SensitivityResult& s = r.Result;
    std::string out = "Design \"" + r.Design + "\" at " + r.Position + " (";
    out += s.ReverserLabel;
    return out + " " + FormatFixed(s.Nominal.Reverser, 0, 4) + ", " +
           (s.Place.Forward ? "forward" : "reverse") + ")";
}

std::string FailureText(const SensitivityReport& r) {
    return ReportPlace(r) + " cannot be assembled: " + r.Result.Failure +
           ". No derivative, spread or wear was computed.\n";
}

std::string DerivativeText(double v) {
    if (std::isnan(v)) return "-";
    if (v == 0) return "0";
    char text[32];
    std::snprintf(text, sizeof text, "%#.4g", v);
    return text;
}

std::string FigureText(double v, std::size_t figure) {
    return std::isnan(v) ? "-" : FormatFixed(v, 0, Figure(figure).Percent ? 2 : 4);
}

std::string FormatSensitivityText(const SensitivityReport& r) {
    if (!r.Result.Failure.empty()) return FailureText(r);
    std::string out = Preamble(r) + Heading();
    int marked = 0;
    for (const InfluenceRow& row : r.Result.Rows) {
        std::string label = row.Dimension->Caption;
        if (!row.Assembles) label += " *", ++marked;
        out += TextRow(label, row.Derivative, Derivative);
    }
    if (marked > 0)
        out += "* the gear cannot be assembled when this dimension changes by its step.\n";
    if (r.Tolerances) out += SpreadHeading(r) + Spread(r, TextFigures);
    if (!r.Wear.empty())
        out += "\nEvents of the new gear and of the gear worn by a lost motion S (" + UnitText(r) +
               " at the valve), at the same position:\nleads, travel and die slip in " +
               UnitText(r) + "; "
               "events in percent of stroke from that end's dead centre.\n" +
               Wear(r, TextFigures);
    return out;
}

std::string FormatSensitivityCsv(const SensitivityReport& r) {
    std::string out = "dimension";
    for (std::size_t k = 0; k < kFigureCount; ++k) out += std::string(",") + Figure(k).Key;
    out += ",design,position,";
    out += r.Result.ReverserKey;
    out += "\n";
    for (const InfluenceRow& row : r.Result.Rows)
        out += CsvRow(r, row.Dimension->Name, row.Derivative);
    if (r.Tolerances && !r.Result.Rows.empty()) out += Spread(r, CsvRow);
    if (!r.Wear.empty()) out += Wear(r, CsvRow);
    return out;
}

} // namespace vt
