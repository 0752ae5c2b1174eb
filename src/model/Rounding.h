// The one conversion from a real to an integer: round half to even, clamped to a range,
// defined for every input (NaN gives 0, infinities the nearer bound).
#pragma once

#include <cstdint>

namespace vt {

// Pixel coordinates are kept within this bound; far-off points stay far off.
inline constexpr int32_t kPixelLimit = 1'000'000;

int32_t RoundClamped(double v, int32_t lo, int32_t hi);

inline int32_t ToPixel(double v) { return RoundClamped(v, -kPixelLimit, kPixelLimit); }

} // namespace vt
