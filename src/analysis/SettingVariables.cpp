// Setting variables: default bounds, the command line's NAME=LO:HI, names on the design.
#include "analysis/SettingVariables.h"

#include "model/Dimensions.h"
#include "model/Format.h"

#include <cmath>

namespace vt {

namespace {

constexpr double kShare = 0.1;       // of the value
constexpr double kStrokeShare = 0.1; // of the stroke, for a value of 0
constexpr double kAngleDeg = 10;

bool IsEccentricAngle(const DimensionInfo& d) { return d.Id == 6 || d.Id == 7; }

} // namespace

SettingVariable DefaultVariable(const Mechanism& m, const DimensionInfo& d) {
    const double v = d.Ref(const_cast<Mechanism&>(m)); // Ref only reads here
    const double half = IsEccentricAngle(d) ? kAngleDeg
                        : v == 0            ? kStrokeShare * std::abs(double(m.StrokeLen))
                                            : kShare * std::abs(v);
    return {&d, v - half, v + half};
}

std::vector<float> DesignValues(const Mechanism& m) {
    std::vector<float> values;
    for (auto table : {std::span<const DimensionInfo>(FrameDimensionTable()),
                       std::span<const DimensionInfo>(CylDimensionTable())})
        for (const DimensionInfo& d : table)
            values.push_back(d.Ref(const_cast<Mechanism&>(m))); // Ref only reads here
    return values;
}

ParsedVariableSpec ParseVariableSpec(std::string_view text) {
    ParsedVariableSpec p;
    VariableSpec spec;
    const auto eq = text.find('=');
    spec.Name = std::string(text.substr(0, eq));
    if (spec.Name.find_first_not_of(' ') == std::string::npos)
        return p.error = "--vary needs a dimension's name", p;
    if (eq != std::string_view::npos) {
        const std::string bounds(text.substr(eq + 1));
        const auto colon = bounds.find(':');
        double lo = 0, hi = 0;
        if (colon == std::string::npos || !ParseDecimal(bounds.substr(0, colon), lo) ||
            !ParseDecimal(bounds.substr(colon + 1), hi))
            return p.error = "--vary " + spec.Name + ": the bounds are LO:HI, two numbers: " +
                             bounds, p;
        if (!(lo < hi))
            return p.error = "--vary " + spec.Name + ": the lower bound must be below the upper", p;
        spec.Low = lo;
        spec.High = hi;
    }
    p.spec = spec;
    return p;
}

ResolvedVariable ResolveVariable(const Mechanism& m, const VariableSpec& spec) {
    ResolvedVariable r;
    const DimensionInfo* d = FindDimensionByName(spec.Name);
    if (!d)
        return r.error = "no dimension is called \"" + spec.Name +
                         "\"; give its name as the editors show it or its field name", r;
    if (d->Id <= 0)
        return r.error = std::string(d->Name) + " cannot vary: it sets the reverse arm's travel, "
                         "not the gear", r;
    SettingVariable v = DefaultVariable(m, *d);
    if (spec.Low) v.Low = *spec.Low;
    if (spec.High) v.High = *spec.High;
    r.variable = v;
    return r;
}

} // namespace vt
