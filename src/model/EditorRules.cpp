// Dimension editor rules; see EditorRules.h.
#include "model/EditorRules.h"

#include "model/Defaults.h"
#include "model/DesignChanges.h"
#include "model/DynVars.h"
#include "model/Format.h"
#include "model/Guards.h"
#include "model/MidGear.h"
#include "model/Real.h"
#include "model/View.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace vt {

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The editors copy a few values to their twin pivots; unlike the dynamic variables, the
// rocker pivot's horizontal value has no copy here.
void EditorCopies(Mechanism& m, int32_t id) {
    switch (id) {
    case 17: m.PivotY[6] = m.PivotY[7]; break;
    case 24: m.PivotY[17] = m.PivotY[16]; break;
    case 25: m.PivotX[17] = m.PivotX[16]; break;
    case 102:
    case 109: UpdateValveRodJointHeight(m); break;
    default: break;
    }
}

// Every stored position within mid gear +- norm; zeros are left when skipZeros.
void ClampStoredPositions(Mechanism& m, bool skipZeros) {
    const double low = double(m.RevArmSet[0]) - m.RevArmCentNorm;
    const double high = double(m.RevArmSet[0]) + m.RevArmCentNorm;
    for (int k = 1; k <= 9; ++k) {
        float& p = m.RevArmSet[k];
        if (skipZeros && p == 0) continue;
        if (p < low) p = F32(low);
        if (p > high) p = F32(high);
    }
}

// What an edited text gives: a value to store, the old value kept, or a refusal.
struct FieldEntry {
    FieldOutcome outcome;
    float value = 0;
};

FieldEntry ReadFieldEntry(std::string_view text) {
    if (text.find_first_of("0123456789") == std::string_view::npos) return {FieldOutcome::Kept};
    const float v = ConvertFieldText(text);
    if (!std::isfinite(v) || std::fabs(v) > kLargestEntry) return {FieldOutcome::Refused};
    return {FieldOutcome::Stored, v};
}

// An entry that stores nothing; a refusal beeps.
FieldOutcome NotStored(State& s, FieldOutcome outcome) {
    if (outcome == FieldOutcome::Refused) ErrorBeep(s);
    return outcome;
}

} // namespace

float WrapEccentricAngle(float a) {
    if (!std::isfinite(a)) return a;
    // Whole turns first, so a huge angle does not loop; then the stated steps.
    double v = std::fmod(double(a), 360.0);
    while (v >= 360) v -= 360;
    while (v < 0) v += 360;
    return F32(v);
}

std::string EditorFieldText(float v) { return FormatField(v, 5, 3); }

float ConvertFieldText(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() && text[end] == ' ') ++end;
    const std::size_t start = end;
    if (end < text.size() && text[end] == '-') ++end;
    std::size_t digits = 0;
    while (end < text.size() && IsDigit(text[end])) ++end, ++digits;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && IsDigit(text[end])) ++end, ++digits;
    }
    if (digits == 0) return 0;
    double v = 0;
    const auto [ptr, err] = std::from_chars(text.data() + start, text.data() + end, v);
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (err == std::errc::result_out_of_range)
        v = text[start] == '-' ? -kLargest : kLargest;
    else if (err != std::errc() || ptr != text.data() + end)
        return 0;
    return F32(std::clamp(v, -kLargest, kLargest));
}

FieldOutcome DimensionFieldExit(State& s, const DimensionInfo& d,
                                std::optional<std::string_view> edited) {
    if (!edited) {
        DimensionValueExit(s, d, std::nullopt);
        return FieldOutcome::Kept;
    }
    const FieldEntry e = ReadFieldEntry(*edited);
    if (e.outcome == FieldOutcome::Stored) {
        DimensionValueExit(s, d, e.value);
        return e.outcome;
    }
    s.EditChanged = false; // no undo entry for a change that did not happen
    if (e.outcome == FieldOutcome::Kept) DimensionValueExit(s, d, std::nullopt);
    return NotStored(s, e.outcome);
}

void DimensionValueExit(State& s, const DimensionInfo& d, std::optional<float> newValue) {
    float& value = d.Ref(s);
    const bool typed = s.EditChanged;
    if (typed && PushUndo(s)) {
        s.UndoId[1] = d.Id;
        s.UndoOld[1] = value;
    }
    if (newValue) {
        value = *newValue;
        if (d.Id == 6 || d.Id == 7) value = WrapEccentricAngle(value);
    }
    s.DynVarId[0] = d.Id;
    s.DynVarValue[0] = value;
    s.DynVarName[0] = d.NameText;
    RecordDynVar(s);
    value = s.DynVarValue[0];
    EditorCopies(s, d.Id);
    if (typed) {
        s.UndoNew[1] = value;
        s.UndoName[1] = d.NameText;
    }
    s.EditChanged = false;
}

FieldOutcome NormFieldExit(State& s, std::optional<std::string_view> edited) {
    if (!edited) return FieldOutcome::Kept;
    const FieldEntry e = ReadFieldEntry(*edited);
    if (e.outcome != FieldOutcome::Stored) return NotStored(s, e.outcome);
    s.RevArmCentNorm = e.value;
    if (s.RevArmCentNorm > s.RevArmCentMax) {
        s.RevArmCentNorm = s.RevArmCentMax;
        ClampStoredPositions(s, true);
    }
    return e.outcome;
}

FieldOutcome MaxFieldExit(State& s, Controls& c, std::optional<std::string_view> edited) {
    const FieldEntry e = edited ? ReadFieldEntry(*edited) : FieldEntry{FieldOutcome::Kept};
    if (e.outcome == FieldOutcome::Stored) {
        s.RevArmCentMax = e.value;
        if (s.RevArmCentMax < s.RevArmCentNorm) {
            s.RevArmCentMax = s.RevArmCentNorm;
            ClampStoredPositions(s, false);
        }
    }
    SetRevArmBarRange(s, c);
    return e.outcome == FieldOutcome::Stored ? e.outcome : NotStored(s, e.outcome);
}

void SetRevArmBarRange(State& s, Controls& c) {
    c.RevArm.Max = RevArmBarLimit(s);
    c.RevArm.Min = -c.RevArm.Max;
    SBRevArmChange(s, c, c.RevArm.Pos); // the bar keeps its position within the new range
}

void EditorCloseClick(State& s, Controls& c) {
    FindRevArmCent(s);
    SBRevArmChange(s, c, 0);
    s.FrontCOText.clear();
    s.RearCOText.clear();
}

void ResetFrameDimensions(State& s, Controls& c, bool click) {
    ApplyFrameDefaults(s);
    SetRevArmBarRange(s, c);
    ClearDynVars(s);
    s.DynVarInc = 0;
    if (click) ClearUndo(s);
}

void ResetCylDimensions(State& s, bool click) {
    ApplyCylDefaults(s);
    ClearDynVars(s);
    s.DynVarInc = 0;
    if (click) ClearUndo(s);
}

void ResetAllDimensions(State& s, Controls& c) {
    ResetFrameDimensions(s, c, true);
    ResetCylDimensions(s, true);
    FindRevArmCent(s);
    CenterClick(s, c);
    NormView(s);
    s.DataSetName = "Nominal";
    s.VertScale = 1.5f;
    s.DynVarsOn = false;
    ClearUndo(s);
    s.UndoOn = false;
    SetDesignBaseline(s); // a fresh design, as at start
}

} // namespace vt
