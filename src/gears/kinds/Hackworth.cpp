// Hackworth's radial gear on the exact engine; see Hackworth.h.
//
// Source of the geometry and of the sample's layout: J. W. Hackworth's radial valve gear
// (patented 1859) as W. E. Dalby, "Valves and Valve Gear Mechanisms" (1906), describes the
// radial gears:
//  - the eccentric stands opposite the crank, so at both dead centres it stands on the
//    line of strokes and the rod's end is at the slide's middle whatever the slide's
//    angle: the valve rod's pin then stands at the same place in every notch, and the lead
//    is the same in every notch;
//  - the eccentric's throw at the valve rod's pin, (1 - pin along / rod) x throw, is lap
//    + lead; the slide's tilt adds the part a quarter turn from the crank, the travel;
//  - the slide upright (square to the line of strokes) is mid gear; tilted one way or the
//    other, the gear runs forward or backward.
// Every group is a closed form (a rod on a slide, a rod and the valve spindle): no Newton.
#include "gears/kinds/Hackworth.h"

#include "gears/KindSolver.h"
#include "gears/TableKind.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vt::gears {

namespace {

enum Dim : int {
    StrokeLen, MainRodLen, CylCLHeight, EccThrow, EccRodLen, SlideX, SlideY, ValveRodPinAt,
    ValveConnLen, ValveSpindleHeight, ValveRodLen, CylCtrToDriverCtr, ExhPortWidth,
    BridgeWidthFront, BridgeWidthRear, SteamPortWidthFront, SteamPortWidthRear,
    ValveLenFront, ValveLenRear, ValveExhCavityFront, ValveExhCavityRear, FullGearAngle,
    NormalGearAngle, kDims
};

constexpr UnitKind L = UnitKind::Length;
constexpr UnitKind A = UnitKind::Angle;

// The sample: a 24 in stroke, a 5 in eccentric on a 50 in rod whose die works in a slide
// pivoted over the axle, at the rod's length from the eccentric at the dead centres
// (sqrt(50^2 - 5^2)); the valve rod's pin 35.625 in up the rod, so that the eccentric's
// 5 in moves it 1.4375 either way at the dead centres (1.25 in lap, 3/16 in lead). The
// valve spindle stands at that pin's height at the dead centres and the valve rods centre
// the valve between them, so the leads are equal. Full gear tilts the slide 30 degrees.
// name, caption, unit, default, sensible low/high, hard low/high, group
constexpr std::array<Dimension, 4> kOwnDimensions{{
    {"EccThrow", "Eccentric throw", L, 5, 1, 10, 1e-6, kBig, "Eccentric"},
    {"EccRodLen", "Eccentric rod, centre to die", L, 50, 20, 120, 1e-6, kBig, "Eccentric"},
    {"SlideX", "Slide pivot from axle", L, 0, -30, 30, -kBig, kBig, "Slide"},
    {"SlideY", "Slide pivot height", L, 49.749372, 20, 120, -kBig, kBig, "Slide"},
}};

constexpr std::array<Dimension, 2> kReverserDimensions{{
    {"FullGearAngle", "Full gear slide tilt", A, 30, 5, 60, 0, 80, "Reverser"},
    {"NormalGearAngle", "Normal gear slide tilt", A, 12, 1, 50, 0, 80, "Reverser"},
}};

constexpr auto kDimensions = JoinDimensions(CrankDimensions(24, 90), kOwnDimensions,
                                            kRadialValveRodDimensions, PortFaceDimensions(139),
                                            kReverserDimensions);
static_assert(kDimensions.size() == kDims);

const std::array<PinInfo, kHackworthPins> kPins{{
    {"Axle", true}, {"CrankPin", false}, {"Crosshead", false}, {"EccCentre", false},
    {"Die", false}, {"SlidePivot", true}, {"ValveRodPin", false}, {"ValvePin", false},
}};

const std::vector<BodyInfo>& BodyTable() {
    static const std::vector<BodyInfo> bodies{
        {"Frame", BodyRole::Frame, {HAxle, HSlidePivot}},
        {"Crank", BodyRole::Crank, {HAxle, HCrankPin, HEccCentre}},
        {"Main rod", BodyRole::MainRod, {HCrankPin, HCrosshead}, MainRodLen},
        {"Eccentric rod", BodyRole::EccentricRod, {HEccCentre, HDie, HValveRodPin},
         EccRodLen},
        {"Valve rod", BodyRole::ValveRod, {HValveRodPin, HValvePin}, ValveConnLen},
    };
    return bodies;
}

const std::array<GuideInfo, 2> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, HCrosshead, -1, ValueAt<CylCLHeight>},
    {"Valve spindle guide", GuideKind::Horizontal, HValvePin, -1, ValueAt<ValveSpindleHeight>},
}};

// The reverser's angle: the slide's from +X, radians.
class HackworthSolver final : public KindSolver {
public:
    explicit HackworthSolver(const GearDesign& d) : KindSolver(d, kDims, kHackworthPins) {
        if (failed_) return;
        FindMidByQuarterTurn(std::numbers::pi / 2, v_[EccRodLen]);
        if (!failed_) FindSense();
    }

private:
    const char* SolveAt(double crankRad, double slideRad, GearPose& out) override;
};

// Crank and crosshead; the die on the slide, the root further along the slide's upward
// direction; the valve rod's pin on the eccentric rod; the valve rod on to the spindle,
// towards the cylinder.
const char* HackworthSolver::SolveAt(double crankRad, double slideRad, GearPose& out) {
    out.PinCount = kHackworthPins;
    auto& P = out.Pins;
    P[HSlidePivot] = {v_[SlideX], v_[SlideY]};
    if (const char* f = PlaceCrosshead({HAxle, HCrankPin, HCrosshead}, v_[StrokeLen],
                                       v_[MainRodLen], v_[CylCLHeight], crankRad, out))
        return f;
    P[HEccCentre] = OnCrank(P[HAxle], v_[EccThrow], crankRad + std::numbers::pi);
    const Vec2 along = Dir(slideRad);
    if (!CircleLine(P[HEccCentre], v_[EccRodLen], P[HSlidePivot], along, true, P[HDie]))
        return "Eccentric rod";
    const Vec2 rod = (P[HDie] - P[HEccCentre]) / v_[EccRodLen];
    P[HValveRodPin] = OnBody(P[HEccCentre], rod, v_[ValveRodPinAt], 0);
    out.DiePlace = (P[HDie] - P[HSlidePivot]).dot(along);
    return PlaceValvePin({HValveRodPin, HValvePin, v_[ValveConnLen], v_[ValveSpindleHeight],
                          v_[ValveRodLen], v_[CylCtrToDriverCtr], "Valve rod"},
                         out);
}

} // namespace

const GearKind& Hackworth() {
    static const TableKind kind({"hackworth", "Hackworth radial gear",
                                 "Hackworth radial gear, 24 in stroke, slide valve",
                                 kDimensions, kPins, BodyTable(), kGuides,
                                 {"Slide tilt from mid gear", UnitKind::Angle, FullGearAngle,
                                  NormalGearAngle},
                                 MakeSolverOf<HackworthSolver>});
    return kind;
}

} // namespace vt::gears
