// Marshall's gear on the exact engine; see Marshall.h.
//
// Source of the geometry: J. Marshall's form of Hackworth's radial gear, a swing link in
// place of the straight slide, among the radial gears W. E. Dalby, "Valves and Valve Gear
// Mechanisms" (1906), describes. The sample is laid out as Hackworth's:
//  - the eccentric stands opposite the crank, so at both dead centres the rod's end stands
//    at the same place, the reversing arm's shaft; the swing link as long as the reversing
//    arm keeps it there whatever the arm's angle, so the lead is the same in every notch;
//  - the eccentric's throw at the valve rod's pin, (1 - pin along / rod) x throw, is lap
//    + lead; tilting the rod end's arc adds the travel;
//  - mid gear is the arm's angle at which the valve has no motion a quarter turn from the
//    crank's (the rod end's arc near upright).
// Every group is a closed form (two rods at the rod end, a rod and the valve spindle).
#include "gears/kinds/Marshall.h"


#include "gears/KindSolver.h"
#include "gears/TableKind.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vt::gears {

namespace {


enum Dim : int {
    StrokeLen, MainRodLen, CylCLHeight, EccThrow, EccRodLen, ReverseShaftX, ReverseShaftY,
    ReverseArmLen, SwingLinkLen, ValveRodPinAt, ValveConnLen, ValveSpindleHeight,
    ValveRodLen, CylCtrToDriverCtr, ExhPortWidth, BridgeWidthFront, BridgeWidthRear,
    SteamPortWidthFront, SteamPortWidthRear, ValveLenFront, ValveLenRear,
    ValveExhCavityFront, ValveExhCavityRear, FullGearAngle, NormalGearAngle, kDims
};

constexpr UnitKind L = UnitKind::Length;
constexpr UnitKind A = UnitKind::Angle;

// The sample: a 24 in stroke, a 5 in eccentric on a 50 in rod whose end hangs from a 24 in
// swing link on a 24 in reversing arm, its shaft over the axle at the rod's length from the
// eccentric at the dead centres (sqrt(50^2 - 5^2)), the arm pointing to the rear at mid
// gear; the valve rod's pin 35.625 in up the rod, so that the eccentric's 5 in moves it
// 1.4375 either way at the dead centres (1.25 in lap, 3/16 in lead), the valve spindle at
// its height then and the valve rods centring the valve between them. Full gear turns the
// arm 30 degrees.
// name, caption, unit, default, sensible low/high, hard low/high, group
constexpr std::array<Dimension, 6> kOwnDimensions{{
    {"EccThrow", "Eccentric throw", L, 5, 1, 10, 1e-6, kBig, "Eccentric"},
    {"EccRodLen", "Eccentric rod, centre to end", L, 50, 20, 120, 1e-6, kBig, "Eccentric"},
    {"ReverseShaftX", "Reversing shaft from axle", L, 0, -30, 30, -kBig, kBig, "Reverser"},
    {"ReverseShaftY", "Reversing shaft height", L, 49.749372, 20, 120, -kBig, kBig,
     "Reverser"},
    {"ReverseArmLen", "Reversing arm", L, 24, 4, 60, 1e-6, kBig, "Reverser"},
    {"SwingLinkLen", "Swing link", L, 24, 4, 60, 1e-6, kBig, "Reverser"},
}};

constexpr std::array<Dimension, 2> kReverserDimensions{{
    {"FullGearAngle", "Full gear reversing arm angle", A, 30, 5, 60, 0, 80, "Reverser"},
    {"NormalGearAngle", "Normal gear reversing arm angle", A, 12, 1, 50, 0, 80, "Reverser"},
}};

constexpr auto kDimensions = JoinDimensions(CrankDimensions(24, 90), kOwnDimensions,
                                            kRadialValveRodDimensions, PortFaceDimensions(139),
                                            kReverserDimensions);
static_assert(kDimensions.size() == kDims);

const std::array<PinInfo, kMarshallPins> kPins{{
    {"Axle", true}, {"CrankPin", false}, {"Crosshead", false}, {"EccCentre", false},
    {"RodEnd", false}, {"ReverseShaft", true}, {"SwingLinkTop", false},
    {"ValveRodPin", false}, {"ValvePin", false},
}};

const std::vector<BodyInfo>& BodyTable() {
    static const std::vector<BodyInfo> bodies{
        {"Frame", BodyRole::Frame, {MAxle, MReverseShaft}},
        {"Crank", BodyRole::Crank, {MAxle, MCrankPin, MEccCentre}},
        {"Main rod", BodyRole::MainRod, {MCrankPin, MCrosshead}, MainRodLen},
        {"Eccentric rod", BodyRole::EccentricRod, {MEccCentre, MRodEnd, MValveRodPin},
         EccRodLen},
        {"Reversing arm", BodyRole::LiftingGear, {MReverseShaft, MSwingLinkTop},
         ReverseArmLen},
        {"Swing link", BodyRole::LiftingGear, {MSwingLinkTop, MRodEnd}, SwingLinkLen},
        {"Valve rod", BodyRole::ValveRod, {MValveRodPin, MValvePin}, ValveConnLen},
    };
    return bodies;
}

const std::array<GuideInfo, 2> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, MCrosshead, -1, ValueAt<CylCLHeight>},
    {"Valve spindle guide", GuideKind::Horizontal, MValvePin, -1, ValueAt<ValveSpindleHeight>},
}};

// The reverser's angle: the reversing arm's from +X, radians.
class MarshallSolver final : public KindSolver {
public:
    explicit MarshallSolver(const GearDesign& d);

private:
    const char* SolveAt(double crankRad, double armRad, GearPose& out) override;

    int side_ = 1; // the rod end's side of the line eccentric -> swing link top
};

// The reference assembly: crank on the front dead centre, the arm to the rear, the rod end
// above the eccentric at the swing link's length from the arm's end.
MarshallSolver::MarshallSolver(const GearDesign& d) : KindSolver(d, kDims, kMarshallPins) {
    if (failed_) return;
    const Vec2 shaft(v_[ReverseShaftX], v_[ReverseShaftY]);
    const Vec2 ecc = OnCrank({0, 0}, v_[EccThrow], std::numbers::pi);
    const Vec2 top = shaft - Vec2(v_[ReverseArmLen], 0);
    Vec2 end;
    if (!HigherMeeting(ecc, v_[EccRodLen], top, v_[SwingLinkLen], end, side_)) {
        failed_ = "Swing link";
        return;
    }
    FindMidByQuarterTurn(std::numbers::pi, v_[EccRodLen]);
    if (!failed_) FindSense();
}

// Crank and crosshead; the rod end where the eccentric rod meets the swing link, on the
// reference side; the valve rod's pin on the eccentric rod; the valve rod on to the
// spindle, towards the cylinder.
const char* MarshallSolver::SolveAt(double crankRad, double armRad, GearPose& out) {
    out.PinCount = kMarshallPins;
    auto& P = out.Pins;
    P[MReverseShaft] = {v_[ReverseShaftX], v_[ReverseShaftY]};
    if (const char* f = PlaceCrosshead({MAxle, MCrankPin, MCrosshead}, v_[StrokeLen],
                                       v_[MainRodLen], v_[CylCLHeight], crankRad, out))
        return f;
    P[MEccCentre] = OnCrank(P[MAxle], v_[EccThrow], crankRad + std::numbers::pi);
    P[MSwingLinkTop] = P[MReverseShaft] + v_[ReverseArmLen] * Dir(armRad);
    if (!CircleCircle(P[MEccCentre], v_[EccRodLen], P[MSwingLinkTop], v_[SwingLinkLen], side_,
                      P[MRodEnd]))
        return "Swing link";
    const Vec2 rod = (P[MRodEnd] - P[MEccCentre]) / v_[EccRodLen];
    P[MValveRodPin] = OnBody(P[MEccCentre], rod, v_[ValveRodPinAt], 0);
    // Along the rod end's arc from the shaft's place, + upwards (anticlockwise about the
    // swing link's top when the arm points to the rear).
    const Vec2 end = P[MRodEnd] - P[MSwingLinkTop], mid = P[MReverseShaft] - P[MSwingLinkTop];
    out.DiePlace = -v_[SwingLinkLen] * std::atan2(Cross(end, mid), end.dot(mid));
    return PlaceValvePin({MValveRodPin, MValvePin, v_[ValveConnLen], v_[ValveSpindleHeight],
                          v_[ValveRodLen], v_[CylCtrToDriverCtr], "Valve rod"},
                         out);
}

} // namespace

const GearKind& Marshall() {
    static const TableKind kind({"marshall", "Marshall gear",
                                 "Marshall gear, 24 in stroke, slide valve", kDimensions, kPins,
                                 BodyTable(), kGuides,
                                 {"Reversing arm from mid gear", UnitKind::Angle, FullGearAngle,
                                  NormalGearAngle},
                                 MakeSolverOf<MarshallSolver>});
    return kind;
}

} // namespace vt::gears
