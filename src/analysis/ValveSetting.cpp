// The setting assistant's evaluation of a point and its search.
#include "analysis/ValveSetting.h"

#include "analysis/DesignVariant.h"
#include "model/Real.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>

namespace vt {

namespace {

// The design at one point of the search, through the one evaluator of a changed design:
// a fresh copy each time, so that an evaluation depends on its point alone and not on the
// solver's last place.
class Evaluator {
public:
    Evaluator(const Mechanism& m, std::span<const SettingTarget> targets,
              std::span<const SettingVariable> variables)
        : variant_(m), targets_(targets), variables_(variables) {
        for (const SettingTarget& t : targets) places_.push_back(ParseGearPlace(m, t.Position));
        for (const SettingVariable& v : variables) {
            const auto ids = IdDimensions();
            indices_.push_back(int(std::find(ids.begin(), ids.end(), v.Dimension) - ids.begin()));
        }
    }

    struct Point {
        bool Assembles = false; // every position solved without the guards
        std::vector<TargetReading> Readings;
        double Objective = kUnassembledPenalty;
    };

    Point At(std::span<const double> x) {
        std::vector<DimensionChange> changes;
        for (std::size_t i = 0; i < variables_.size(); ++i) changes.push_back({indices_[i], x[i]});
        variant_.Change(changes);
        Point p;
        p.Assembles = true;
        std::vector<std::pair<GearPlace, PositionEvents>> found; // shared by a place's targets
        std::vector<double> residuals;
        double sum = 0;
        for (std::size_t i = 0; i < targets_.size(); ++i) {
            const PositionEvents& e = EventsOf(places_[i], found);
            p.Assembles = p.Assembles && Assembled(e);
            p.Readings.push_back(ReadTarget(targets_[i].Kind, e));
            const std::size_t from = residuals.size();
            AppendResiduals(targets_[i], p.Readings.back(), variant_.Design().StrokeLen,
                            residuals);
            for (std::size_t k = from; k < residuals.size(); ++k)
                sum += targets_[i].Weight * residuals[k] * residuals[k];
        }
        bool measured = p.Assembles;
        for (const TargetReading& r : p.Readings) measured = measured && r.Measured;
        p.Objective = measured ? sum : kUnassembledPenalty;
        return p;
    }

    float Stored(std::size_t i) const {
        return ReadDimension(variant_.Design(), *variables_[i].Dimension);
    }

private:
    const PositionEvents& EventsOf(const std::optional<GearPlace>& place,
                                   std::vector<std::pair<GearPlace, PositionEvents>>& found) {
        static const PositionEvents kUnsolved = [] {
            PositionEvents e;
            e.GaveUpSolves = 1;
            return e;
        }();
        if (!place) return kUnsolved;
        for (const auto& [at, e] : found)
            if (at == *place) return e;
        found.emplace_back(*place, variant_.At(*place));
        return found.back().second;
    }

    DesignVariant variant_;
    std::span<const SettingTarget> targets_;
    std::span<const SettingVariable> variables_;
    std::vector<std::optional<GearPlace>> places_; // each target's, from mid gear
    std::vector<int> indices_;                     // each variable's in IdDimensions
};

SettingStatus StatusOf(SearchEnd end, const std::vector<TargetOutcome>& targets) {
    if (end == SearchEnd::Cancelled) return SettingStatus::Cancelled;
    for (const TargetOutcome& t : targets)
        if (!t.MetAfter) return SettingStatus::NotMet;
    return SettingStatus::Met;
}

} // namespace

SettingResult SetValve(const Mechanism& m, std::span<const SettingTarget> targets,
                       std::span<const SettingVariable> variables, const SettingOptions& o) {
    const auto started = std::chrono::steady_clock::now();
    SettingResult r;
    Evaluator eval(m, targets, variables);
    std::vector<double> start, low, high;
    for (const SettingVariable& v : variables) {
        start.push_back(v.Dimension->Ref(const_cast<Mechanism&>(m))); // Ref only reads here
        low.push_back(v.Low);
        high.push_back(v.High);
    }
    const Evaluator::Point before = eval.At(start);
    r.ObjectiveBefore = before.Objective;
    SearchOutcome search{start, before.Objective, 0, SearchEnd::Failed};
    if (before.Assembles) {
        const SearchLimits limits{o.XTolRel, o.MaxEvaluations, o.TimeLimitSec, o.Cancel};
        const auto objective = [&eval](std::span<const double> x) { return eval.At(x).Objective; };
        search = MinimiseWithinBounds(objective, start, low, high, limits, o.Progress);
    }
    const Evaluator::Point after = eval.At(search.Best);
    for (std::size_t i = 0; i < variables.size(); ++i)
        r.Variables.push_back({variables[i], F32(start[i]), eval.Stored(i)});
    for (std::size_t i = 0; i < targets.size(); ++i)
        r.Targets.push_back({targets[i], before.Readings[i], after.Readings[i],
                             TargetMet(targets[i], before.Readings[i]),
                             TargetMet(targets[i], after.Readings[i])});
    r.ObjectiveAfter = after.Objective;
    r.Evaluations = search.Evaluations;
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
