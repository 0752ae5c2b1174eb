// Arithmetic runs in double; every stored value is a 32-bit float. These helpers make
// the store visible and keep the common formulas short.
#pragma once

#include <cmath>
#include <numbers>

namespace vt {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kRadPerDeg = kPi / 180.0;

// Store a double result into a 32-bit field.
constexpr float F32(double v) { return static_cast<float>(v); }

constexpr double Sq(double v) { return v * v; }

inline double Dist(double x1, double y1, double x2, double y2) {
    return std::sqrt(Sq(x2 - x1) + Sq(y2 - y1));
}

} // namespace vt
