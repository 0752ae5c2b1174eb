// The dimensions the valve-setting assistant may change, each between two bounds.
#pragma once

#include "model/Dimensions.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

struct SettingVariable {
    const DimensionInfo* Dimension = nullptr; // a dimension with an id
    double Low = 0, High = 0;
};

// The default bounds about the design's value: +-10 degrees for the eccentric angles,
// +-0.1 x StrokeLen for a value of 0, otherwise +-10 % of the value.
SettingVariable DefaultVariable(const Mechanism& m, const DimensionInfo& d);

// Every dimension's stored value, frame then cylinder in editor order: what tells one
// design from another, so that a result is never applied to a design it was not
// computed on.
std::vector<float> DesignValues(const Mechanism& m);

// "NAME" or "NAME=LO:HI" as the command line gives it; the name is resolved later, on
// the design.
struct VariableSpec {
    std::string Name;
    std::optional<double> Low, High;
};
struct ParsedVariableSpec {
    std::optional<VariableSpec> spec;
    std::string error;
};
ParsedVariableSpec ParseVariableSpec(std::string_view text);

// A --vary request resolved on a design: the dimension by its name text or field name (as
// FindDimensionByName takes them), with the given bounds or the default ones. An error names an
// unknown dimension or one without an id (the reverse arm's travel limits).
struct ResolvedVariable {
    std::optional<SettingVariable> variable;
    std::string error;
};
ResolvedVariable ResolveVariable(const Mechanism& m, const VariableSpec& spec);

} // namespace vt
