// Allan's straight-link gear on the exact engine; see Allan.h.
//
// Source of the geometry: A. Allan's straight link motion (1855), as the link-motion
// textbooks describe it, e.g. W. S. Auchincloss, "Link and Valve Motions Simplified"
// (1869), and G. Zeuner, "Treatise on Valve-Gears" (trans. 1868):
//  - the link is straight, so neither it nor the radius rod need be curved; it is a mean
//    between the shifting link (Stephenson's) and the stationary link (Gooch's): the weigh
//    shaft lifts the link and lowers the radius rod together, on opposite arms;
//  - each eccentric leads or trails the crank by a quarter turn and the angle of advance,
//    set so that the link's swing at the dead centres is about lap + lead; the rods open;
//  - the lead varies from notch to notch, but less than with the shifting link, since the
//    link moves only part of the die's shift.
// The sample's layout: a 16 x 24 in cylinder engine, a 2.5 in eccentric whose advance
// (asin(1.375 / 2.5)) makes its part at the dead centres 1.25 in lap + 1/8 in lead; the
// link upright 54 in ahead of the axle at the dead centres, its rod pins 5 in either side
// of its middle, the rods 55.82678 in (the forward rod to the upper end, open at the
// dead centre where the eccentrics stand towards the link); the weigh shaft 24 in up,
// its 7 in arm over the link's lifting link, its opposite arm and the radius rod's hanger
// pin proportioned (10.40541 x 60 / (60 - 15.40541) = 14 = 2 x 7) so that the die falls
// twice as far as the link rises; the valve rod centres the valve at mid gear. Full gear
// turns the shaft 22 degrees (about 86 % cut-off), the normal notch 6 (about 29 %).
// The link on its three rods (the two eccentric rods and the lifting link) is one Newton
// solve in three unknowns; the die (the slot and the radius rod's hanger) is one in one
// unknown; the valve pin is a closed form.
#include "gears/kinds/Allan.h"

#include "gears/KindSolver.h"
#include "gears/LinkOnRods.h"
#include "gears/Newton.h"
#include "gears/TableKind.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vt::gears {

namespace {

constexpr const char* kLinkName = "Link";
constexpr const char* kRadiusRod = "Radius rod";

enum Dim : int {
    StrokeLen, MainRodLen, CylCLHeight, EccThrow, EccAdvance, EccRodLen, LinkHalfLen,
    LinkRodBackSet, LinkSuspBackSet, WeighShaftX, WeighShaftY, LiftArmLen, LiftingLinkLen,
    RodArmLen, HangerLen, HangerAt, RadiusRodLen, ValveSpindleHeight, ValveRodLen,
    CylCtrToDriverCtr, ExhPortWidth, BridgeWidthFront, BridgeWidthRear, SteamPortWidthFront,
    SteamPortWidthRear, ValveLenFront, ValveLenRear, ValveExhCavityFront, ValveExhCavityRear,
    FullGearAngle, NormalGearAngle, kDims
};

constexpr UnitKind L = UnitKind::Length;
constexpr UnitKind A = UnitKind::Angle;

// name, caption, unit, default, sensible low/high, hard low/high, group
constexpr std::array<Dimension, 16> kOwnDimensions{{
    {"EccThrow", "Eccentric throw", L, 2.5, 1, 10, 1e-6, kBig, "Eccentrics"},
    {"EccAdvance", "Eccentric angle of advance", A, 33.36701, 0, 45, -90, 90, "Eccentrics"},
    {"EccRodLen", "Eccentric rods", L, 55.82678, 20, 120, 1e-6, kBig, "Eccentrics"},
    {"LinkHalfLen", "Rod pins from slot middle", L, 5, 2, 20, 1e-6, kBig, "Link"},
    {"LinkRodBackSet", "Rod pins behind slot", L, 0, -5, 5, -kBig, kBig, "Link"},
    {"LinkSuspBackSet", "Lifting link pin behind slot", L, 2, -5, 5, -kBig, kBig, "Link"},
    {"WeighShaftX", "Weigh shaft from axle", L, 59, 0, 150, -kBig, kBig, "Weigh shaft"},
    {"WeighShaftY", "Weigh shaft height", L, 24, -20, 60, -kBig, kBig, "Weigh shaft"},
    {"LiftArmLen", "Link arm", L, 7, 2, 30, 1e-6, kBig, "Weigh shaft"},
    {"LiftingLinkLen", "Lifting link", L, 24, 4, 60, 1e-6, kBig, "Weigh shaft"},
    {"RodArmLen", "Radius rod arm", L, 10.40541, 2, 30, 1e-6, kBig, "Weigh shaft"},
    {"HangerLen", "Radius rod hanger", L, 24, 4, 60, 1e-6, kBig, "Weigh shaft"},
    {"HangerAt", "Hanger pin from die", L, 15.40541, 0, 60, -kBig, kBig, "Radius rod"},
    {"RadiusRodLen", "Radius rod", L, 60, 10, 120, 1e-6, kBig, "Radius rod"},
    {"ValveSpindleHeight", "Valve spindle above axle", L, 0, -30, 50, -kBig, kBig,
     "Radius rod"},
    {"ValveRodLen", "Valve pin to valve centre", L, 14.43762, -100, 100, -kBig, kBig,
     "Radius rod"},
}};

constexpr std::array<Dimension, 2> kReverserDimensions{{
    {"FullGearAngle", "Full gear weigh shaft angle", A, 22, 3, 60, 0, 80, "Reverser"},
    {"NormalGearAngle", "Normal gear weigh shaft angle", A, 6, 1, 50, 0, 80, "Reverser"},
}};

constexpr auto kDimensions = JoinDimensions(CrankDimensions(24, 84), kOwnDimensions,
                                            PortFaceDimensions(130), kReverserDimensions);
static_assert(kDimensions.size() == kDims);

const std::array<PinInfo, kAllanPins> kPins{{
    {"Axle", true}, {"CrankPin", false}, {"Crosshead", false}, {"FwdEccCentre", false},
    {"BackEccCentre", false}, {"FwdRodPin", false}, {"BackRodPin", false},
    {"LinkMiddle", false}, {"LinkSuspPin", false}, {"Die", false}, {"HangerPin", false},
    {"ValvePin", false}, {"WeighShaft", true}, {"LiftArmEnd", false}, {"RodArmEnd", false},
}};

const std::vector<BodyInfo>& BodyTable() {
    static const std::vector<BodyInfo> bodies{
        {"Frame", BodyRole::Frame, {AAxle, AWeighShaft}},
        {"Crank", BodyRole::Crank, {AAxle, ACrankPin, AFwdEccCentre, ABackEccCentre}},
        {"Main rod", BodyRole::MainRod, {ACrankPin, ACrosshead}, MainRodLen},
        {"Forward eccentric rod", BodyRole::EccentricRod, {AFwdEccCentre, AFwdRodPin},
         EccRodLen},
        {"Backward eccentric rod", BodyRole::EccentricRod, {ABackEccCentre, ABackRodPin},
         EccRodLen},
        {"Link", BodyRole::Link, {AFwdRodPin, ABackRodPin, ALinkMiddle, ALinkSuspPin}},
        {"Lifting link", BodyRole::LiftingGear, {ALiftArmEnd, ALinkSuspPin}, LiftingLinkLen},
        {"Weigh shaft", BodyRole::LiftingGear, {AWeighShaft, ALiftArmEnd, ARodArmEnd},
         LiftArmLen},
        {"Radius rod", BodyRole::RadiusRod, {ADie, AValvePin, AHangerPin}, RadiusRodLen},
        {"Radius rod hanger", BodyRole::LiftingGear, {ARodArmEnd, AHangerPin}, HangerLen},
    };
    return bodies;
}

const std::array<GuideInfo, 2> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, ACrosshead, -1, ValueAt<CylCLHeight>},
    {"Valve spindle guide", GuideKind::Horizontal, AValvePin, -1, ValueAt<ValveSpindleHeight>},
}};

using Vec1 = Eigen::Matrix<double, 1, 1>;

// The reverser's angle: the link arm's direction from +X, radians (the radius rod's arm
// half a turn from it).
class AllanSolver final : public KindSolver {
public:
    explicit AllanSolver(const GearDesign& d);

private:
    const char* SolveAt(double crankRad, double shaftRad, GearPose& out) override;
    bool WalkFrom(const char* failed, double& crankRad, double& shaftRad) const override;
    const char* PlaceLink(double crankRad, double shaftRad, GearPose& out);
    const char* PlaceDie(double crankRad, double shaftRad, GearPose& out);
    void Reference();

    LinkPoint fwd_{}, back_{}, susp_{};
    RootTrack<3> linkTrack_;
    RootTrack<1> dieTrack_;
    LinkVec refLink_ = LinkVec::Zero();
    int liftSide_ = 0, hangSide_ = 0;
    bool newtonFailed_ = false; // the last SolveAt failed at a Newton solve
};

AllanSolver::AllanSolver(const GearDesign& d) : KindSolver(d, kDims, kAllanPins) {
    if (failed_) return;
    fwd_ = {v_[LinkHalfLen], -v_[LinkRodBackSet]};
    back_ = {-v_[LinkHalfLen], -v_[LinkRodBackSet]};
    susp_ = {0, -v_[LinkSuspBackSet]};
    Reference();
    // Mid gear: the shaft's angle at which the die's mean place over a turn is at the
    // slot's middle.
    if (!failed_) FindMidByDiePlace(std::numbers::pi, v_[LinkHalfLen]);
    if (!failed_) FindSense();
}

// The reference assembly: crank on the front dead centre, the link arm pointing to the
// rear, the link upright below its lifting link, the die from the slot's middle; the
// sides the lifting link and the hanger keep.
void AllanSolver::Reference() {
    const Vec2 shaft(v_[WeighShaftX], v_[WeighShaftY]);
    const Vec2 armEnd = shaft - Vec2(v_[LiftArmLen], 0);
    const Vec2 middle = armEnd + Vec2(v_[LinkSuspBackSet], -v_[LiftingLinkLen]);
    refLink_ = {middle.x(), middle.y(), 0};
    linkTrack_.Reset(refLink_, 0, std::numbers::pi);
    dieTrack_.Reset(Vec1::Zero(), 0, std::numbers::pi);
    liftSide_ = SideOf(shaft, armEnd, susp_.At(refLink_));
    GearPose p;
    if ((failed_ = SolveAt(0, std::numbers::pi, p))) return;
    refLink_ = linkTrack_.Last();
    hangSide_ = SideOf(shaft, p.Pin(ARodArmEnd), p.Pin(AHangerPin));
}

bool AllanSolver::WalkFrom(const char*, double& crankRad, double& shaftRad) const {
    crankRad = linkTrack_.LastCrank(), shaftRad = linkTrack_.LastSetting();
    return newtonFailed_;
}

const char* AllanSolver::SolveAt(double crankRad, double shaftRad, GearPose& out) {
    out.PinCount = kAllanPins;
    auto& P = out.Pins;
    newtonFailed_ = false;
    if (const char* f = PlaceCrosshead({AAxle, ACrankPin, ACrosshead}, v_[StrokeLen],
                                       v_[MainRodLen], v_[CylCLHeight], crankRad, out))
        return f;
    const double quarter = std::numbers::pi / 2 + v_[EccAdvance] * kRad;
    P[AFwdEccCentre] = OnCrank(P[AAxle], v_[EccThrow], crankRad + quarter);
    P[ABackEccCentre] = OnCrank(P[AAxle], v_[EccThrow], crankRad - quarter);
    P[AWeighShaft] = {v_[WeighShaftX], v_[WeighShaftY]};
    P[ALiftArmEnd] = P[AWeighShaft] + v_[LiftArmLen] * Dir(shaftRad);
    P[ARodArmEnd] = P[AWeighShaft] - v_[RodArmLen] * Dir(shaftRad);
    const char* f = PlaceLink(crankRad, shaftRad, out);
    if (!f) f = PlaceDie(crankRad, shaftRad, out);
    newtonFailed_ = f == kLinkName || f == kRadiusRod;
    return f;
}

// The link on its eccentric rods and lifting link, from the prediction, else from the
// reference assembly. Its branch: upright, the rod pins ahead of their eccentrics, the
// lifting link on its side of the arm.
const char* AllanSolver::PlaceLink(double crankRad, double shaftRad, GearPose& out) {
    auto& P = out.Pins;
    const std::array<LinkRod, 3> rods{{{fwd_, P[AFwdEccCentre], v_[EccRodLen]},
                                       {back_, P[ABackEccCentre], v_[EccRodLen]},
                                       {susp_, P[ALiftArmEnd], v_[LiftingLinkLen]}}};
    LinkVec x;
    if (!PlaceLinkOnRods(rods, v_[EccRodLen] + v_[LiftingLinkLen],
                         linkTrack_.Guess(crankRad, shaftRad), refLink_, x))
        return kLinkName;
    P[AFwdRodPin] = fwd_.At(x);
    P[ABackRodPin] = back_.At(x);
    P[ALinkMiddle] = {x[0], x[1]};
    P[ALinkSuspPin] = susp_.At(x);
    const bool same = std::cos(x[2]) > 0 && P[AFwdRodPin].x() > P[AFwdEccCentre].x() &&
                      P[ABackRodPin].x() > P[ABackEccCentre].x() &&
                      SideOf(P[AWeighShaft], P[ALiftArmEnd], P[ALinkSuspPin]) == liftSide_;
    if (!same) return kLinkName;
    linkTrack_.Keep(x, crankRad, shaftRad);
    return nullptr;
}

// Newton on the die's place s along the slot (+ up the link from its middle): the radius
// rod from the die to the spindle (a closed form), its hanger pin HangerAt along it, and
// the residual (|HangerPin - RodArmEnd|^2 - HangerLen^2) / 2 HangerLen. With the die at
// D = M + s u, the valve pin's X is D.x + w, w = sqrt(R^2 - (spindle - D.y)^2), so
// dV/ds = u.x + (spindle - D.y) u.y / w, and the hanger pin H = D + k (V - D), k = at / R.
const char* AllanSolver::PlaceDie(double crankRad, double shaftRad, GearPose& out) {
    auto& P = out.Pins;
    const Vec2 middle = P[ALinkMiddle], arm = P[ARodArmEnd];
    const Vec2 u = (P[AFwdRodPin] - P[ABackRodPin]).normalized();
    const double rod = v_[RadiusRodLen], spindle = v_[ValveSpindleHeight];
    const double k = v_[HangerAt] / rod, hanger = v_[HangerLen];
    bool reached = true;
    auto f = [&](const Vec1& s, Vec1& r, Vec1& J) {
        const Vec2 die = middle + s[0] * u;
        const double rise = spindle - die.y(), w2 = rod * rod - rise * rise;
        reached = reached && w2 > 0;
        const double w = std::sqrt(std::max(w2, 1e-300));
        const Vec2 valve(die.x() + w, spindle), dValve(u.x() + rise * u.y() / w, 0);
        const Vec2 gap = die + k * (valve - die) - arm;
        r[0] = (gap.squaredNorm() - hanger * hanger) / (2 * hanger);
        J(0, 0) = (gap / hanger).dot((1 - k) * u + k * dValve);
    };
    Vec1 s = dieTrack_.Guess(crankRad, shaftRad);
    if (!NewtonSolve<1>(f, s, rod) || !reached) {
        reached = true, s = Vec1::Zero();
        if (!NewtonSolve<1>(f, s, rod) || !reached) return kRadiusRod;
    }
    P[ADie] = middle + s[0] * u;
    if (const char* failed = PlaceValvePin({ADie, AValvePin, rod, spindle, v_[ValveRodLen],
                                            v_[CylCtrToDriverCtr], kRadiusRod},
                                           out))
        return failed;
    P[AHangerPin] = P[ADie] + k * (P[AValvePin] - P[ADie]);
    out.DiePlace = s[0];
    if (hangSide_ != 0 && SideOf(P[AWeighShaft], arm, P[AHangerPin]) != hangSide_)
        return kRadiusRod;
    dieTrack_.Keep(s, crankRad, shaftRad);
    return nullptr;
}

} // namespace

const GearKind& Allan() {
    static const TableKind kind({"allan", "Allan straight-link gear",
                                 "Allan straight-link gear, 16 x 24 in cylinder, slide valve",
                                 kDimensions, kPins, BodyTable(), kGuides,
                                 {"Weigh shaft from mid gear", UnitKind::Angle, FullGearAngle,
                                  NormalGearAngle},
                                 MakeSolverOf<AllanSolver>});
    return kind;
}

} // namespace vt::gears
