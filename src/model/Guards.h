// The one treatment of impossible geometry: clamp, beep if the user wants it, go on.
// The guards work on the shared CalcValue / CalcDenom like every caller expects; they
// are inline because the solver calls them several times in every pass of its search.
#pragma once

#include "model/State.h"

#include <cmath>

namespace vt {

inline constexpr float kCosLimit = 0.999999f;
inline constexpr float kMinDenom = 0.00001f;

// Sounds the error beep through the state's hook when ErrorBeepOn.
void ErrorBeep(State& s);

// CalcValue into [-0.999999, 0.999999]; beeps only once SearchStep < 0.01, so that the
// clamps of the coarse search stay silent.
inline void GuardCos(State& s) {
    if (s.CalcValue > kCosLimit) {
        s.CalcValue = kCosLimit;
    } else if (s.CalcValue < -kCosLimit) {
        s.CalcValue = -kCosLimit;
    } else {
        return;
    }
    if (s.SearchStep < 0.01f) ErrorBeep(s);
}

// CalcDenom kept at least 0.00001 away from zero (sign kept; 0 counts as positive).
inline void GuardDenom(State& s) {
    if (s.CalcDenom >= 0 && s.CalcDenom < kMinDenom) {
        s.CalcDenom = kMinDenom;
        ErrorBeep(s);
    } else if (s.CalcDenom < 0 && s.CalcDenom > -kMinDenom) {
        s.CalcDenom = -kMinDenom;
        ErrorBeep(s);
    }
}

// A negative CalcValue is replaced by its magnitude.
inline void GuardRoot(State& s) {
    if (s.CalcValue < 0) {
        s.CalcValue = -s.CalcValue;
        ErrorBeep(s);
    }
}

// The composite forms: store the argument, guard it, use the guarded value.
inline double GuardedRoot(State& s, double e) {
    s.CalcValue = static_cast<float>(e);
    GuardRoot(s);
    return std::sqrt(double(s.CalcValue));
}

inline double GuardedDivisor(State& s, double d) {
    s.CalcDenom = static_cast<float>(d);
    GuardDenom(s);
    return s.CalcDenom;
}

// The clamped argument w of an arccos.
inline double GuardedArcCosArg(State& s, double c) {
    s.CalcValue = static_cast<float>(c);
    GuardCos(s);
    return s.CalcValue;
}

} // namespace vt
