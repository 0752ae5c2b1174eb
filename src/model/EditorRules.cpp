// Dimension editor rules; see EditorRules.h.
#include "model/EditorRules.h"

#include "model/Defaults.h"
#include "model/DesignChanges.h"
#include "model/DynVars.h"
#include "model/Format.h"
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

void DimensionFieldExit(State& s, const DimensionInfo& d, std::optional<std::string_view> edited) {
    DimensionValueExit(s, d, edited ? std::optional(ConvertFieldText(*edited)) : std::nullopt);
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

void NormFieldExit(State& s, std::optional<std::string_view> edited) {
    if (!edited) return;
    s.RevArmCentNorm = ConvertFieldText(*edited);
    if (s.RevArmCentNorm > s.RevArmCentMax) {
        s.RevArmCentNorm = s.RevArmCentMax;
        ClampStoredPositions(s, true);
    }
}

void MaxFieldExit(State& s, Controls& c, std::optional<std::string_view> edited) {
    if (edited) {
        s.RevArmCentMax = ConvertFieldText(*edited);
        if (s.RevArmCentMax < s.RevArmCentNorm) {
            s.RevArmCentMax = s.RevArmCentNorm;
            ClampStoredPositions(s, false);
        }
    }
    SetRevArmBarRange(s, c);
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
