// Mid gear of a gear whose reverser tilts a guide: the setting at which the valve's motion
// has no part a quarter turn from the crank's (the part the reverser adds, ~ sin of the
// crank angle), so that only the crosshead's part, in phase with the crank, is left.
#pragma once

#include <cmath>
#include <numbers>

namespace vt::gears {

// The valve's first sine term over a turn at reverser value `at`: sum of valve(crank)
// sin(crank) over 36 crank angles. `valve(crankRad, at, ok)` clears ok on a failed pose.
template <class Valve>
double QuarterTurnPart(Valve&& valve, double at, bool& ok) {
    constexpr int kSamples = 36;
    double sum = 0;
    for (int i = 0; i < kSamples && ok; ++i) {
        const double c = 2 * std::numbers::pi * i / kSamples;
        sum += valve(c, at, ok) * std::sin(c);
    }
    return sum / kSamples;
}

// A root of g(at, ok) by the secant method from `start` and `start + step`, stopping
// where |g| < tol; false when g cleared ok (a failed pose).
template <class G>
bool SecantRoot(G&& g, double start, double step, double tol, double& root) {
    bool ok = true;
    double a0 = start, a1 = start + step;
    double g0 = g(a0, ok);
    for (int i = 0; i < 30 && ok; ++i) {
        const double g1 = g(a1, ok);
        if (!ok || std::abs(g1) < tol || g1 == g0) break;
        const double a2 = a1 - g1 * (a1 - a0) / (g1 - g0);
        a0 = a1, g0 = g1, a1 = a2;
    }
    root = a1;
    return ok;
}

// The reverser value where that part is zero, by the secant method from `start` and
// `start + step`; `scale` is the design's size for the test of zero. False on a failed pose.
template <class Valve>
bool FindMidGear(Valve&& valve, double start, double step, double scale, double& mid) {
    auto part = [&valve](double at, bool& ok) { return QuarterTurnPart(valve, at, ok); };
    return SecantRoot(part, start, step, 1e-13 * scale, mid);
}

} // namespace vt::gears
