// Dynamic-variable slots and undo stack; see DynVars.h.
#include "model/DynVars.h"

#include "model/Dimensions.h"
#include "model/Format.h"
#include "model/Real.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vt {

namespace {

bool IsEccentricAngle(int32_t id) { return id == 6 || id == 7; }

// An angle into [0, 360); non-finite values are left as they are (they would never get
// there by steps of 360).
float ReduceAngle(float a) {
    if (!std::isfinite(a)) return a;
    double r = std::fmod(double(a), 360.0);
    if (r < 0) r += 360.0;
    float out = F32(r);
    if (out >= 360.0f) out = 0; // a tiny negative that rounded up
    return out;
}

void WriteWithTwins(Mechanism& m, int32_t id, float value) {
    WriteDimension(m, id, IsEccentricAngle(id) ? ReduceAngle(value) : value);
}

} // namespace

void ClearDynVars(DynVarState& d) {
    for (int i = 0; i < kDynVarSlots; ++i) {
        d.DynVarId[i] = 0;
        d.DynVarValue[i] = 0;
        d.DynVarName[i] = kEmptyDynVarName;
    }
}

void ClearUndo(DynVarState& d) {
    for (int k = 0; k < kUndoEntries; ++k) {
        d.UndoId[k] = 0;
        d.UndoOld[k] = 0;
        d.UndoNew[k] = 0;
        d.UndoName[k].clear();
    }
    d.UndoCount = 0;
    d.UndoEnabled = false;
}

float ReadDimension(Mechanism& m, int32_t id) {
    switch (id) {
    case 17: return m.PivotY[6];
    case 18: return m.PivotX[6];
    case 24: return m.PivotY[16];
    case 25: return m.PivotX[16];
    default: break;
    }
    const DimensionInfo* d = FindDimension(id);
    return d ? d->Ref(m) : 0.0f;
}

void RecordDynVar(DynVarState& d) {
    for (int i = 1; i <= 4; ++i) {
        if (d.DynVarId[i] == d.DynVarId[0]) {
            d.DynVarValue[i] = d.DynVarValue[0];
            d.DynVarName[i] = d.DynVarName[0];
            return;
        }
    }
    for (int i = 4; i >= 2; --i) {
        d.DynVarId[i] = d.DynVarId[i - 1];
        d.DynVarValue[i] = d.DynVarValue[i - 1];
        d.DynVarName[i] = d.DynVarName[i - 1];
    }
    d.DynVarId[1] = d.DynVarId[0];
    d.DynVarValue[1] = d.DynVarValue[0];
    d.DynVarName[1] = d.DynVarName[0];
}

void VisitDimension(State& s, int32_t id) {
    const DimensionInfo* d = FindDimension(id);
    if (!d) return;
    s.DynVarId[0] = id;
    s.DynVarValue[0] = ReadDimension(s, id);
    s.DynVarName[0] = d->NameText;
    RecordDynVar(s);
}

bool PushUndo(DynVarState& d) {
    if (!d.EditChanged) return false;
    d.UndoEnabled = true;
    for (int k = kUndoDepth; k >= 2; --k) {
        d.UndoId[k] = d.UndoId[k - 1];
        d.UndoOld[k] = d.UndoOld[k - 1];
        d.UndoNew[k] = d.UndoNew[k - 1];
        d.UndoName[k] = d.UndoName[k - 1];
    }
    d.UndoCount = std::min(kUndoDepth, d.UndoCount + 1);
    return true;
}

void ApplyDynVar(State& s) {
    const int k = s.DynVarActive;
    if (k < 1 || k > 4) return;
    const int32_t id = s.DynVarId[k];
    if (!FindDimension(id)) return;
    s.DynVarValue[k] = ReadDimension(s, id);
    if (IsEccentricAngle(id)) s.DynVarInc = F32(s.DynVarInc * 100.0);
    s.DynVarValue[k] = F32(double(s.DynVarValue[k]) + s.DynVarInc);
    WriteWithTwins(s, id, s.DynVarValue[k]);
    if (IsEccentricAngle(id)) s.DynVarValue[k] = ReadDimension(s, id);
}

void DynVarBarChange(State& s, int k, int32_t p) {
    if (k < 1 || k > 4) return;
    s.DynVarInc = 0;
    s.DynVarActive = k;
    const int32_t prev = s.BarPrevPos[k];
    double inc = 0;
    if (p > 0 && prev < p) inc = p / 1000.0;
    if (p < 0 && prev < p) inc = -p / 1000.0;
    if (p < 0 && p < prev) inc = p / 1000.0;
    if (p > 0 && p < prev) inc = -p / 1000.0;
    const int64_t moved = std::llabs(int64_t(p) - s.BarLastPos[k]);
    if (moved == 1 || moved == 10) inc = p / 1000.0;
    s.DynVarInc = F32(inc);
    ApplyDynVar(s);
    s.BarPrevPos[k] = s.BarLastPos[k];
    s.BarLastPos[k] = p;
    if (p != 0) DynVarBarChange(s, k, 0); // the bar springs back and reports again
}

void DynVarBarFocus(DynVarState& d, int k) {
    if (k >= 1 && k <= 4) d.DynVarEnterValue = d.DynVarValue[k];
}

void DynVarBarEndScroll(DynVarState& d, int k) {
    if (k < 1 || k > 4) return;
    d.UndoEnabled = true;
    d.EditChanged = true;
    PushUndo(d);
    d.UndoId[1] = d.DynVarId[k];
    d.UndoOld[1] = d.DynVarEnterValue;
    d.UndoNew[1] = d.DynVarValue[k];
    d.UndoName[1] = d.DynVarName[k];
    d.EditChanged = false;
}

void Undo(State& s) {
    if (s.UndoId[1] <= 0) {
        s.UndoEnabled = false;
        return;
    }
    for (int k = 0; k < kUndoDepth; ++k) {
        s.UndoId[k] = s.UndoId[k + 1];
        s.UndoOld[k] = s.UndoOld[k + 1];
        s.UndoNew[k] = s.UndoNew[k + 1];
        s.UndoName[k] = s.UndoName[k + 1];
    }
    WriteWithTwins(s, s.UndoId[0], s.UndoOld[0]);
    for (int i = 1; i <= 4; ++i)
        if (s.DynVarId[i]) s.DynVarValue[i] = ReadDimension(s, s.DynVarId[i]);
    s.UndoId[kUndoDepth] = 0;
    s.UndoOld[kUndoDepth] = s.UndoNew[kUndoDepth] = 0;
    s.UndoName[kUndoDepth].clear();
    if (s.UndoId[1] == 0) s.UndoEnabled = false;
    s.UndoCount = std::max(0, s.UndoCount - 1);
}

// 3 decimals where they tell the two values apart, else as many as do, up to 6; the
// field grows by the decimals added.
void BuildUndoStatus(DynVarState& d) {
    constexpr int kFewest = 3, kMost = 6;
    const auto value = [](float v, int decimals) { return FormatFixed(v, 3 + decimals, decimals); };
    const auto same = [&d, &value](int decimals) {
        return value(d.UndoNew[1], decimals) == value(d.UndoOld[1], decimals);
    };
    int decimals = kFewest;
    while (decimals < kMost && same(decimals)) ++decimals;
    if (same(decimals)) decimals = kFewest;
    d.UndoStatusText = FormatFixed(d.UndoCount, 2, 0) + "- " + d.UndoName[1] + " " +
                       value(d.UndoNew[1], decimals) + " to " + value(d.UndoOld[1], decimals);
}

} // namespace vt
