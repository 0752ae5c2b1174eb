// The rules of the workbench's dimension table, without Qt: a dimension's bounds in the
// design's unit, the refusal of a value, the texts of values (fractions of an inch to the
// nearest 1/64), the rescaling of a design to another unit, and what the drawing marks
// for a row.
#pragma once

#include "gears/Gear.h"

#include <optional>
#include <string>
#include <string_view>

namespace vt::wb {

struct Bounds {
    double Low, High;         // unusual outside, but solved
    double HardLow, HardHigh; // refused outside
};

// The dimension's bounds in the design's unit (the kind states them in its sample unit).
Bounds BoundsOf(const gears::GearDesign& d, int dim);

// The unit text beside a dimension's value: the design's unit for a length, "deg" for an
// angle, nothing for a choice.
std::string UnitText(const gears::GearDesign& d, int dim);

// Why `value` cannot be dimension `dim` of the design, in words; nullopt when it can.
std::optional<std::string> RefusalOf(const gears::GearDesign& d, int dim, double value);

// The value as the table shows it: a choice's text; an inch length as a whole number and
// sixty-fourths in lowest terms ("3 31/32", "-1/8") when `fractions`; otherwise the value
// with up to six decimals and no trailing zeros.
std::string ValueText(const gears::GearDesign& d, int dim, double value, bool fractions);

// A typed value: a decimal number, a fraction "a b/c" or "b/c", or a choice's text.
std::optional<double> ParseValue(const gears::GearDesign& d, int dim, std::string_view text);

// The bounds as the table shows them ("10 to 40").
std::string BoundsText(const gears::GearDesign& d, int dim, bool fractions);

// The design in another unit: every length (and a length reverser's stored settings)
// times the unit factor; angles and choices stay.
gears::GearDesign InUnit(const gears::GearDesign& d, gears::LengthUnit to);

// What the drawing marks for a dimension's row: the rod whose length it is (its first two
// pins), or nothing. `Body` is an index into the kind's bodies, -1 for none.
struct DimensionMark {
    int Body = -1;
    int PinA = -1, PinB = -1;
    bool Marked() const { return Body >= 0; }
};
DimensionMark MarkOf(const gears::GearKind& kind, int dim);

} // namespace vt::wb
