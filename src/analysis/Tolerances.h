// How precisely each part must be made: every dimension with an id has a tolerance (a
// default for lengths and one for the eccentric angles, overridden per dimension), and
// for every figure the spread it allows:
//  - worst case: sum over the dimensions of |derivative| x tolerance;
//  - statistical: root of the sum of (derivative x tolerance) squared;
//  - Monte Carlo: N designs with every dimension uniform within its tolerance, each
//    solved fully (mid gear recalculated, the events engine), the least and greatest
//    change of each figure from the design's own. Where the events are nearly linear in
//    the dimensions the range lies within the worst case; where it does not, the linear
//    estimates do not hold.
// The random designs come from std::mt19937_64 seeded with kMonteCarloSeed, each value
// drawn as the generator's top 53 bits over 2^53, so the same call gives the same
// designs on every machine.
#pragma once

#include "analysis/Sensitivity.h"

#include <cstdint>
#include <map>
#include <string>

namespace vt {

inline constexpr double kDefaultLengthTolerance = 0.002; // +- model units
inline constexpr double kDefaultAngleTolerance = 0.1;    // +- degrees
inline constexpr std::uint64_t kMonteCarloSeed = 1729;

struct ToleranceSet {
    double Length = kDefaultLengthTolerance;
    double Angle = kDefaultAngleTolerance;
    std::map<std::string, double> Overrides; // by field name ("ValveStemLen", "PivotX[7]")

    // The +- tolerance of d, >= 0.
    double Of(const DimensionInfo& d) const;
};

struct LinearSpread {
    Figures WorstCase{}, Statistical{}; // +- around the design's own figures; NaN where a
                                        // derivative is unknown
};

LinearSpread SpreadOf(const SensitivityResult& s, const ToleranceSet& t);

struct MonteCarloRange {
    int Designs = 0;        // designs drawn
    int Failed = 0;         // of them, designs whose gear could not be assembled
    Figures Low{}, High{};  // least and greatest change from the design's figures; NaN
                            // where the event was missing in a design or none was solved
    std::uint64_t Seed = kMonteCarloSeed;
    bool Cancelled = false;
};

MonteCarloRange RunMonteCarlo(const Mechanism& m, GearPlace place, const ToleranceSet& t,
                              int designs, std::uint64_t seed = kMonteCarloSeed,
                              const Progress& progress = {});

} // namespace vt
