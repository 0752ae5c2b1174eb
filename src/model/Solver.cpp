// The linkage solver in three stages: driven points, the search for the link position,
// then rocker and valve. Allocation-free; runs once per tick and once per graph sample.
#include "model/Solver.h"

#include "model/Guards.h"
#include "model/Real.h"
#include "model/ValveEvents.h"

#include <cmath>

namespace vt {

namespace {

// Stage 1: crank pin, eccentric centres, crosshead, reverse arm and lifting arm.
void SolveDrivenPoints(State& s) {
    float* X = s.PivotX;
    float* Y = s.PivotY;
    const double r = s.StrokeLen / 2.0;
    const double e = s.EccCircleDia / 2.0;
    const double theta = s.DriverAngle * kRadPerDeg;

    Y[4] = F32(double(Y[3]) + s.ValveStemToCylCL);
    X[18] = s.RevArmPos;
    X[2] = F32(X[1] + r * std::cos(theta));
    Y[2] = F32(Y[1] - r * std::sin(theta));
    const double a = (double(s.EccFwdAngle) - s.DriverAngle) * kRadPerDeg;
    X[12] = F32(X[1] + e * std::cos(a));
    Y[12] = F32(Y[1] + e * std::sin(a));
    const double b = (-double(s.DriverAngle) - s.EccRevAngle) * kRadPerDeg;
    X[13] = F32(X[1] + e * std::cos(b));
    Y[13] = F32(Y[1] + e * std::sin(b));

    // The crosshead lies on the +X side of the crank pin.
    X[3] = F32(X[2] + GuardedRoot(s, Sq(s.MainRodLen) - Sq(double(Y[2]) - Y[3])));
    // The reverse arm stands upwards from the shaft.
    Y[18] = F32(Y[17] + GuardedRoot(s, Sq(s.RevArmLen) + Sq(s.RevArmBackSet) -
                                           Sq(double(X[17]) - X[18])));
    s.CalcAngle = F32(std::atan((double(X[18]) - X[17]) / GuardedDivisor(s, double(Y[17]) - Y[18])));
    s.CalcAngle = F32(s.CalcAngle - std::atan(s.RevArmBackSet / GuardedDivisor(s, s.RevArmLen)));
    X[15] = F32(X[17] + std::cos(s.CalcAngle) * s.LiftingArmLen);
    Y[15] = F32(Y[17] + std::sin(s.CalcAngle) * s.LiftingArmLen);
}

// What a link pass needs that does not change from pass to pass.
struct LinkConstants {
    double rodFwdSq;   // EccRodFwdLen^2
    double rodRev;     // EccRodRevLen
    double cosDenom;   // 2 x EccRodRevLen, the rod length as a guarded divisor
    double pinSpanSq;  // (2 LinkEccRodPivotVert)^2
    double arcSetBack; // k = LinkRadius - LinkEccRodPivotBackSet
    double suspSetBack; // m = LinkRadius - LinkCentPivotBackSet
    double suspCos, suspSin; // of the suspension pin's angle atan(LinkCentPivotVert / m)
    double suspReach;  // q = sqrt(LinkCentPivotVert^2 + m^2)
};

LinkConstants MakeLinkConstants(State& s) {
    LinkConstants c{};
    c.rodFwdSq = Sq(s.EccRodFwdLen);
    c.rodRev = s.EccRodRevLen;
    c.cosDenom = 2.0 * GuardedDivisor(s, s.EccRodRevLen);
    c.pinSpanSq = Sq(2.0 * s.LinkEccRodPivotVert);
    c.arcSetBack = double(s.LinkRadius) - s.LinkEccRodPivotBackSet;
    c.suspSetBack = double(s.LinkRadius) - s.LinkCentPivotBackSet;
    s.CalcAngle = F32(std::atan(s.LinkCentPivotVert / GuardedDivisor(s, c.suspSetBack)));
    c.suspCos = std::cos(s.CalcAngle);
    c.suspSin = std::sin(s.CalcAngle);
    c.suspReach = std::sqrt(Sq(s.LinkCentPivotVert) + Sq(c.suspSetBack));
    return c;
}

// Cosine and sine of the angle atan(num / den), which lies in (-90, 90) degrees:
// cos = |den| / hypot, sin = num sgn(den) / hypot. den is a guarded divisor, never 0.
struct CosSin {
    double c, s;
};
CosSin OfArcTanOf(double num, double den) {
    const double inv = 1.0 / std::sqrt(num * num + den * den);
    return den > 0 ? CosSin{den * inv, num * inv} : CosSin{-den * inv, -num * inv};
}

// One pass of the link search for the trial height PivotY[10]: places pins 10, 11, 14, 9
// and 24 and measures the lifting link's span. Returns tan(LinkAngle).
//
// The angles of the formulas are all atan of a quotient or arccos of a clamped value,
// so their cosines and sines follow algebraically; the pass needs square roots only:
//   A = arccos(w) - atan(t4):  cos A = w cos4 + sqrt(1-w^2) sin4,
//                               sin A = sqrt(1-w^2) cos4 - w sin4.
double LinkPass(State& s, const LinkConstants& k) {
    float* X = s.PivotX;
    float* Y = s.PivotY;

    // S1: forward rod pin on the +X side of the forward eccentric.
    X[10] = F32(X[12] + GuardedRoot(s, k.rodFwdSq - Sq(double(Y[12]) - Y[10])));

    // S2, S3: reverse rod pin by the law of cosines in the triangle 13-10-11.
    const double dx = double(X[10]) - X[13];
    const double dy = double(Y[10]) - Y[13];
    const double d = std::sqrt(dx * dx + dy * dy);
    const double dDiv = GuardedDivisor(s, d);
    const double w =
        GuardedArcCosArg(s, (d * d + Sq(k.rodRev) - k.pinSpanSq) / (dDiv * k.cosDenom));

    // S4, S5: A = arccos(w) - atan(dy / dx).
    const CosSin toPin = OfArcTanOf(dy, GuardedDivisor(s, dx));
    const double sinAcos = std::sqrt(1.0 - w * w);
    const double cosA = w * toPin.c + sinAcos * toPin.s;
    const double sinA = sinAcos * toPin.c - w * toPin.s;
    X[11] = F32(X[13] + cosA * k.rodRev);
    Y[11] = F32(Y[13] - sinA * k.rodRev);

    // S6, S7: link tilt and the centre of the slot's arc.
    const double linkRun = double(X[10]) - X[11];
    const double linkRise = GuardedDivisor(s, double(Y[10]) - Y[11]);
    const CosSin link = OfArcTanOf(linkRun, linkRise);
    X[14] = F32((double(X[10]) + X[11]) / 2.0 - link.c * k.arcSetBack);
    Y[14] = F32((double(Y[10]) + Y[11]) / 2.0 + link.s * k.arcSetBack);

    // S8: suspension pin at LinkAngle + its own angle; centre line point at the set-back.
    const double cosSusp = link.c * k.suspCos - link.s * k.suspSin;
    const double sinSusp = link.s * k.suspCos + link.c * k.suspSin;
    X[9] = F32(X[14] + cosSusp * k.suspReach);
    Y[9] = F32(Y[14] - sinSusp * k.suspReach);
    X[24] = F32(X[14] + link.c * k.suspSetBack);
    Y[24] = F32(Y[14] - link.s * k.suspSetBack);

    // S9
    s.LiftLinkSpan = F32(Dist(X[15], Y[15], X[9], Y[9]));
    return linkRun / linkRise;
}

// Stage 2: moves Y10 down in whole steps until the lifting link is reached, backs off by
// 0.8 of a step and refines the step by five, until the step is at most SolveTol.
SolveOutcome SearchLink(State& s) {
    const LinkConstants k = MakeLinkConstants(s);
    s.SearchStep = 0.5f;
    s.PivotY[10] = F32(double(s.PivotY[15]) + s.LinkEccRodPivotVert - 0.6 * s.LiftingLinkLen);
    for (int pass = 1;; ++pass) {
        const double tanLink = LinkPass(s, k);
        const bool reaching = s.LiftLinkSpan < s.LiftingLinkLen;
        if (reaching) s.PivotY[10] = F32(double(s.PivotY[10]) - s.SearchStep);
        if (pass > kMaxSearchPasses) {
            s.LinkAngle = F32(std::atan(tanLink));
            ErrorBeep(s);
            return SolveOutcome::GaveUp;
        }
        if (reaching) continue;
        s.PivotY[10] = F32(s.PivotY[10] + 0.8 * s.SearchStep);
        s.SearchStep = F32(0.2 * s.SearchStep);
        if (s.SearchStep > s.SolveTol) continue;
        s.LinkAngle = F32(std::atan(tanLink));
        break;
    }
    const double span = Dist(s.PivotX[9], s.PivotY[9], s.PivotX[15], s.PivotY[15]);
    if (span - kStretchTolerance > s.LiftingLinkLen) ErrorBeep(s);
    return SolveOutcome::Completed;
}

// Stage 3: die block in the slot, rocker, valve rod joint and the rod start points.
void SolveRockerAndValve(State& s) {
    float* X = s.PivotX;
    float* Y = s.PivotY;

    // Die block by the law of cosines in the triangle 14-7-8.
    const double d = Dist(X[7], Y[7], X[14], Y[14]);
    const double radiusDiv = GuardedDivisor(s, s.LinkRadius);
    const double dDiv = GuardedDivisor(s, d);
    s.CalcValue = F32((Sq(s.LinkRadius) + d * d - Sq(s.RockerLowerLen)) / 2.0 / radiusDiv / dDiv);
    s.CalcAngle = F32(std::atan((double(Y[7]) - Y[14]) / GuardedDivisor(s, double(X[7]) - X[14])));
    const double w = GuardedArcCosArg(s, s.CalcValue);
    const double b = (kPi / 2.0 - std::atan(w / std::sqrt(1.0 - w * w))) - s.CalcAngle;
    X[8] = F32(X[14] + std::cos(b) * s.LinkRadius);
    Y[8] = F32(Y[14] - std::sin(b) * s.LinkRadius);

    // Rocker: upper arm along the lower arm's line, then its back set.
    const double lowerDiv = GuardedDivisor(s, s.RockerLowerLen);
    X[23] = F32(X[7] + (double(X[7]) - X[8]) * s.RockerUpperLen / lowerDiv);
    Y[23] = F32(Y[7] + (double(Y[7]) - Y[8]) * s.RockerUpperLen / lowerDiv);
    s.CalcAngle = F32(std::atan((double(X[7]) - X[23]) / GuardedDivisor(s, double(Y[23]) - Y[7])));
    X[5] = F32(X[23] - std::cos(s.CalcAngle) * s.RockerUpperBackSet);
    Y[5] = F32(Y[23] - std::sin(s.CalcAngle) * s.RockerUpperBackSet);

    // The valve rod joint lies on the +X side of the rocker upper pin.
    X[4] = F32(X[5] + GuardedRoot(s, Sq(s.ValveConRodLen) - Sq(double(Y[5]) - Y[4])));

    const double h = s.EccDia / 2.0;
    X[21] = F32(X[12] + h);
    Y[21] = F32(Y[12] - (h / GuardedDivisor(s, s.EccRodFwdLen)) * (double(Y[12]) - Y[10]));
    X[22] = F32(X[13] + h);
    Y[22] = F32(Y[13] - (h / GuardedDivisor(s, s.EccRodRevLen)) * (double(Y[13]) - Y[11]));

    s.LiftArmSense = s.LiftingArmLen;
    const float ecc = s.EccFwdAngle;
    s.EccSense = ((ecc > 90 && ecc < 180) || (ecc > 270 && ecc < 360)) ? -1.0f : 1.0f;
}

} // namespace

SolveOutcome SolveLinkage(State& s) {
    SolveDrivenPoints(s);
    if (SearchLink(s) == SolveOutcome::GaveUp) return SolveOutcome::GaveUp;
    SolveRockerAndValve(s);
    ComputePortEdges(s);
    return SolveOutcome::Completed;
}

} // namespace vt
