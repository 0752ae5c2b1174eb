// Half-to-even rounding with clamping; see Rounding.h.
#include "model/Rounding.h"

#include <cmath>

namespace vt {

int32_t RoundClamped(double v, int32_t lo, int32_t hi) {
    if (std::isnan(v)) return lo > 0 ? lo : (hi < 0 ? hi : 0);
    if (v <= lo) return lo;
    if (v >= hi) return hi;
    // Inside the range the cast is exact: nearbyint already gave a whole number.
    return static_cast<int32_t>(std::nearbyint(v));
}

} // namespace vt
