// A derivative-free minimisation within bounds that uses its budget: NLopt's BOBYQA from
// the start, then, while the caller is not satisfied, BOBYQA again from well-spread
// points of the bounds (a Sobol sequence), until the evaluation count or the time limit
// is spent or the caller cancels.
#pragma once

#include <functional>
#include <span>
#include <vector>

namespace vt {

// A value the objective gives where it cannot be evaluated: large, finite, so that the
// search steps back from there and never meets a NaN.
inline constexpr double kUnassembledPenalty = 1e9;

struct SearchLimits {
    double XTolRel = 1e-6;     // of each descent, relative to its first step (2 % of the bounds)
    int MaxEvaluations = 3000; // over all descents
    double TimeLimitSec = 10;  // over all descents
    std::function<bool()> Cancelled; // asked before every evaluation
    // Asked after each descent: true ends the search there (the caller's goal is met by
    // the best point so far). Without it the search spends the whole budget.
    std::function<bool()> Satisfied;
};

enum class SearchEnd { Satisfied, EvaluationLimit, TimeLimit, Cancelled, Failed };

struct SearchOutcome {
    std::vector<double> Best; // the best point evaluated; the start when none was better
    double BestValue = 0;     // +infinity when none was evaluated
    int Evaluations = 0;
    int Restarts = 0; // descents begun from a point of the sequence, after the first
    SearchEnd End = SearchEnd::Failed;
};

// Where the search is, told after each evaluation.
struct SearchStatus {
    int Evaluations = 0;
    int Restarts = 0; // of the descent under way: 0 for the first, from the start
    double Best = 0;
};

// The objective at a point within the bounds; any non-finite value counts as
// kUnassembledPenalty.
using Objective = std::function<double(std::span<const double> x)>;
using SearchProgress = std::function<void(const SearchStatus&)>;

// Minimises f from `start` (moved within the bounds) over low < x < high, each low below
// its high; every point f sees lies within the bounds.
SearchOutcome MinimiseWithinBounds(const Objective& f, std::vector<double> start,
                                   std::span<const double> low, std::span<const double> high,
                                   const SearchLimits& limits, const SearchProgress& progress = {});

} // namespace vt
