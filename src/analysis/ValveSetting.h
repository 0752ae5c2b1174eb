// The valve-setting assistant: the dimensions, within their bounds, that bring the
// events nearest to the designer's targets. Qt-free; works on a copy of the gear.
//
// The objective is the weighted sum of the squared residuals of the targets, each
// residual scaled by its target's tolerance (SettingTargets.h), so that 1 is "just at the
// tolerance" whatever the target measures. NLopt's BOBYQA minimises it within the bounds
// from the design as it is; while the targets are not met it starts again from
// well-spread points of the bounds until the evaluations or the time are spent
// (BoundedSearch.h). Each evaluation writes the variables as the editors write them
// (twins in step, eccentric angles in [0, 360)), recalculates mid gear as closing an
// editor does, so that the named gear positions follow the changed design (the lifting
// link, for one, moves mid gear and with it every position), then finds the events of
// each target's position with the events engine. A point where the gear cannot be
// assembled (the link search gives up, or the guards clamp impossible geometry), or
// where a target's event does not happen, scores UnassembledObjective of its failures.
#pragma once

#include "analysis/BoundedSearch.h"
#include "analysis/SettingTargets.h"
#include "analysis/SettingVariables.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace vt {

struct SettingOptions {
    double TimeLimitSec = 10;  // over all descents: while not met, the search uses it all
    int MaxEvaluations = 3000; // likewise
    double XTolRel = 1e-6;     // of each descent
    std::function<bool()> Cancelled; // true stops the search at its next evaluation
    SearchProgress Progress;         // called on the searching thread
};

enum class SettingStatus { Met, NotMet, Cancelled, CannotAssemble };

struct TargetOutcome {
    SettingTarget Target;
    TargetReading Before, After;
    bool MetBefore = false, MetAfter = false;
};

struct VariableOutcome {
    SettingVariable Variable;
    double Before = 0, After = 0; // as stored in the design
};

struct SettingResult {
    SettingStatus Status = SettingStatus::CannotAssemble;
    std::vector<TargetOutcome> Targets;
    std::vector<VariableOutcome> Variables;
    double ObjectiveBefore = 0, ObjectiveAfter = 0; // After <= Before when the design lies
                                                    // within the bounds
    int Evaluations = 0;
    int Restarts = 0; // descents from points of the bounds after the one from the design
    double Seconds = 0;
    gears::GearDesign Design; // the design it was computed on
};

// The objective of a trial whose gear cannot be assembled: `failures` counts the guards'
// clamps, the solves that failed and the targets' events that are missing. Above every
// assembled design's objective, finite, and the higher the more failed, so that the
// search finds its way back towards a gear that assembles.
double UnassembledObjective(int failures);

// Every variable needs Low < High. `m` is not changed. The result is the best point
// found, the design itself when none was better (and it lies within the bounds); a
// cancelled search reports the best it had found. A design that cannot be solved at a target's position is not searched.
SettingResult SetValve(const gears::GearDesign& d, std::span<const SettingTarget> targets,
                       std::span<const SettingVariable> variables, const SettingOptions& o = {});

// "met", "best found, not met (TARGET, ...)", "cancelled", "the design cannot assemble".
std::string StatusText(const SettingResult& r);

} // namespace vt
