// Reverse arm position set rules; see RevArmSets.h.
#include "model/RevArmSets.h"

#include "model/Format.h"
#include "model/Guards.h"
#include "model/MidGear.h"
#include "model/Real.h"

#include <algorithm>
#include <limits>

namespace vt {

namespace {

std::string Value(double v) { return FormatFixed(v, 5, 3); }

} // namespace

std::array<ScaleMark, 5> RevArmScaleMarks(const Mechanism& m) {
    const double cen = m.RevArmSet[0], norm = m.RevArmCentNorm, max = m.RevArmCentMax;
    if (SenseIsDirect(m))
        return {{{10, "Min " + Value(cen - max)},
                 {75, "Rev " + Value(cen - norm)},
                 {140, "Cent " + Value(cen)},
                 {205, "Fwd " + Value(cen + norm)},
                 {270, "Max " + Value(cen + max)}}};
    return {{{10, "Max " + Value(cen + max)},
             {75, "Rev " + Value(cen + norm)},
             {140, "Cent " + Value(cen)},
             {205, "Fwd " + Value(cen - norm)},
             {270, "Min " + Value(cen - max)}}};
}

void DrawRevArmSetForm(State& s, RevArmSetForm& f) {
    f.shown[1] = true;
    f.text[1] = Value(s.RevArmSet[1]);
    for (int k = 1; k < kStoredPositions; ++k) {
        if (s.RevArmSet[k] != 0) {
            s.RevArmCount = k;
            f.shown[std::size_t(k + 1)] = true;
        } else {
            s.RevArmSet[k + 1] = 0;
            f.shown[std::size_t(k + 1)] = false;
        }
        f.text[std::size_t(k + 1)] = Value(s.RevArmSet[k + 1]);
    }
    if (s.RevArmSet[kStoredPositions] != 0) s.RevArmCount = kStoredPositions;
    f.text[10] = Value(s.VertScale);
}

void RevArmKeyPressed(RevArmSetForm& f, int k) {
    if (k >= 1 && k < kStoredPositions) f.shown[std::size_t(k + 1)] = true;
}

std::string StoreRevArmPosition(State& s, int k, const std::string& text) {
    if (k < 1 || k > kStoredPositions) return {};
    double v = 0;
    if (!ParseDecimal(text, v)) v = 0;
    if (k == 1 && v == 0) v = kFirstPositionForZero;
    const double low = double(s.RevArmSet[0]) - s.RevArmCentMax;
    const double high = double(s.RevArmSet[0]) + s.RevArmCentMax;
    if (v != 0 && !(v >= low && v <= high)) {
        ErrorBeep(s);
        return "Refused " + FormatFixed(v, 5, 3) + ": a position lies from " + Value(low) + " to " +
               Value(high);
    }
    s.RevArmSet[k] = F32(v);
    return {};
}

void StoreVertScale(ViewState& v, const std::string& text) {
    double scale = v.VertScale;
    ParseDecimal(text, scale);
    if (!(scale >= kMinVertScale)) scale = kMinVertScale;
    v.VertScale = F32(std::min(scale, double(std::numeric_limits<float>::max())));
}

} // namespace vt
