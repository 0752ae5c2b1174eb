// The dimensions the valve-setting assistant may change, each between two bounds.
#pragma once

#include "gears/Gear.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

struct SettingVariable {
    int Index = -1; // into the design's kind's dimensions
    const gears::Dimension* Dimension = nullptr;
    double Low = 0, High = 0;
};

// The default bounds about the design's value: +-10 degrees for an angle, +-0.1 x the
// stroke (StrokeLen, which every kind has) for a value of 0, otherwise +-10 % of the value.
SettingVariable DefaultVariable(const gears::GearDesign& d, int index);

// The dimension of this field name (or older alias) or caption, in any case; -1 if none.
int FindDimension(const gears::GearDesign& d, std::string_view name);

// Whether the assistant may vary the dimension: not a choice, nor the reverser's travel.
bool CanVary(const gears::GearDesign& d, int index);

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

// A --vary request resolved on a design: the dimension by its field name or its caption,
// with the given bounds or the default ones. An error names an unknown dimension or one
// that cannot vary (the reverser's travel, a choice).
struct ResolvedVariable {
    std::optional<SettingVariable> variable;
    std::string error;
};
ResolvedVariable ResolveVariable(const gears::GearDesign& d, const VariableSpec& spec);

} // namespace vt
