// The valve events table as text and CSV. Lengths carry three decimals in the listing
// (as every readout) and five in CSV; percentages and degrees one in the listing, three
// and four in CSV.
#include "analysis/EventsText.h"

#include "model/Format.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace vt {

namespace {

std::string Missing(int width) {
    return std::string(std::size_t(width > 1 ? width - 1 : 0), ' ') + "-";
}

std::string Event(std::optional<double> v, int width, int decimals) {
    if (v) return FormatFixed(*v, width, decimals);
    return Missing(width);
}

// A value whose sign is always written: "+0.0" after the dead centre, "-8.1" before it.
std::string Signed(double magnitude, bool before, int width, int decimals) {
    std::string text(before ? "-" : "+");
    text += FormatFixed(std::abs(magnitude), 0, decimals);
    if (text.size() < std::size_t(width)) text.insert(0, std::size_t(width) - text.size(), ' ');
    return text;
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// One end's figures: lead, steam, admission (degrees and percent, signed), cut-off,
// release, compression, exhaust.
std::string EndText(const EndEvents& e) {
    std::string out = FormatFixed(e.Lead, 7, 3) + FormatFixed(e.MaxSteam, 9, 3);
    if (const auto& a = e.Admission) {
        const bool before = a->FromDeadCentre < 0;
        out += Signed(a->FromDeadCentre, before, 8, 1) + Signed(a->Percent, before, 8, 1);
    } else {
        out += Missing(8) + Missing(8);
    }
    return out + Event(PercentOf(e.CutOff), 8, 1) + Event(PercentOf(e.Release), 8, 1) +
           Event(PercentOf(e.Compression), 8, 1) + FormatFixed(e.MaxExhaust, 8, 3);
}

// Appended piece by piece: GCC 12 warns falsely about "," + a temporary string at -O3.
void AppendField(std::string& out, const std::string& field) {
    out += ',';
    out += field;
}

std::string Optional(std::optional<double> v, int decimals) {
    return v ? FormatFixed(*v, 0, decimals) : std::string();
}

void AppendCsvEnd(std::string& out, const EndEvents& e) {
    AppendField(out, FormatFixed(e.Lead, 0, 5));
    AppendField(out, FormatFixed(e.MaxSteam, 0, 5));
    const auto& a = e.Admission;
    AppendField(out, Optional(a ? std::optional(a->FromDeadCentre) : std::nullopt, 4));
    AppendField(out, Optional(a ? std::optional(a->SignedPercent()) : std::nullopt, 3));
    for (const auto* v : {&e.CutOff, &e.Release, &e.Compression})
        AppendField(out, Optional(PercentOf(*v), 3));
    AppendField(out, FormatFixed(e.MaxExhaust, 0, 5));
    for (const auto* v : {&e.Admission, &e.CutOff, &e.Release, &e.Compression})
        AppendField(out, Optional(*v ? std::optional((*v)->Crank) : std::nullopt, 4));
}

std::string ToleranceText(double degrees) {
    const int decimals = std::clamp(int(std::ceil(-std::log10(degrees) - 1e-9)), 0, 9);
    return FormatFixed(degrees, 0, decimals);
}

} // namespace

std::string RowLabel(const EventsRowSpec& spec) {
    const char* prefix = spec.Source == RowSource::Stored ? "S" : spec.Forward ? "F" : "R";
    std::string label(prefix);
    label += std::to_string(spec.Number);
    return label;
}

std::string FormatEventsText(const EventsTable& t) {
    std::string out = "Valve events, each found to " + ToleranceText(t.Options.Tolerance) +
                      " degrees of crank; events in percent of stroke from each end's dead "
                      "centre\n";
    out += "Adm: admission from the dead centre in crank degrees and in percent of stroke, "
           "negative before it (pre-admission), positive after it (late admission)\n";
    out += "Row  Dir   RevArm  End     Lead MaxSteam  AdmDeg    Adm%    Cut%    Rel%   Comp%"
           "  MaxExh  Travel DieSlip\n";
    for (const EventsRow& r : t.Rows) {
        out += Padded(RowLabel(r.Spec), 5) + (r.Spec.Forward ? "Fwd" : "Rev") +
               FormatFixed(r.Spec.RevArmPos, 9, 3) + "  Front" + EndText(r.Front) +
               FormatFixed(r.FullTravel, 8, 3) + FormatFixed(r.DieSlip, 8, 3) +
               (r.Ok() ? "\n" : " !\n");
        out += std::string(19, ' ') + "Rear " + EndText(r.Rear) + "\n";
    }
    if (const int failed = t.FailedRows(); failed > 0)
        out += "! " + std::to_string(failed) + (failed == 1 ? " row" : " rows") +
               ": a search gave up (the solver's link search, a value that is not a number, "
               "or a root that would not close in); its figures cannot be trusted.\n";
    if (t.GuardBeeps > 0)
        out += "The gear cannot take some of these positions: the solver clamped impossible "
               "geometry " + std::to_string(t.GuardBeeps) + " times.\n";
    return out;
}

std::string FormatEventsCsv(const EventsTable& t) {
    std::string out = "row,direction,rev_arm_pos";
    for (const char* end : {"front", "rear"})
        for (const char* col :
             {"lead", "max_steam_opening", "admission_deg_after_dc", "admission_pct_after_dc",
              "cutoff_pct", "release_pct", "compression_pct", "max_exhaust_opening",
              "admission_crank_deg", "cutoff_crank_deg", "release_crank_deg",
              "compression_crank_deg"})
            AppendField(out, std::string(end) + "_" + col);
    out += ",full_travel,die_slip,search_ok\n";
    for (const EventsRow& r : t.Rows) {
        out += RowLabel(r.Spec) + (r.Spec.Forward ? ",Fwd," : ",Rev,") +
               FormatFixed(r.Spec.RevArmPos, 0, 5);
        AppendCsvEnd(out, r.Front);
        AppendCsvEnd(out, r.Rear);
        AppendField(out, FormatFixed(r.FullTravel, 0, 5));
        AppendField(out, FormatFixed(r.DieSlip, 0, 5));
        AppendField(out, r.Ok() ? "1" : "0");
        out += '\n';
    }
    return out;
}

} // namespace vt
