// How much each dimension moves the valve events: the derivative of every figure
// (EventFigures.h) with respect to each dimension of the design's kind (its reverser's
// travel and its choices left out), at one gear position, by central differences through
// the events engine on changed copies of the design (DesignVariant.h: mid gear found anew,
// the same notch from it).
//
// The step rule. Each dimension is changed by +h and -h with
//   h = 0.01 of the design's unit for a length, 0.2 degrees for an angle,
// and the derivative is (f(+h) - f(-h)) / 2h. The exact engine solves every pose to
// rounding, so what is left is the curvature's error, which grows as h squared and stays
// far below the figures' last printed digit for steps this small against a gear's
// lengths, and the events' roots (0.0001 degrees of crank), which add at most about 0.003
// percent of stroke per unit to an event's derivative. A dimension that no solve reads
// (a wheel's diameter, the cylinder's bore: they only draw) comes out exactly 0.
//
// A dimension whose changed gear cannot be assembled on either side (see Assembled) is
// marked (Assembles false) and its derivatives are NaN; a figure whose event does not
// happen on one side is NaN. When the design itself cannot be assembled at the place,
// nothing else is computed and Failure says why.
#pragma once

#include "analysis/DesignVariant.h"
#include "analysis/EventFigures.h"

#include <functional>
#include <string>
#include <vector>

namespace vt {

inline constexpr double kLengthStep = 0.01; // the design's unit
inline constexpr double kAngleStep = 0.2;   // degrees

double SensitivityStep(const gears::Dimension& d);

struct InfluenceRow {
    int Index = -1; // into the design's kind's dimensions
    const gears::Dimension* Dimension = nullptr;
    double Value = 0;       // the design's value
    double Step = 0;        // h
    bool Assembles = true;  // both changed designs were solved
    Figures Derivative{};   // per unit of the design (per degree for the angles)
};

struct SensitivityResult {
    GearPlace Place;
    gears::LengthUnit Unit = gears::LengthUnit::Units; // the design's
    const char* ReverserLabel = "Setting"; // the reverser's own value, as its kind names it
    const char* ReverserKey = "setting";   // and as a CSV column
    PositionEvents Nominal; // the design's own events there (Nominal.Reverser: where)
    std::string Failure;    // why the design cannot be assembled there; empty when it can
    std::vector<InfluenceRow> Rows; // empty when it cannot
    bool Cancelled = false;
};

// Told how many of `total` steps are done; returning false stops the work early.
using Progress = std::function<bool(int done, int total)>;

SensitivityResult ComputeSensitivity(const gears::GearDesign& d, GearPlace place,
                                     const Progress& progress = {});

// The dimensions a sensitivity runs over: every one the assistant may vary.
std::vector<int> InfluenceDimensions(const gears::GearDesign& d);

// Central difference of two figure sets over a stored difference of 2 * step.
Figures CentralDifference(const Figures& plus, const Figures& minus, double step);

} // namespace vt
