// The one conversion from a real to an integer: round half to even, clamped to a range,
// defined for every input (NaN gives the value nearest 0 in the range, infinities the
// nearer bound). Inline: the drawing calls it for every pixel coordinate.
#pragma once

#include <cmath>
#include <cstdint>

namespace vt {

// Pixel coordinates are kept within this bound; far-off points stay far off.
inline constexpr int32_t kPixelLimit = 1'000'000;

inline int32_t RoundClamped(double v, int32_t lo, int32_t hi) {
    if (std::isnan(v)) return lo > 0 ? lo : (hi < 0 ? hi : 0);
    if (v <= lo) return lo;
    if (v >= hi) return hi;
    // Inside the range the cast is exact: nearbyint already gave a whole number.
    return static_cast<int32_t>(std::nearbyint(v));
}

inline int32_t ToPixel(double v) { return RoundClamped(v, -kPixelLimit, kPixelLimit); }

} // namespace vt
