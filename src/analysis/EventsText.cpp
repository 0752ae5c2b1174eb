// The valve events table as text and CSV. Lengths carry three decimals in the listing
// (as every readout) and five in CSV; percentages one and three.
#include "analysis/EventsText.h"

#include "model/Format.h"

#include <initializer_list>

namespace vt {

namespace {

std::string Event(std::optional<double> v, int width, int decimals) {
    if (v) return FormatFixed(*v, width, decimals);
    return std::string(std::size_t(width > 1 ? width - 1 : 0), ' ') + "-";
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// One end's figures: lead, steam, admission, cut-off, release, compression, exhaust.
std::string EndText(const EndEvents& e) {
    return FormatFixed(e.Lead, 7, 3) + FormatFixed(e.MaxSteam, 9, 3) + Event(e.Admission, 8, 1) +
           Event(e.CutOff, 8, 1) + Event(e.Release, 8, 1) + Event(e.Compression, 8, 1) +
           FormatFixed(e.MaxExhaust, 8, 3);
}

std::string StepText(int perDegree) {
    return FormatFixed(1.0 / perDegree, 0, perDegree > 100 ? 4 : 2);
}

// Appended piece by piece: GCC 12 warns falsely about "," + a temporary string at -O3.
void AppendField(std::string& out, const std::string& field) {
    out += ',';
    out += field;
}

void AppendCsvEnd(std::string& out, const EndEvents& e) {
    AppendField(out, FormatFixed(e.Lead, 0, 5));
    AppendField(out, FormatFixed(e.MaxSteam, 0, 5));
    for (const auto& v : {e.Admission, e.CutOff, e.Release, e.Compression})
        AppendField(out, v ? FormatFixed(*v, 0, 3) : std::string());
    AppendField(out, FormatFixed(e.MaxExhaust, 0, 5));
}

} // namespace

std::string RowLabel(const EventsRowSpec& spec) {
    const char* prefix = spec.Source == RowSource::Stored ? "S" : spec.Forward ? "F" : "R";
    std::string label(prefix);
    label += std::to_string(spec.Number);
    return label;
}

std::string FormatEventsText(const EventsTable& t) {
    std::string out = "Valve events over one turn in " + StepText(t.StepsPerDegree) +
                      " degree steps; events in percent of stroke from each end's dead "
                      "centre\n";
    out += "Row  Dir   RevArm  End     Lead MaxSteam    Adm%    Cut%    Rel%   Comp%  MaxExh"
           "  Travel DieSlip\n";
    for (const EventsRow& r : t.Rows) {
        out += Padded(RowLabel(r.Spec), 5) + (r.Spec.Forward ? "Fwd" : "Rev") +
               FormatFixed(r.Spec.RevArmPos, 9, 3) + "  Front" + EndText(r.Front) +
               FormatFixed(r.FullTravel, 8, 3) + FormatFixed(r.DieSlip, 8, 3) + "\n";
        out += std::string(19, ' ') + "Rear " + EndText(r.Rear) + "\n";
    }
    if (t.GuardBeeps > 0)
        out += "The gear cannot take some of these positions: the solver clamped impossible "
               "geometry " + std::to_string(t.GuardBeeps) + " times.\n";
    return out;
}

std::string FormatEventsCsv(const EventsTable& t) {
    std::string out = "row,direction,rev_arm_pos";
    for (const char* end : {"front", "rear"})
        for (const char* col : {"lead", "max_steam_opening", "admission_pct", "cutoff_pct",
                                "release_pct", "compression_pct", "max_exhaust_opening"})
            AppendField(out, std::string(end) + "_" + col);
    out += ",full_travel,die_slip\n";
    for (const EventsRow& r : t.Rows) {
        out += RowLabel(r.Spec) + (r.Spec.Forward ? ",Fwd," : ",Rev,") +
               FormatFixed(r.Spec.RevArmPos, 0, 5);
        AppendCsvEnd(out, r.Front);
        AppendCsvEnd(out, r.Rear);
        AppendField(out, FormatFixed(r.FullTravel, 0, 5));
        AppendField(out, FormatFixed(r.DieSlip, 0, 5));
        out += '\n';
    }
    return out;
}

} // namespace vt
