// Fitting a drawing to a device; see Placement.h.
#include "render/Placement.h"

#include <algorithm>
#include <cmath>

namespace vt {

Placement FitInto(int width, int height, int deviceWidth, int deviceHeight) {
    if (width <= 0 || height <= 0 || deviceWidth <= 0 || deviceHeight <= 0) return {};
    const double scale = std::min(double(deviceWidth) / width, double(deviceHeight) / height);
    return {scale, std::floor((deviceWidth - width * scale) / 2),
            std::floor((deviceHeight - height * scale) / 2)};
}

} // namespace vt
