// How much each dimension moves the valve events: the derivative of every figure
// (EventFigures.h) with respect to each of the 48 dimensions that have an id, at one gear
// position, by central differences through the events engine on changed copies of the
// design (DesignVariant.h: mid gear recalculated, the same notch from it).
//
// The step rule. Each dimension is changed by +h and -h with
//   h = 0.01 model units for a length, 0.2 degrees for an eccentric angle,
// and the derivative is (f(+h) - f(-h)) / (the two stored 32-bit values' difference).
// Why these: the solver's link search places the valve to about 0.00005 and that error
// is not smooth in the dimensions, so it adds up to 0.00005 / h to a lead's derivative
// (0.5 % of a unit slope at h = 0.01) and, through the valve's speed at the event, a few
// hundredths of a percent of stroke per unit to an event's; the engine's own roots
// (0.0001 degrees) add less. The curvature's error grows as h squared and stays far below
// that for steps this small against the gear's lengths. 0.2 degrees moves an eccentric
// centre of the built-in size by about 0.01, the same as a length step. Measured on the
// built-in design at normal forward, mid gear and full reverse: halving or doubling both
// steps moved no lead's derivative by more than 0.002 per unit, and no event's by more
// than 0.9 % of stroke per unit at the two ends of the gear (derivatives up to 260) and 2.7
// at mid gear, where the valve moves slowest at its events; halving moved them most.
//
// A dimension whose changed gear cannot be assembled on either side (see Assembled) is
// marked (Assembles false) and its derivatives are NaN; a figure whose event does not happen on
// one side is NaN. The dimensions that only draw (OnlyDrawn) are exactly 0 without a solve.
// When the design itself cannot be assembled at the place, nothing else is computed and
// Failure says why.
#pragma once

#include "analysis/DesignVariant.h"
#include "analysis/EventFigures.h"

#include <functional>
#include <string>
#include <vector>

namespace vt {

inline constexpr double kLengthStep = 0.01; // model units
inline constexpr double kAngleStep = 0.2;   // degrees

double SensitivityStep(const DimensionInfo& d);

struct InfluenceRow {
    const DimensionInfo* Dimension = nullptr;
    double Value = 0;       // the design's value
    double Step = 0;        // half the stored difference of the two changed values
    bool Assembles = true;  // both changed designs were solved
    Figures Derivative{};   // per model unit (per degree for the angles)
};

struct SensitivityResult {
    GearPlace Place;
    GearSetting Gear;       // the reverse arm position and direction the design's own
                            // events were found at: its recalculated mid gear plus the offset
    PositionEvents Nominal; // the design's own events there
    std::string Failure;    // why the design cannot be assembled there; empty when it can
    std::vector<InfluenceRow> Rows; // empty when it cannot
    bool Cancelled = false;
};

// Told how many of `total` steps are done; returning false stops the work early.
using Progress = std::function<bool(int done, int total)>;

// The 11 dimensions that neither the solver nor the events engine reads: the driver's and
// the eccentric's diameters, the cylinder's bore, steam passage, piston and valve chest, the
// valve's height and its surface's place. They only draw.
bool OnlyDrawn(const DimensionInfo& d);

SensitivityResult ComputeSensitivity(const Mechanism& m, GearPlace place,
                                     const Progress& progress = {});

// Central difference of two figure sets over a stored difference of 2 * step.
Figures CentralDifference(const Figures& plus, const Figures& minus, double step);

} // namespace vt
