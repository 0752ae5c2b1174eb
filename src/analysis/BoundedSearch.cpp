// BOBYQA through NLopt's C API. NLopt may stop on its own (forced stop) only from
// inside the callback, so the cancel flag is looked at there.
#include "analysis/BoundedSearch.h"

#include <nlopt.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace vt {

namespace {

constexpr double kFirstStepShare = 0.02; // of each variable's bounds

struct Run {
    const Objective& f;
    std::span<const double> low, high;
    const SearchLimits& limits;
    const SearchProgress& progress;
    nlopt_opt opt = nullptr;
    SearchOutcome out;
    std::vector<double> x; // the point within the bounds, free of BOBYQA's rounding
};

double Evaluate(unsigned n, const double* x, double*, void* data) {
    Run& r = *static_cast<Run*>(data);
    if (r.limits.Cancel && r.limits.Cancel->load()) {
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
    if (r.progress) r.progress(r.out.Evaluations, r.out.BestValue);
    return v;
}

SearchEnd EndOf(nlopt_result result) {
    switch (result) {
    case NLOPT_FORCED_STOP: return SearchEnd::Cancelled;
    case NLOPT_MAXEVAL_REACHED: return SearchEnd::EvaluationLimit;
    case NLOPT_MAXTIME_REACHED: return SearchEnd::TimeLimit;
    default: return result > 0 ? SearchEnd::Converged : SearchEnd::Failed;
    }
}

} // namespace

SearchOutcome MinimiseWithinBounds(const Objective& f, std::vector<double> start,
                                   std::span<const double> low, std::span<const double> high,
                                   const SearchLimits& limits, const SearchProgress& progress) {
    const auto n = unsigned(start.size());
    for (unsigned i = 0; i < n; ++i) start[i] = std::clamp(start[i], low[i], high[i]);
    Run r{f, low, high, limits, progress, nullptr, {}, start};
    r.out.Best = start;
    r.out.BestValue = kUnassembledPenalty;
    const std::unique_ptr<nlopt_opt_s, decltype(&nlopt_destroy)> opt(
        nlopt_create(NLOPT_LN_BOBYQA, n), &nlopt_destroy);
    r.opt = opt.get();
    std::vector<double> step(n);
    for (unsigned i = 0; i < n; ++i) step[i] = (high[i] - low[i]) * kFirstStepShare;
    nlopt_set_lower_bounds(r.opt, low.data());
    nlopt_set_upper_bounds(r.opt, high.data());
    nlopt_set_initial_step(r.opt, step.data());
    nlopt_set_min_objective(r.opt, &Evaluate, &r);
    nlopt_set_xtol_rel(r.opt, limits.XTolRel);
    nlopt_set_maxeval(r.opt, limits.MaxEvaluations);
    nlopt_set_maxtime(r.opt, limits.TimeLimitSec);
    std::vector<double> x = start;
    double value = 0;
    const nlopt_result result = nlopt_optimize(r.opt, x.data(), &value);
    r.out.End = EndOf(result);
    return r.out;
}

} // namespace vt
