// Mid-gear calculation: with the reverse arm upright and the crank at 90 degrees, place
// the lifting arm so that the lifting link, shortened by LinkCentPivotVert, reaches from
// the lifting arm end to the point (PivotX[24], PivotY[8]); the reverse arm follows.
#include "model/MidGear.h"

#include "model/Guards.h"
#include "model/Real.h"
#include "model/Rounding.h"
#include "model/Solver.h"

#include <cmath>

namespace vt {

namespace {
constexpr float kAsinLimit = 0.999999f;
}

void FindRevArmCent(State& s) {
    const float savedAngle = s.DriverAngle;
    s.DriverAngle = 90;
    s.PivotX[18] = F32(double(s.PivotX[17]) - s.RevArmBackSet);
    s.RevArmPos = s.PivotX[18];
    SolveLinkage(s);

    const double x17 = s.PivotX[17], y17 = s.PivotY[17];
    const double d = Dist(x17, y17, s.PivotX[24], s.PivotY[8]);
    if (s.LiftingArmLen == 0) s.LiftingArmLen = 0.00001f;

    // Law of cosines for the angle at the shaft; c is the sine of the arm's angle offset.
    const double reach = double(s.LiftingLinkLen) - s.LinkCentPivotVert;
    double c = (Sq(s.LiftingArmLen) + d * d - Sq(reach)) / 2.0 / s.LiftingArmLen /
               GuardedDivisor(s, d);
    double phi = std::atan((y17 - s.PivotY[8]) / GuardedDivisor(s, double(s.PivotX[24]) - x17));
    if (s.LiftingArmLen < 0) phi -= kPi;
    if (c >= 1) {
        c = kAsinLimit;
    } else if (c <= -1) { // arm and link too short to reach: the nearest defined position
        c = -kAsinLimit;
        ErrorBeep(s);
    }
    const double psi = std::atan(c / std::sqrt(1.0 - c * c)) + phi - kPi / 2.0;
    s.RevArmPos = F32(std::sin(psi) * s.RevArmLen + x17 - s.RevArmBackSet);

    s.RevArmSet[0] = s.RevArmPos;
    s.RevArmSet[1] = s.RevArmPos;
    s.RevArmSet[2] = F32(double(s.RevArmPos) + s.RevArmCentNorm);
    s.RevArmSet[3] = F32(double(s.RevArmPos) - s.RevArmCentNorm);
    s.DriverAngle = savedAngle;
}

int32_t RevArmBarLimit(const Mechanism& m) {
    return RoundClamped(1000.0 * m.RevArmCentMax, -kPixelLimit, kPixelLimit);
}

bool SenseIsDirect(const Mechanism& m) {
    return (m.LiftArmSense > 0 && m.EccSense > 0) || (m.LiftArmSense < 0 && m.EccSense < 0);
}

} // namespace vt
