// One dimension varied over a range: each value written as the editors write it, mid
// gear recalculated as closing an editor does, then the events engine at the two normal
// positions.
#include "analysis/DimensionSweep.h"

#include "model/Controls.h"
#include "model/Format.h"
#include "model/MidGear.h"
#include "model/Real.h"

#include <algorithm>
#include <cctype>

namespace vt {

namespace {

std::string Folded(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::string out = text.substr(first, text.find_last_not_of(' ') - first + 1);
    for (char& ch : out) ch = char(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

const DimensionInfo* FindIn(std::span<const DimensionInfo> table, const std::string& key) {
    for (const DimensionInfo& d : table)
        if (Folded(d.Name) == key || (d.NameText[0] != 0 && Folded(d.NameText) == key))
            return &d;
    return nullptr;
}

void Write(State& g, const DimensionInfo& d, double value) {
    if (d.Id > 0) WriteDimension(g, d.Id, F32(value));
    else d.Ref(g) = F32(value);
}

// What each value reports: lead, cut-off and release of both ends.
struct Figure {
    const char* name;
    std::optional<double> (*get)(const EventsRow&);
};
const Figure kFigures[] = {
    {"front_lead", [](const EventsRow& r) -> std::optional<double> { return r.Front.Lead; }},
    {"rear_lead", [](const EventsRow& r) -> std::optional<double> { return r.Rear.Lead; }},
    {"front_cutoff_pct", [](const EventsRow& r) { return PercentOf(r.Front.CutOff); }},
    {"rear_cutoff_pct", [](const EventsRow& r) { return PercentOf(r.Rear.CutOff); }},
    {"front_release_pct", [](const EventsRow& r) { return PercentOf(r.Front.Release); }},
    {"rear_release_pct", [](const EventsRow& r) { return PercentOf(r.Rear.Release); }},
};

std::string Cell(std::optional<double> v, bool lead, int width) {
    if (!v) return std::string(std::size_t(width - 1), ' ') + "-";
    return FormatFixed(*v, width, lead ? 3 : 1);
}

} // namespace

const DimensionInfo* FindDimensionByName(const std::string& name) {
    const std::string key = Folded(name);
    if (key.empty()) return nullptr;
    if (const DimensionInfo* d = FindIn(FrameDimensionTable(), key)) return d;
    return FindIn(CylDimensionTable(), key);
}

DimensionSweep SweepDimension(const State& s, const DimensionInfo& d, double from, double to,
                              int steps) {
    DimensionSweep w;
    w.Dimension = &d;
    steps = std::max(steps, 1);
    State g = s;
    g.ErrorBeepOn = true;
    g.hooks.Beep = [&w] { ++w.GuardBeeps; };
    for (int i = 0; i <= steps; ++i) {
        const double value = from + (to - from) * i / steps;
        Write(g, d, value);
        FindRevArmCent(g);
        const EventsRowSpec rows[] = {{NormalForward(g), true, RowSource::Stored, 1},
                                      {NormalReverse(g), false, RowSource::Stored, 2}};
        EventsTable t = ComputeEventsTable(g, rows);
        w.GuardBeeps += t.GuardBeeps;
        w.Points.push_back({value, t.Rows[0], t.Rows[1]});
    }
    return w;
}

std::string FormatSweepText(const DimensionSweep& w) {
    std::string out = std::string("Lead, cut-off and release as ") + w.Dimension->Name +
                      " varies; normal forward (Fwd) and normal reverse (Rev)\n";
    out += "     Value";
    for (const char* dir : {"Fwd", "Rev"})
        for (const char* col : {"FLead", "RLead", "FCut%", "RCut%", "FRel%", "RRel%"})
            out += "  " + std::string(dir) + " " + col;
    out += "\n";
    for (const SweepPoint& p : w.Points) {
        out += FormatFixed(p.Value, 10, 3);
        for (const EventsRow* r : {&p.Forward, &p.Reverse})
            for (std::size_t k = 0; k < std::size(kFigures); ++k)
                out += Cell(kFigures[k].get(*r), k < 2, 11);
        out += "\n";
    }
    if (w.GuardBeeps > 0)
        out += "The gear cannot take some of these values: the solver clamped impossible "
               "geometry " + std::to_string(w.GuardBeeps) + " times.\n";
    return out;
}

std::string FormatSweepCsv(const DimensionSweep& w) {
    std::string out = w.Dimension->Name;
    for (const char* dir : {"fwd", "rev"})
        for (const Figure& f : kFigures) {
            out += ',';
            out += std::string(dir) + "_" + f.name;
        }
    out += "\n";
    for (const SweepPoint& p : w.Points) {
        out += FormatFixed(p.Value, 0, 5);
        for (const EventsRow* r : {&p.Forward, &p.Reverse})
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
