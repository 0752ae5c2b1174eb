// The setting assistant's evaluation of a point and its search.
#include "analysis/ValveSetting.h"

#include "model/EditorRules.h"
#include "model/MidGear.h"
#include "model/Real.h"

#include <chrono>
#include <memory>

namespace vt {

namespace {

// The design at one point of the search: a fresh copy of the gear each time, so that an
// evaluation depends on its point alone and not on the solver's last place.
class Evaluator {
public:
    Evaluator(const Mechanism& m, std::span<const SettingTarget> targets,
              std::span<const SettingVariable> variables)
        : base_(m), targets_(targets), variables_(variables) {
        gear_->ErrorBeepOn = true;
        gear_->hooks.Beep = [this] { ++beeps_; };
    }

    struct Point {
        bool Assembles = false; // every position solved without the guards
        std::vector<TargetReading> Readings;
        double Objective = kUnassembledPenalty;
    };

    Point At(std::span<const double> x) {
        Write(x);
        Point p;
        p.Assembles = beeps_ == 0;
        std::vector<PositionEvents> found; // one a position, shared by its targets
        std::vector<double> residuals;
        double sum = 0;
        for (std::size_t i = 0; i < targets_.size(); ++i) {
            const PositionEvents& e = EventsOf(targets_[i], found);
            p.Assembles = p.Assembles && e.Ok() && e.GuardBeeps == 0;
            p.Readings.push_back(ReadTarget(targets_[i].Kind, e));
            const std::size_t from = residuals.size();
            AppendResiduals(targets_[i], p.Readings.back(), gear_->StrokeLen, residuals);
            for (std::size_t k = from; k < residuals.size(); ++k)
                sum += targets_[i].Weight * residuals[k] * residuals[k];
        }
        bool measured = p.Assembles;
        for (const TargetReading& r : p.Readings) measured = measured && r.Measured;
        p.Objective = measured ? sum : kUnassembledPenalty;
        return p;
    }

    float Stored(std::size_t i) { return variables_[i].Dimension->Ref(*gear_); }

private:
    void Write(std::span<const double> x) {
        static_cast<Mechanism&>(*gear_) = base_;
        beeps_ = 0;
        for (std::size_t i = 0; i < variables_.size(); ++i) {
            const int32_t id = variables_[i].Dimension->Id;
            const float v = F32(x[i]);
            WriteDimension(*gear_, id, id == 6 || id == 7 ? WrapEccentricAngle(v) : v);
        }
        FindRevArmCent(*gear_);
    }

    const PositionEvents& EventsOf(const SettingTarget& t, std::vector<PositionEvents>& found) {
        static const PositionEvents kUnsolved = [] {
            PositionEvents e;
            e.GaveUpSolves = 1;
            return e;
        }();
        const std::optional<GearSetting> g = TargetGear(*gear_, t);
        if (!g) return kUnsolved;
        for (const PositionEvents& e : found)
            if (e.RevArmPos == g->RevArmPos && e.Forward == g->Forward) return e;
        found.push_back(FindEvents(*gear_, g->RevArmPos, g->Forward));
        return found.back();
    }

    const Mechanism& base_;
    std::span<const SettingTarget> targets_;
    std::span<const SettingVariable> variables_;
    std::unique_ptr<State> gear_ = std::make_unique<State>();
    int beeps_ = 0;
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
