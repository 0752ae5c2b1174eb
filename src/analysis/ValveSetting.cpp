// The setting assistant's evaluation of a point and its search.
#include "analysis/ValveSetting.h"

#include "analysis/DesignVariant.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <tuple>
#include <utility>

namespace vt {

namespace {

// The design at one point of the search, through the one evaluator of a changed design:
// a fresh copy each time, so that an evaluation depends on its point alone and not on the
// solver's last place.
class Evaluator {
public:
    Evaluator(const gears::GearDesign& d, std::span<const SettingTarget> targets,
              std::span<const SettingVariable> variables)
        : variant_(d), targets_(targets), variables_(variables),
          stroke_(d.Value("StrokeLen")) {
        for (const SettingTarget& t : targets) places_.push_back(ParseGearPlace(d, t.Position));
    }

    struct Point {
        bool Assembles = false; // every position solved without the guards
        std::vector<TargetReading> Readings;
        double Objective = kUnassembledPenalty;
        bool Met = false; // every target within its tolerance
    };

    Point At(std::span<const double> x) {
        std::vector<DimensionChange> changes;
        for (std::size_t i = 0; i < variables_.size(); ++i)
            changes.push_back({variables_[i].Index, x[i]});
        variant_.Change(changes);
        failures_ = 0;
        Point p;
        std::vector<std::pair<GearPlace, PositionEvents>> found; // shared by a place's targets
        std::vector<double> residuals;
        double sum = 0;
        int missing = 0; // targets whose events do not happen
        p.Met = true;
        for (std::size_t i = 0; i < targets_.size(); ++i) {
            p.Readings.push_back(ReadTarget(targets_[i].Kind, EventsOf(places_[i], found)));
            const TargetReading& reading = p.Readings.back();
            missing += reading.Measured ? 0 : 1;
            p.Met = p.Met && TargetMet(targets_[i], reading);
            const std::size_t from = residuals.size();
            AppendResiduals(targets_[i], reading, stroke_, residuals);
            for (std::size_t k = from; k < residuals.size(); ++k)
                sum += targets_[i].Weight * residuals[k] * residuals[k];
        }
        p.Assembles = failures_ == 0;
        p.Met = p.Met && p.Assembles;
        p.Objective = p.Assembles && missing == 0 ? sum : UnassembledObjective(failures_ + missing);
        return p;
    }

    double Stored(std::size_t i) const {
        return variant_.Design().Values[std::size_t(variables_[i].Index)];
    }

private:
    // The events at a place, found once for all its targets; each failure of the gear there
    // (a pose that cannot be assembled, a search unfinished) counts
    // towards the graded penalty of an unassembled trial.
    const PositionEvents& EventsOf(const std::optional<GearPlace>& place,
                                   std::vector<std::pair<GearPlace, PositionEvents>>& found) {
        static const PositionEvents kUnsolved = [] {
            PositionEvents e;
            e.FailedSolves = 1;
            return e;
        }();
        if (!place) {
            ++failures_;
            return kUnsolved;
        }
        for (const auto& [at, e] : found)
            if (at == *place) return e;
        const PositionEvents& e = found.emplace_back(*place, variant_.At(*place)).second;
        failures_ += e.FailedSolves + (e.FailedBody ? 1 : 0) + e.UnconvergedSearches;
        return e;
    }

    DesignVariant variant_;
    std::span<const SettingTarget> targets_;
    std::span<const SettingVariable> variables_;
    std::vector<std::optional<GearPlace>> places_; // each target's, from mid gear
    double stroke_;
    int failures_ = 0;                             // of the point under way
};

constexpr double kFailureStep = 1e6; // of the objective, a failure

SettingStatus StatusOf(SearchEnd end, const std::vector<TargetOutcome>& targets) {
    if (end == SearchEnd::Cancelled) return SettingStatus::Cancelled;
    for (const TargetOutcome& t : targets)
        if (!t.MetAfter) return SettingStatus::NotMet;
    return SettingStatus::Met;
}

} // namespace

double UnassembledObjective(int failures) {
    return kUnassembledPenalty + kFailureStep * std::max(failures, 1);
}

SettingResult SetValve(const gears::GearDesign& d, std::span<const SettingTarget> targets,
                       std::span<const SettingVariable> variables, const SettingOptions& o) {
    const auto started = std::chrono::steady_clock::now();
    SettingResult r;
    r.Design = d;
    Evaluator eval(d, targets, variables);
    std::vector<double> start, low, high;
    for (const SettingVariable& v : variables) {
        start.push_back(d.Values[std::size_t(v.Index)]);
        low.push_back(v.Low);
        high.push_back(v.High);
    }
    const Evaluator::Point before = eval.At(start);
    r.ObjectiveBefore = before.Objective;
    SearchOutcome search{start, before.Objective, 0, 0, SearchEnd::Failed};
    if (before.Assembles) {
        double best = before.Objective;
        bool bestMet = before.Met;
        const auto objective = [&](std::span<const double> x) {
            const Evaluator::Point p = eval.At(x);
            if (p.Objective < best) std::tie(best, bestMet) = std::pair(p.Objective, p.Met);
            return p.Objective;
        };
        const SearchLimits limits{o.XTolRel, o.MaxEvaluations, o.TimeLimitSec, o.Cancelled,
                                  [&bestMet] { return bestMet; }};
        search = MinimiseWithinBounds(objective, start, low, high, limits, o.Progress);
    }
    // The design itself unless the search found better, or the design lies outside the
    // bounds, which the designer asked to keep.
    bool inside = true;
    for (std::size_t i = 0; i < start.size(); ++i)
        inside = inside && low[i] <= start[i] && start[i] <= high[i];
    const bool better = search.BestValue < before.Objective || !inside;
    const std::vector<double>& chosen = better ? search.Best : start;
    const Evaluator::Point after = eval.At(chosen);
    for (std::size_t i = 0; i < variables.size(); ++i)
        r.Variables.push_back({variables[i], start[i], eval.Stored(i)});
    for (std::size_t i = 0; i < targets.size(); ++i)
        r.Targets.push_back({targets[i], before.Readings[i], after.Readings[i],
                             TargetMet(targets[i], before.Readings[i]),
                             TargetMet(targets[i], after.Readings[i])});
    r.ObjectiveAfter = after.Objective;
    r.Evaluations = search.Evaluations;
    r.Restarts = search.Restarts;
    r.Status = before.Assembles ? StatusOf(search.End, r.Targets) : SettingStatus::CannotAssemble;
    r.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return r;
}

std::string StatusText(const SettingResult& r) {
    switch (r.Status) {
    case SettingStatus::Met: return "met";
    case SettingStatus::Cancelled: return "cancelled";
    case SettingStatus::CannotAssemble: return "the design cannot assemble";
    case SettingStatus::NotMet: break;
    }
    std::string missed;
    for (const TargetOutcome& t : r.Targets)
        if (!t.MetAfter) missed += (missed.empty() ? "" : ", ") + TargetText(t.Target);
    return "best found, not met (" + missed + ")";
}

} // namespace vt
