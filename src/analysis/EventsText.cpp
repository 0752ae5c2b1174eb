// The valve events table as text and CSV. Each column keeps its decimals by its unit: in
// the listing lengths (leads, openings, travel, die slip) four, percentages of stroke and
// crank degrees two, the reverse arm position three (its bar's step); in CSV lengths five,
// percentages three, degrees four.
#include "analysis/EventsText.h"

#include "model/Format.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace vt {

namespace {

constexpr int kLengthDecimals = 4, kPercentDecimals = 2, kDegreeDecimals = 2;
// The CSV, for scripts: the exact engine's figures to a tenth of a micro-unit and a
// ten-thousandth of a percent.
constexpr int kCsvLengthDecimals = 6, kCsvPercentDecimals = 4;

// The listing's columns after the row's place and end, with their widths.
struct Column {
    const char* name;
    int width;
};
constexpr Column kLead{"Lead", 8}, kMaxSteam{"MaxSteam", 9}, kAdmDeg{"AdmDeg", 8},
    kAdmPct{"Adm%", 8}, kCut{"Cut%", 8}, kRel{"Rel%", 8}, kComp{"Comp%", 8},
    kMaxExh{"MaxExh", 9}, kTravel{"Travel", 9}, kDieSlip{"DieSlip", 9};
constexpr Column kColumns[] = {kLead, kMaxSteam, kAdmDeg, kAdmPct, kCut,
                               kRel,  kComp,     kMaxExh, kTravel, kDieSlip};
constexpr int kPlaceWidth = 24; // "F14  Fwd    7.050  Front"

std::string Right(std::string text, int width) {
    if (text.size() < std::size_t(width)) text.insert(0, std::size_t(width) - text.size(), ' ');
    return text;
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string Event(std::optional<double> v, const Column& c, int decimals) {
    return v ? FormatFixed(*v, c.width, decimals) : Right("-", c.width);
}

std::string Length(double v, const Column& c) { return FormatFixed(v, c.width, kLengthDecimals); }

// A value whose sign is always written: "+0.00" after the dead centre, "-8.10" before it.
// Built piece by piece: GCC 12 warns falsely about a literal + a temporary string at -O3.
std::string Signed(double magnitude, bool before, const Column& c, int decimals) {
    std::string text(before ? "-" : "+");
    text += FormatFixed(std::abs(magnitude), 0, decimals);
    return Right(text, c.width);
}

// One end's figures: lead, steam, admission (degrees and percent, signed), cut-off,
// release, compression, exhaust.
std::string EndText(const EndEvents& e) {
    std::string out = Length(e.Lead, kLead) + Length(e.MaxSteam, kMaxSteam);
    if (const auto& a = e.Admission) {
        const bool before = a->FromDeadCentre < 0;
        out += Signed(a->FromDeadCentre, before, kAdmDeg, kDegreeDecimals) +
               Signed(a->Percent, before, kAdmPct, kPercentDecimals);
    } else {
        out += Right("-", kAdmDeg.width) + Right("-", kAdmPct.width);
    }
    return out + Event(PercentOf(e.CutOff), kCut, kPercentDecimals) +
           Event(PercentOf(e.Release), kRel, kPercentDecimals) +
           Event(PercentOf(e.Compression), kComp, kPercentDecimals) +
           Length(e.MaxExhaust, kMaxExh);
}

// "normal forward", or "mid gear, normal forward" where one row is nearest to both.
std::string NamesOf(const EventsRow& r, const char* (*name)(GearPosition), const char* sep) {
    std::string out;
    for (GearPosition p : r.Named) {
        if (!out.empty()) out += sep;
        out += name(p);
    }
    return out;
}

std::string ColumnNames(const EventsTable& t) {
    std::string out = Padded("Row", 5) + "Dir" + Right(t.ReverserLabel, 9) + "  End  ";
    for (const Column& c : kColumns) out += Right(c.name, c.width);
    return out + "  Gear\n";
}

std::string RowText(const EventsRow& r) {
    std::string front = Padded(RowLabel(r.Spec), 5) + (r.Spec.Forward ? "Fwd" : "Rev") +
                        FormatFixed(r.Reverser, 9, 3) + "  Front" + EndText(r.Front) +
                        Length(r.FullTravel, kTravel) + Length(r.DieSlip, kDieSlip) +
                        (r.Ok() ? "" : " !");
    if (!r.Named.empty()) {
        front += "  ";
        front += NamesOf(r, GearPositionName, ", ");
    }
    return front + "\n" + std::string(kPlaceWidth - 5, ' ') + "Rear " + EndText(r.Rear) + "\n";
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
    AppendField(out, FormatFixed(e.Lead, 0, kCsvLengthDecimals));
    AppendField(out, FormatFixed(e.MaxSteam, 0, kCsvLengthDecimals));
    const auto& a = e.Admission;
    AppendField(out, Optional(a ? std::optional(a->FromDeadCentre) : std::nullopt, 4));
    AppendField(out, Optional(a ? std::optional(a->SignedPercent()) : std::nullopt,
                              kCsvPercentDecimals));
    for (const auto* v : {&e.CutOff, &e.Release, &e.Compression})
        AppendField(out, Optional(PercentOf(*v), kCsvPercentDecimals));
    AppendField(out, FormatFixed(e.MaxExhaust, 0, kCsvLengthDecimals));
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

EventsListing FormatEventsListing(const EventsTable& t) {
    EventsListing l;
    l.Notes = "Valve events, each found to " + ToleranceText(t.Options.Tolerance) +
              " degrees of crank; events in percent of stroke (the crosshead's travel) from "
              "each end's dead centre, the crosshead's extreme\n";
    l.Notes += "Adm: admission from the dead centre in crank degrees and in percent of stroke, "
               "negative before it (pre-admission), positive after it (late admission); "
               "lengths in the design's unit\n";
    l.Columns = ColumnNames(t);
    for (const EventsRow& r : t.Rows) l.Body += RowText(r);
    if (const int failed = t.FailedRows(); failed > 0)
        l.Body += "! " + std::to_string(failed) + (failed == 1 ? " row" : " rows") +
                  ": the gear could not be assembled at some crank angles, or a search for an "
                  "event would not close in; its figures cannot be trusted.\n";
    return l;
}

std::string FormatEventsText(const EventsTable& t) {
    const EventsListing l = FormatEventsListing(t);
    return l.Notes + l.Columns + l.Body;
}

std::string FormatEventsCsv(const EventsTable& t) {
    std::string out = "row,direction,";
    out += t.ReverserKey;
    for (const char* end : {"front", "rear"})
        for (const char* col :
             {"lead", "max_steam_opening", "admission_deg_after_dc", "admission_pct_after_dc",
              "cutoff_pct", "release_pct", "compression_pct", "max_exhaust_opening",
              "admission_crank_deg", "cutoff_crank_deg", "release_crank_deg",
              "compression_crank_deg"})
            AppendField(out, std::string(end) + "_" + col);
    out += ",full_travel,die_slip,front_dead_centre_crank_deg,rear_dead_centre_crank_deg,"
           "search_ok,named_position\n";
    for (const EventsRow& r : t.Rows) {
        out += RowLabel(r.Spec) + (r.Spec.Forward ? ",Fwd," : ",Rev,") +
               FormatFixed(r.Reverser, 0, 5);
        AppendCsvEnd(out, r.Front);
        AppendCsvEnd(out, r.Rear);
        AppendField(out, FormatFixed(r.FullTravel, 0, kCsvLengthDecimals));
        AppendField(out, FormatFixed(r.DieSlip, 0, kCsvLengthDecimals));
        AppendField(out, FormatFixed(r.FrontDeadCentre, 0, 4));
        AppendField(out, FormatFixed(r.RearDeadCentre, 0, 4));
        AppendField(out, r.Ok() ? "1" : "0");
        AppendField(out, NamesOf(r, GearPositionKey, " "));
        out += '\n';
    }
    return out;
}

} // namespace vt
