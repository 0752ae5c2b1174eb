// One dimension varied over a range through the one evaluator of a changed design: each
// value written as the editors write it, mid gear recalculated, then the events at the two
// normal positions.
#include "analysis/DimensionSweep.h"

#include "analysis/DesignVariant.h"
#include "analysis/EventsTable.h"
#include "model/Format.h"

#include <algorithm>

namespace vt {

namespace {

// What each value reports: lead, cut-off and release of both ends.
struct Figure {
    const char* name;
    std::optional<double> (*get)(const PositionEvents&);
};
using Row = const PositionEvents&;
const Figure kFigures[] = {
    {"front_lead", [](Row r) -> std::optional<double> { return r.Front.Lead; }},
    {"rear_lead", [](Row r) -> std::optional<double> { return r.Rear.Lead; }},
    {"front_cutoff_pct", [](Row r) { return PercentOf(r.Front.CutOff); }},
    {"rear_cutoff_pct", [](Row r) { return PercentOf(r.Rear.CutOff); }},
    {"front_release_pct", [](Row r) { return PercentOf(r.Front.Release); }},
    {"rear_release_pct", [](Row r) { return PercentOf(r.Rear.Release); }},
};

std::string Cell(std::optional<double> v, bool lead, int width) {
    if (!v) return std::string(std::size_t(width - 1), ' ') + "-";
    return FormatFixed(*v, width, lead ? 4 : 2); // as the events table: lengths 4, percents 2
}

} // namespace

DimensionSweep SweepDimension(const gears::GearDesign& d, int index, double from, double to,
                              int steps) {
    DimensionSweep w;
    w.Name = DimensionAt(d, index).Name;
    steps = std::max(steps, 1);
    DesignVariant variant(d);
    // The places are read from each changed design: a swept normal gear moves them.
    const auto at = [&variant](GearPosition p) {
        return variant.At(PlaceOf(variant.Design(), p));
    };
    for (int i = 0; i <= steps; ++i) {
        const double value = from + (to - from) * i / steps;
        const DimensionChange change[] = {{index, value}};
        variant.Change(change);
        w.Points.push_back(
            {value, at(GearPosition::NormalForward), at(GearPosition::NormalReverse)});
    }
    return w;
}

std::string FormatSweepText(const DimensionSweep& w) {
    std::string out = "Lead, cut-off and release as " + w.Name +
                      " varies; normal forward (Fwd) and normal reverse (Rev)\n";
    out += "     Value";
    for (const char* dir : {"Fwd", "Rev"})
        for (const char* col : {"FLead", "RLead", "FCut%", "RCut%", "FRel%", "RRel%"})
            out += "  " + std::string(dir) + " " + col;
    out += "\n";
    for (const SweepPoint& p : w.Points) {
        out += FormatFixed(p.Value, 10, 3);
        for (const PositionEvents* r : {&p.Forward, &p.Reverse})
            for (std::size_t k = 0; k < std::size(kFigures); ++k)
                out += Cell(kFigures[k].get(*r), k < 2, 11);
        out += "\n";
    }
    for (const SweepPoint& p : w.Points)
        for (const PositionEvents* r : {&p.Forward, &p.Reverse})
            if (!Assembled(*r)) {
                out += "At " + FormatFixed(p.Value, 0, 3) + ": " + AssemblyFailure(*r) + "\n";
            }
    return out;
}

std::string FormatSweepCsv(const DimensionSweep& w) {
    std::string out = w.Name;
    for (const char* dir : {"fwd", "rev"})
        for (const Figure& f : kFigures) {
            out += ',';
            out += std::string(dir) + "_" + f.name;
        }
    out += "\n";
    for (const SweepPoint& p : w.Points) {
        out += FormatFixed(p.Value, 0, 5);
        for (const PositionEvents* r : {&p.Forward, &p.Reverse})
            for (const Figure& f : kFigures) {
                const auto v = f.get(*r);
                out += ','; // piece by piece: GCC 12 warns falsely about "," + a string
                if (v) out += FormatFixed(*v, 0, 5);
            }
        out += "\n";
    }
    return out;
}

} // namespace vt
