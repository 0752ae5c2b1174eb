// Where a drawing made in its own units lands on a device: a device point is the offset
// plus the scale times the drawing's point. A diagram keeps its layout's coordinates and
// is shown at any window size through one of these. No Qt here.
#pragma once

namespace vt {

struct Placement {
    double scale = 1, x = 0, y = 0;
    bool IsIdentity() const { return scale == 1 && x == 0 && y == 0; }
};

// A drawing of width x height units as large as it fits into a device of deviceWidth x
// deviceHeight pixels, centred. The offsets are whole pixels, so at scale 1 every pixel
// of the drawing keeps its own exact place. Empty sizes give the identity.
Placement FitInto(int width, int height, int deviceWidth, int deviceHeight);

} // namespace vt
