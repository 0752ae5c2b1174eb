// What the valve-setting assistant aims at: a goal for the events at one gear position,
// with the tolerance within which it counts as met and a weight. Each goal gives
// residuals in tolerances (1 = just at the tolerance), so that leads, measured in model
// units, and cut-offs, measured in percent of stroke, weigh alike in one objective.
#pragma once

#include "analysis/EventsEngine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

enum class TargetKind {
    LeadEqual,   // front lead = rear lead
    Lead,        // both leads = Value
    CutOffEqual, // front cut-off = rear cut-off, in percent of stroke
    CutOff,      // the mean of the two cut-offs = Value percent
    DieSlipMin,  // the die slip as small as the bounds allow
};

struct SettingTarget {
    TargetKind Kind = TargetKind::LeadEqual;
    double Value = 0;                  // the lead of Lead, the cut-off % of CutOff
    std::string Position = "full-fwd"; // a named gear position or a signed offset from mid gear
    double Weight = 1;
    bool operator==(const SettingTarget&) const = default;
};

// Within this the goal is met: 0.0005 for the leads, 0.1 % of stroke for the cut-offs, 0
// for the die slip (no tolerance: as small as it gets).
double TargetTolerance(TargetKind k);

// The die slip's residual is the slip in hundredths of the stroke.
inline constexpr double kDieSlipUnit = 0.01;

// What a target reads off the events of its position: the two leads (model units), the
// two cut-offs (% stroke), or the die slip (model units, in Front).
struct TargetReading {
    bool Measured = false; // false: the gear was not solved there, or the event is missing
    double Front = 0, Rear = 0;
};
TargetReading ReadTarget(TargetKind k, const PositionEvents& e);

// The target's residuals, each scaled by its tolerance, appended to `out`: one for the
// equal kinds and the mean cut-off, one a lead for Lead, the die slip over
// kDieSlipUnit x stroke for DieSlipMin.
void AppendResiduals(const SettingTarget& t, const TargetReading& r, double stroke,
                     std::vector<double>& out);

// Measured and within the tolerance (the die slip is met whenever it is measured).
bool TargetMet(const SettingTarget& t, const TargetReading& r);

// "KIND@POSITION" with "*WEIGHT" when the weight is not 1: "lead-equal@full-fwd",
// "lead=0.02@full-fwd", "cutoff-equal@normal-rev*2", "cutoff=75@normal-fwd",
// "dieslip-min@normal-fwd".
std::string TargetText(const SettingTarget& t);
// The kind's name: "lead-equal", "lead", "cutoff-equal", "cutoff", "dieslip-min".
const char* KindName(TargetKind k);
// Lead and CutOff take a value ("lead=0.02").
bool KindHasValue(TargetKind k);

struct ParsedTarget {
    std::optional<SettingTarget> target;
    std::string error; // what is wrong, for the user
};
ParsedTarget ParseTarget(std::string_view text);

} // namespace vt
