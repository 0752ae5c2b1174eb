// The valve-setting window's rules.
#include "analysis/SettingTasks.h"

#include "analysis/SettingText.h"
#include "analysis/DesignVariant.h"

#include <algorithm>

namespace vt {

namespace {

struct Task {
    SettingTask task;
    std::vector<SettingTarget> targets;
    std::vector<const char*> vary;
};

const Task& TaskFacts(SettingTask t) {
    static const Task kTasks[] = {
        {SettingTask::SetTheValve,
         {{TargetKind::LeadEqual, 0, "full-fwd", 1}, {TargetKind::LeadEqual, 0, "full-rev", 1}},
         {"ValveStemLen", "EccRodFwdLen", "EccRodRevLen"}},
        {SettingTask::BalanceCutOffs,
         {{TargetKind::CutOffEqual, 0, "normal-fwd", 1},
          {TargetKind::CutOffEqual, 0, "normal-rev", 1}},
         {"LinkCentPivotBackSet", "LinkCentPivotVert", "LiftingLinkLen"}},
    };
    return kTasks[std::size_t(t)];
}

} // namespace

std::vector<DimensionChoice> DimensionChoices(const gears::GearDesign& d) {
    std::vector<DimensionChoice> rows;
    for (int i = 0; i < int(d.Values.size()); ++i)
        if (CanVary(d, i)) rows.push_back({DefaultVariable(d, i), false});
    return rows;
}

void FillTask(SettingTask task, const gears::GearDesign& d, std::vector<SettingTarget>& targets,
              std::vector<DimensionChoice>& choices) {
    const Task& t = TaskFacts(task);
    targets = t.targets;
    for (DimensionChoice& c : choices) {
        const auto named = [&](const char* name) { return d.Kind->DimensionIndex(name) == c.Variable.Index; };
        c.Vary = std::any_of(t.vary.begin(), t.vary.end(), named);
        if (c.Vary) c.Variable = DefaultVariable(d, c.Variable.Index);
    }
}

ParsedTarget TargetFromCells(const std::string& kind, const std::string& position,
                             const std::string& value, const std::string& weight) {
    std::string text = kind;
    const bool valued = kind == KindName(TargetKind::Lead) || kind == KindName(TargetKind::CutOff);
    if (valued) text += "=" + value;
    text += "@" + position;
    if (!weight.empty()) text += "*" + weight;
    return ParseTarget(text);
}

SettingProblem CheckProblem(const std::vector<SettingTarget>& targets,
                            const std::vector<DimensionChoice>& choices) {
    SettingProblem p;
    for (const DimensionChoice& c : choices) {
        if (!c.Vary) continue;
        if (!(c.Variable.Low < c.Variable.High)) {
            p.Error = std::string("The bounds of ") + c.Variable.Dimension->Caption +
                      " are the wrong way round: Low must be below High.";
            return p;
        }
        p.Variables.push_back(c.Variable);
    }
    if (targets.empty()) p.Error = "Add a target first: what should the events be?";
    else if (p.Variables.empty()) p.Error = "Tick at least one dimension that may vary.";
    return p;
}

std::vector<DimensionValue> FoundValues(const SettingResult& r) {
    std::vector<DimensionValue> values;
    for (const VariableOutcome& v : r.Variables)
        if (v.Variable.Index < kIdDimensions)
            values.push_back({IdDimensions()[std::size_t(v.Variable.Index)], float(v.Before),
                              float(v.After)});
    return values;
}

bool ResultFits(const SettingResult& r, const gears::GearDesign& d) {
    return r.Design.Kind == d.Kind && r.Design.Values == d.Values;
}

} // namespace vt
