// The valve-setting window's rules, without Qt: the table of dimensions that may vary,
// the two ready tasks that fill the tables, a target from its table cells, the problem
// checked before the search, and the values "Apply" writes.
#pragma once

#include "analysis/ValveSetting.h"
#include "model/ApplySetting.h"

#include <string>
#include <vector>

namespace vt {

// One row of the dimensions table: every dimension of the design's kind that may vary
// (CanVary), in the kind's order.
struct DimensionChoice {
    SettingVariable Variable; // with its default bounds
    bool Vary = false;
};
std::vector<DimensionChoice> DimensionChoices(const gears::GearDesign& d);

enum class SettingTask {
    SetTheValve,    // equal leads at full forward and full reverse, by the valve stem and
                    // the two eccentric rods
    BalanceCutOffs, // equal cut-offs at normal forward and normal reverse, by the link's
                    // suspension and the lifting link
};

// The task's targets replace `targets`; in `choices` only the task's dimensions vary,
// each with its default bounds. A kind without the task's dimensions varies none.
void FillTask(SettingTask task, const gears::GearDesign& d, std::vector<SettingTarget>& targets,
              std::vector<DimensionChoice>& choices);

// A target from the texts of its row: the kind's name, the position, the value (for
// "lead" and "cutoff" only) and the weight.
ParsedTarget TargetFromCells(const std::string& kind, const std::string& position,
                             const std::string& value, const std::string& weight);

// The variables of the checked rows; the error says what stops a search (no target, no
// dimension checked, bounds the wrong way round), empty when it can run.
struct SettingProblem {
    std::vector<SettingVariable> Variables;
    std::string Error;
};
SettingProblem CheckProblem(const std::vector<SettingTarget>& targets,
                            const std::vector<DimensionChoice>& choices);

// The values "Apply" writes into a classic design (ApplySetting): each variable's value
// before and after (the classic kind's dimensions are the classic ones with an id, in
// their order).
std::vector<DimensionValue> FoundValues(const SettingResult& r);

// Whether `r` was computed on the design `d` is now.
bool ResultFits(const SettingResult& r, const gears::GearDesign& d);

} // namespace vt
