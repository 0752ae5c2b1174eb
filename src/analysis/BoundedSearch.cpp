// BOBYQA descents through NLopt's C API, restarted from NLopt's own Sobol sequence. NLopt
// may stop on its own (forced stop) only from inside the callback, so the cancel flag is
// looked at there.
#include "analysis/BoundedSearch.h"

#include <nlopt.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>

// NLopt's Sobol sequence, the one its MLSL_LDS multistart draws its points from. libnlopt
// exports it; nlopt.h does not declare it.
extern "C" {
struct nlopt_soboldata_s;
nlopt_soboldata_s* nlopt_sobol_create(unsigned sdim);
void nlopt_sobol_destroy(nlopt_soboldata_s* s);
void nlopt_sobol_next(nlopt_soboldata_s* s, double* x, const double* lb, const double* ub);
}

namespace vt {

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kFirstStepShare = 0.02; // of each variable's bounds

struct Run {
    const Objective& f;
    std::span<const double> low, high;
    const SearchLimits& limits;
    const SearchProgress& progress;
    Clock::time_point started;
    nlopt_opt opt = nullptr;
    SearchOutcome out;
    std::vector<double> x; // the point within the bounds, free of BOBYQA's rounding
};

double Evaluate(unsigned n, const double* x, double*, void* data) {
    Run& r = *static_cast<Run*>(data);
    if (r.limits.Cancelled && r.limits.Cancelled()) {
        nlopt_force_stop(r.opt);
        return kUnassembledPenalty;
    }
    for (unsigned i = 0; i < n; ++i) r.x[i] = std::clamp(x[i], r.low[i], r.high[i]);
    double v = r.f(r.x);
    if (!std::isfinite(v)) v = kUnassembledPenalty;
    ++r.out.Evaluations;
    if (v < r.out.BestValue) {
        r.out.BestValue = v;
        r.out.Best = r.x;
    }
    if (r.progress) r.progress({r.out.Evaluations, r.out.Restarts, r.out.BestValue});
    return v;
}

SearchEnd EndOf(nlopt_result result) {
    switch (result) {
    case NLOPT_FORCED_STOP: return SearchEnd::Cancelled;
    case NLOPT_MAXEVAL_REACHED: return SearchEnd::EvaluationLimit;
    case NLOPT_MAXTIME_REACHED: return SearchEnd::TimeLimit;
    default: return SearchEnd::Failed;
    }
}

// One descent from x with what is left of the budget. Empty when it ended by itself (it
// converged, or BOBYQA's rounding stopped it) and the search may go on.
std::optional<SearchEnd> Descend(Run& r, std::vector<double> x) {
    const int evaluations = r.limits.MaxEvaluations - r.out.Evaluations;
    const double seconds = r.limits.TimeLimitSec -
                           std::chrono::duration<double>(Clock::now() - r.started).count();
    if (evaluations <= 0) return SearchEnd::EvaluationLimit;
    if (seconds <= 0) return SearchEnd::TimeLimit;
    nlopt_set_maxeval(r.opt, evaluations); // 0 would mean no limit: never set here
    nlopt_set_maxtime(r.opt, seconds);
    const int before = r.out.Evaluations;
    double value = 0;
    const nlopt_result result = nlopt_optimize(r.opt, x.data(), &value);
    if (result > 0 && result != NLOPT_MAXEVAL_REACHED && result != NLOPT_MAXTIME_REACHED)
        return std::nullopt;
    if (result == NLOPT_ROUNDOFF_LIMITED && r.out.Evaluations > before) return std::nullopt;
    return EndOf(result);
}

} // namespace

SearchOutcome MinimiseWithinBounds(const Objective& f, std::vector<double> start,
                                   std::span<const double> low, std::span<const double> high,
                                   const SearchLimits& limits, const SearchProgress& progress) {
    const auto n = unsigned(start.size());
    for (unsigned i = 0; i < n; ++i) start[i] = std::clamp(start[i], low[i], high[i]);
    Run r{f, low, high, limits, progress, Clock::now(), nullptr, {}, start};
    r.out.Best = start;
    r.out.BestValue = std::numeric_limits<double>::infinity();
    const std::unique_ptr<nlopt_opt_s, decltype(&nlopt_destroy)> opt(
        nlopt_create(NLOPT_LN_BOBYQA, n), &nlopt_destroy);
    const std::unique_ptr<nlopt_soboldata_s, decltype(&nlopt_sobol_destroy)> sobol(
        nlopt_sobol_create(n), &nlopt_sobol_destroy);
    r.opt = opt.get();
    std::vector<double> step(n);
    for (unsigned i = 0; i < n; ++i) step[i] = (high[i] - low[i]) * kFirstStepShare;
    nlopt_set_lower_bounds(r.opt, low.data());
    nlopt_set_upper_bounds(r.opt, high.data());
    nlopt_set_initial_step(r.opt, step.data());
    nlopt_set_min_objective(r.opt, &Evaluate, &r);
    nlopt_set_xtol_rel(r.opt, limits.XTolRel);
    std::vector<double> from = start;
    for (;;) {
        if (const std::optional<SearchEnd> end = Descend(r, from)) {
            r.out.End = *end;
            break;
        }
        if (limits.Satisfied && limits.Satisfied()) {
            r.out.End = SearchEnd::Satisfied;
            break;
        }
        nlopt_sobol_next(sobol.get(), from.data(), low.data(), high.data());
        ++r.out.Restarts;
    }
    return r.out;
}

} // namespace vt
