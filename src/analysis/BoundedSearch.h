// A derivative-free minimisation within bounds: NLopt's BOBYQA over an evaluation
// callback, stopped by the x tolerance, an evaluation count, a time limit or the caller.
#pragma once

#include <atomic>
#include <functional>
#include <span>
#include <vector>

namespace vt {

// A value the objective gives where it cannot be evaluated: large, finite, so that the
// search steps back from there and never meets a NaN.
inline constexpr double kUnassembledPenalty = 1e9;

struct SearchLimits {
    double XTolRel = 1e-6;     // relative to each variable's first step (2 % of its bounds)
    int MaxEvaluations = 3000;
    double TimeLimitSec = 10;
    const std::atomic<bool>* Cancel = nullptr; // looked at before every evaluation
};

enum class SearchEnd { Converged, EvaluationLimit, TimeLimit, Cancelled, Failed };

struct SearchOutcome {
    std::vector<double> Best; // the best point evaluated; the start when none was better
    double BestValue = 0;     // kUnassembledPenalty when none was evaluated
    int Evaluations = 0;
    SearchEnd End = SearchEnd::Failed;
};

// The objective at a point within the bounds; any non-finite value counts as
// kUnassembledPenalty.
using Objective = std::function<double(std::span<const double> x)>;
// Told after each evaluation: how many so far and the best value.
using SearchProgress = std::function<void(int evaluations, double best)>;

// Minimises f from `start` (moved within the bounds) over low < x < high, each low below
// its high; every point f sees lies within the bounds.
SearchOutcome MinimiseWithinBounds(const Objective& f, std::vector<double> start,
                                   std::span<const double> low, std::span<const double> high,
                                   const SearchLimits& limits, const SearchProgress& progress = {});

} // namespace vt
