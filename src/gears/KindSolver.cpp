// What the solvers of the gear kinds share; see KindSolver.h.
#include "gears/KindSolver.h"

#include "gears/MidGearRule.h"
#include "gears/Newton.h"

namespace vt::gears {

const char* PlaceCrosshead(const CrankPins& pins, double stroke, double mainRod, double guide,
                           double crankRad, GearPose& out) {
    auto& P = out.Pins;
    P[std::size_t(pins.Axle)] = {0, 0};
    const Vec2 crank = OnCrank({0, 0}, stroke / 2, crankRad);
    P[std::size_t(pins.CrankPin)] = crank;
    if (!CircleLine(crank, mainRod, {0, guide}, {1, 0}, true, P[std::size_t(pins.Crosshead)]))
        return "Main rod";
    out.Crosshead = out.Pin(pins.Crosshead).x();
    return nullptr;
}

const char* PlaceValvePin(const ValveRod& rod, GearPose& out) {
    Vec2& pin = out.Pins[std::size_t(rod.ValvePin)];
    if (!CircleLine(out.Pin(rod.From), rod.RodLen, {0, rod.Spindle}, {1, 0}, true, pin))
        return rod.Body;
    out.Valve = pin.x() + rod.StemLen - rod.FaceCentre;
    return nullptr;
}

bool HigherMeeting(const Vec2& a, double ra, const Vec2& b, double rb, Vec2& out, int& side) {
    Vec2 left, right;
    if (!CircleCircle(a, ra, b, rb, 1, left) || !CircleCircle(a, ra, b, rb, -1, right))
        return false;
    side = left.y() >= right.y() ? 1 : -1;
    out = side > 0 ? left : right;
    return true;
}

KindSolver::KindSolver(const GearDesign& d, std::size_t dims, int pins)
    : v_(d.Values), pins_(pins) {
    if (v_.size() != dims) {
        v_.assign(dims, 0);
        failed_ = "Design";
    }
}

void KindSolver::Solve(double crankDeg, double setting, GearPose& out) {
    out.PinCount = pins_;
    out.Failed = failed_;
    if (failed_) return;
    const double crank = crankDeg * kRad, at = mid_ + sense_ * setting * kRad;
    out.Failed = SolveAt(crank, at, out);
    double fromCrank = 0, fromAt = 0;
    if (out.Failed && WalkFrom(out.Failed, fromCrank, fromAt))
        out.Failed = Walk(fromCrank, fromAt, crank, at,
                          [&](double c, double a) { return SolveAt(c, a, out); });
}

bool KindSolver::WalkFrom(const char*, double&, double&) const { return false; }

void KindSolver::FindMidByQuarterTurn(double start, double scale, const char* body) {
    const char* failed = nullptr;
    auto valve = [&](double c, double at, bool& ok) {
        GearPose p;
        if (ok && (failed = SolveAt(c, at, p))) ok = false;
        return p.Valve;
    };
    if (!FindMidGear(valve, start, kRad, scale, mid_)) failed_ = body ? body : failed;
}

void KindSolver::FindMidByDiePlace(double start, double scale) {
    constexpr int kSamples = 36;
    auto meanPlace = [this](double at, bool& ok) {
        double sum = 0;
        GearPose p;
        for (int i = 0; i < kSamples; ++i) {
            if ((failed_ = SolveAt(2 * std::numbers::pi * i / kSamples, at, p))) {
                ok = false;
                return 0.0;
            }
            sum += p.DiePlace;
        }
        return sum / kSamples;
    };
    SecantRoot(meanPlace, start, kRad, 1e-11 * scale, mid_);
}

void KindSolver::FindSense(bool inside) {
    GearPose up, down;
    failed_ = SolveAt(90 * kRad, mid_ + kRad, up);
    if (!failed_) failed_ = SolveAt(90 * kRad, mid_ - kRad, down);
    if (failed_) return;
    sense_ = (up.Valve < down.Valve) != inside ? 1 : -1;
}

} // namespace vt::gears
