// How precisely each part must be made: every dimension with an id has a tolerance (a
// default for lengths and one for the eccentric angles, overridden per dimension), and
// for every figure the spread it allows.
//
// The convention, one for all three rows: a tolerance of +-t is 3 standard deviations of a
// normal spread of the made part (99.7 % of parts within it).
//  - worst case: sum over the dimensions of |derivative| x t, every part at its limit;
//  - statistical: root of the sum of (|derivative| x t) squared, 3 standard deviations of
//    the figure when the gear is linear in its dimensions;
//  - Monte Carlo: N designs with every dimension drawn from a normal spread of standard
//    deviation t / 3, each solved fully (mid gear recalculated, the events engine), the
//    least and greatest change of each figure from the design's own. Where the gear is
//    near linear, the extremes of 1000 designs lie within about 1.1 x statistical (the
//    largest of 1000 normal draws is about 3.2 standard deviations); beyond that, the
//    linear estimates do not hold.
// A dimension of tolerance 0 contributes nothing, even where its changed gear cannot be
// assembled. The random designs come from std::mt19937_64 seeded per design from the seed
// and the design's number (normals by the Box-Muller rule from the top 53 bits), so the
// same call gives the same designs on every machine and any number of workers.
#pragma once

#include "analysis/Sensitivity.h"

#include <cstdint>
#include <map>
#include <string>

namespace vt {

inline constexpr double kDefaultLengthTolerance = 0.002; // +- model units
inline constexpr double kDefaultAngleTolerance = 0.1;    // +- degrees
inline constexpr double kFinestTolerance = 0.00001;      // the cell editor's resolution
inline constexpr double kMostPlaceTolerance = 1.0;       // +- model units, a place or offset
inline constexpr double kMostAngleTolerance = 10.0;      // +- degrees
inline constexpr std::uint64_t kMonteCarloSeed = 1729;
// The most random designs the window runs: within 10 s on a 2-core machine even when other
// work keeps both cores busy (10,000 took 7.8 and 10.8 s there on 2 workers, Release).
inline constexpr int kMostMonteCarloDesigns = 8000;

struct ToleranceSet {
    double Length = kDefaultLengthTolerance;
    double Angle = kDefaultAngleTolerance;
    std::map<std::string, double> Overrides; // by field name ("ValveStemLen", "PivotX[7]")

    // The +- tolerance of d, >= 0.
    double Of(const gears::Dimension& d) const;
};

// Why a tolerance t of the dimension d (now `value`) is refused, in plain words; empty
// when it is taken. Refused: negative, not finite, or larger than the dimension allows
// (a size must keep some size: t below its value; a place or offset at most
// kMostPlaceTolerance; an angle at most kMostAngleTolerance).
std::string ToleranceRefusal(const gears::Dimension& d, double value, double t);

struct LinearSpread {
    Figures WorstCase{}, Statistical{}; // +- around the design's own figures; NaN where a
                                        // derivative is unknown
};

LinearSpread SpreadOf(const SensitivityResult& s, const ToleranceSet& t);

// What a dimension's tolerance can move one figure: derivative x tolerance, in the
// figure's own unit, signed as the derivative; 0 for a tolerance of 0.
double Contribution(const InfluenceRow& row, const ToleranceSet& t, std::size_t figure);

// The rows with the n largest |contribution| to one figure, largest first; rows without
// a derivative of it (NaN) and with none (0) are left out.
std::vector<const InfluenceRow*> LargestContributions(const SensitivityResult& r,
                                                      const ToleranceSet& t, std::size_t figure,
                                                      std::size_t n = 10);

struct MonteCarloRange {
    int Designs = 0;        // designs drawn
    int Failed = 0;         // of them, designs whose gear could not be assembled
    Figures Low{}, High{};  // least and greatest change from the design's figures; NaN
                            // where the event was missing in a design or none was solved
    std::uint64_t Seed = kMonteCarloSeed;
    bool Cancelled = false;
};

// The designs run on `workers` threads (0: one per core), each with its own copy of the
// design; progress is told on the calling thread.
MonteCarloRange RunMonteCarlo(const gears::GearDesign& d, GearPlace place, const ToleranceSet& t,
                              int designs, std::uint64_t seed = kMonteCarloSeed,
                              const Progress& progress = {}, int workers = 0);

} // namespace vt
