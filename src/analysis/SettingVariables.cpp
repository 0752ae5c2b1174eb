// Setting variables: default bounds, the command line's NAME=LO:HI, names on the design.
#include "analysis/SettingVariables.h"

#include "model/Format.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace vt {

namespace {

constexpr double kShare = 0.1;       // of the value
constexpr double kStrokeShare = 0.1; // of the stroke, for a value of 0
constexpr double kAngleDeg = 10;

} // namespace

int FindDimension(const gears::GearDesign& d, std::string_view name) {
    if (const int i = d.Kind->DimensionIndex(name); i >= 0) return i;
    const auto dims = d.Kind->Dimensions();
    const auto same = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
               });
    };
    for (std::size_t i = 0; i < dims.size(); ++i)
        if (same(dims[i].Caption, name)) return int(i);
    return -1;
}

SettingVariable DefaultVariable(const gears::GearDesign& d, int index) {
    const gears::Dimension& info = d.Kind->Dimensions()[std::size_t(index)];
    const double v = d.Values[std::size_t(index)];
    const double half = info.Unit == gears::UnitKind::Angle ? kAngleDeg
                        : v == 0 ? kStrokeShare * std::abs(d.Value("StrokeLen"))
                                 : kShare * std::abs(v);
    return {index, &info, v - half, v + half};
}

bool CanVary(const gears::GearDesign& d, int index) {
    const gears::ReverserInfo r = d.Kind->Reverser();
    return index != r.FullDim && index != r.NormalDim &&
           d.Kind->Dimensions()[std::size_t(index)].Unit != gears::UnitKind::Choice;
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

ResolvedVariable ResolveVariable(const gears::GearDesign& d, const VariableSpec& spec) {
    ResolvedVariable r;
    const int i = FindDimension(d, spec.Name);
    if (i < 0)
        return r.error = "no dimension is called \"" + spec.Name +
                         "\"; give its field name or its caption", r;
    if (!CanVary(d, i)) {
        const gears::Dimension& info = d.Kind->Dimensions()[std::size_t(i)];
        const bool choice = info.Unit == gears::UnitKind::Choice;
        return r.error = std::string(info.Name) + " cannot vary: " +
                         (choice ? "it is a choice, not a size"
                                 : "it sets the reverser's travel, not the gear"), r;
    }
    SettingVariable v = DefaultVariable(d, i);
    if (spec.Low) v.Low = *spec.Low;
    if (spec.High) v.High = *spec.High;
    r.variable = v;
    return r;
}

} // namespace vt
