// What the solvers of the gear kinds share: the design's values and the failure, mid gear
// and the sense of forward in the reverser's own angle, a Solve over the kind's own
// SolveAt (with the walk for a group Newton lost), the mid-gear searches, and the closed
// forms every kind places the same way (crank and crosshead, the valve pin on its spindle).
#pragma once

#include "gears/Gear.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace vt::gears {

inline constexpr double kRad = std::numbers::pi / 180.0;

inline Vec2 Dir(double rad) { return {std::cos(rad), std::sin(rad)}; }

// The crank pin at crankRad and the crosshead on its guide at height `guide`, the main
// rod reaching forward: "Main rod" when it cannot reach the guide, else nullptr.
struct CrankPins {
    int Axle, CrankPin, Crosshead;
};
const char* PlaceCrosshead(const CrankPins& pins, double stroke, double mainRod, double guide,
                           double crankRad, GearPose& out);

// The valve pin on its spindle (the horizontal line at `spindle`), `rodLen` forward from
// pin `from`; out.Valve from it, the valve centre stemLen ahead of the pin and the port
// face's middle at faceCentre. `body` (the rod's name) when it cannot reach, else nullptr.
struct ValveRod {
    int From, ValvePin;
    double RodLen, Spindle, StemLen, FaceCentre;
    const char* Body;
};
const char* PlaceValvePin(const ValveRod& rod, GearPose& out);

// Where two rods from a and b meet on the higher of the two assemblies, and its side
// (SideOf a -> b). False when they do not meet.
bool HigherMeeting(const Vec2& a, double ra, const Vec2& b, double rb, Vec2& out, int& side);

class KindSolver : public GearSolver {
public:
    // The kind's SolveAt at the reverser angle mid gear + sense x setting, walking there
    // from the last pose when WalkFrom says so.
    void Solve(double crankDeg, double setting, GearPose& out) override;
    double MidGear() const override { return mid_ / kRad; }
    const char* Failed() const override { return failed_; }

protected:
    // Fails with "Design" when the design has not `dims` values.
    KindSolver(const GearDesign& d, std::size_t dims, int pins);
    double operator[](int i) const { return v_[std::size_t(i)]; }

    // Every pin at a crank angle and reverser angle (radians): the failed body or nullptr.
    virtual const char* SolveAt(double crankRad, double reverserRad, GearPose& out) = 0;
    // Whether a failure is a Newton group's that a walk from the last pose may pass, and
    // that pose's crank and reverser angle.
    virtual bool WalkFrom(const char* failed, double& crankRad, double& reverserRad) const;

    // Mid gear by the quarter-turn rule (MidGearRule.h) from `start`; on a failed pose
    // failed_ is `body`, or the failed body when `body` is nullptr.
    void FindMidByQuarterTurn(double start, double scale, const char* body = nullptr);
    // Mid gear where the die's mean place over a turn is at the slot's middle.
    void FindMidByDiePlace(double start, double scale);
    // The sense of forward: at crank 90 (piston at mid stroke, the front port admitting
    // when running forward) the gear moves the valve towards the rear with outside
    // admission, towards the front with inside admission.
    void FindSense(bool inside = false);

    std::vector<double> v_;
    double mid_ = 0;   // the reverser's angle at mid gear, radians
    double sense_ = 1; // reverser turn per unit setting: +1 or -1
    const char* failed_ = nullptr;

private:
    int pins_;
};

} // namespace vt::gears
