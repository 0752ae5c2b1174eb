// The gear's extent over a turn; see GearExtent.h.
#include "model/GearExtent.h"

#include "model/Controls.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace vt {

namespace {

// The sweep solves the tick's own positions with a fine probe view: its pixels, divided
// back, are model units to 1/1024, and the section outline comes out exactly as drawn.
constexpr double kProbeScale = 1024;
constexpr int kSweepDegrees = 1;

void Include(Extent& e, double x, double y) {
    e.x0 = std::min(e.x0, x);
    e.x1 = std::max(e.x1, x);
    e.y0 = std::min(e.y0, y);
    e.y1 = std::max(e.y1, y);
}

void IncludePixel(Extent& e, int32_t sx, int32_t sy) {
    Include(e, sx / kProbeScale, -sy / kProbeScale);
}

bool IsLinkagePivot(int i) { return i >= Axle && i != RefPoint1 && i != RefPoint2; }

void IncludeFrame(Extent& e, const State& p) {
    for (int i = 0; i <= LinkCentrePoint; ++i)
        if (IsLinkagePivot(i)) IncludePixel(e, p.PivotScrX[i], p.PivotScrY[i]);
    for (int i = 0; i < kCylOutlinePoints; ++i) IncludePixel(e, p.CylOutlineX[i], p.CylOutlineY[i]);
    for (int i = 0; i < kPistonValvePoints; ++i)
        IncludePixel(e, p.PistonValveX[i], p.PistonValveY[i]);
}

} // namespace

Extent GearExtent(const State& s) {
    auto probe = std::make_unique<State>(s);
    probe->hooks = {};
    probe->ViewScale = float(kProbeScale);
    probe->ViewOffsetX = probe->ViewOffsetY = 0;
    probe->RunStep = 0;
    constexpr double inf = std::numeric_limits<double>::infinity();
    Extent e{inf, inf, -inf, -inf};
    for (int angle = 0; angle < 360; angle += kSweepDegrees) {
        probe->DriverAngle = float(angle);
        TickModel(*probe);
        IncludeFrame(e, *probe);
    }
    // The wheel about the axle, where its size is a number.
    const double r = std::abs(double(s.DriverDia)) / 2;
    const double x = probe->PivotX[Axle], y = probe->PivotY[Axle];
    if (std::isfinite(r + x + y)) {
        Include(e, x - r, y - r);
        Include(e, x + r, y + r);
    }
    return e;
}

} // namespace vt
