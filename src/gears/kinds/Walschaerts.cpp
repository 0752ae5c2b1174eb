// Walschaerts gear on the exact engine; see Walschaerts.h.
//
// Source of the geometry and of the sample's layout: the standard rules of the gear as
// the locomotive valve gear textbooks give them, e.g. W. W. Wood, "Walschaert Locomotive
// Valve Gear" (1907), and C. H. Fessenden, "Valve Gears" (1915); the arrangement of
// expansion link and combination lever is E. Walschaerts' (Belgium, 1844):
//  - the valve's displacement is the sum of two motions: the link's, through the die and
//    the radius rod, and the crosshead's, through the union link and combination lever;
//  - the lever's part at a dead centre is lap + lead = (stroke / 2) x the lever's ratio
//    (valve pin to radius rod pin over radius rod pin to union pin), whatever the notch;
//  - the slot's radius equals the radius rod's length, and the return crank is set so that
//    the link stands at its middle place at both dead centres: then the radius rod pin sits
//    at the slot's centre at the dead centres, the die's place does not move the valve
//    there, and the lead is the same in every notch;
//  - the return crank is set at right angles to the line from the axle to the link foot's
//    middle place (a quarter turn, corrected for that line's slope);
//  - with inside admission the valve pin lies between the radius rod pin and the union
//    pin, so that the lever moves the valve with the crosshead, not against it.
//
// Pins, axes and dimensions: see the tables below. The group from the die to the valve
// (radius rod, combination lever, union link, valve spindle, lifting link) is one Newton
// solve in four unknowns; the link is placed in closed form from its eccentric rod.
#include "gears/kinds/Walschaerts.h"

#include "gears/KindSolver.h"
#include "gears/Newton.h"
#include "gears/TableKind.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

namespace vt::gears {

namespace {

constexpr const char* kGroupName = "Radius rod and combination lever";

enum Dim : int {
    StrokeLen, MainRodLen, CylCLHeight, CrossheadArmX, CrossheadArmDrop, ReturnCrankThrow,
    ReturnCrankAngle, EccRodLen, TrunnionX, TrunnionY, LinkRadius, LinkFootLen,
    LinkFootBackSet, RadiusRodLen, LiftPointOffset, WeighShaftX, WeighShaftY, LiftArmLen,
    LiftingLinkLen, CombLeverValve, CombLeverUnion, UnionLinkLen, ValveSpindleHeight,
    ValveRodLen, CylCtrToDriverCtr, ExhPortWidth, BridgeWidthFront, BridgeWidthRear,
    SteamPortWidthFront, SteamPortWidthRear, ValveLenFront, ValveLenRear,
    ValveExhCavityFront, ValveExhCavityRear, Admit, FullGearAngle, NormalGearAngle, kDims
};

constexpr UnitKind L = UnitKind::Length;
constexpr UnitKind A = UnitKind::Angle;

// The outside-admission sample: a 20 x 26 in cylinder, slide valve with 1.25 in lap and
// 3/16 in lead, about 8 in of valve travel in full gear, the radius rod held at the die.
// Laid out so that at both dead centres the union link is level and the radius rod pin
// sits at the slot's centre (134 in ahead of the axle, 14 in up): the lever leans
// asin(13 / 36) either way, so the crosshead arm drops 36 cos - 14 = 19.5708, the valve
// pin stands 3.98077 = 1.4375 / sin above the radius rod pin and the spindle 14 + 3.98077
// cos = 17.71216 above the axle; the link foot's middle place is (72, -2), so the return
// crank leads by 90 + atan(2 / 72) = 91.59114 degrees and the eccentric rod is
// sqrt(72^2 + 2^2 + 5.2^2) = 72.21523. The valve rod centres the valve at mid gear.
// name, caption, unit, default, sensible low/high, hard low/high, group
constexpr std::array<Dimension, 16> kOwnDimensions{{
    {"TrunnionX", "Link trunnion from axle", L, 74, 30, 150, -kBig, kBig, "Link"},
    {"TrunnionY", "Link trunnion height", L, 14, -20, 50, -kBig, kBig, "Link"},
    {"LinkRadius", "Slot radius", L, 60, 20, 120, 1e-6, kBig, "Link"},
    {"LinkFootLen", "Link foot below trunnion", L, 16, 6, 30, -kBig, kBig, "Link"},
    {"LinkFootBackSet", "Link foot behind slot", L, 2, -10, 10, -kBig, kBig, "Link"},
    {"RadiusRodLen", "Radius rod", L, 60, 20, 120, 1e-6, kBig, "Radius rod"},
    {"LiftPointOffset", "Lifting point behind die", L, 0, -20, 20, -kBig, kBig,
     "Radius rod"},
    {"WeighShaftX", "Weigh shaft from axle", L, 58, 0, 150, -kBig, kBig, "Lifting gear"},
    {"WeighShaftY", "Weigh shaft height", L, 32, 0, 60, -kBig, kBig, "Lifting gear"},
    {"LiftArmLen", "Lifting arm", L, 16, 4, 30, 1e-6, kBig, "Lifting gear"},
    {"LiftingLinkLen", "Lifting link", L, 18, 4, 40, 1e-6, kBig, "Lifting gear"},
    {"CombLeverValve", "Valve pin above radius rod pin", L, 3.98077, -10, 10, -kBig, kBig,
     "Combination lever"},
    {"CombLeverUnion", "Union pin below radius rod pin", L, 36, 10, 60, 1e-6, kBig,
     "Combination lever"},
    {"UnionLinkLen", "Union link", L, 14, 4, 30, 1e-6, kBig, "Combination lever"},
    {"ValveSpindleHeight", "Valve spindle above axle", L, 17.71216, -10, 50, -kBig, kBig,
     "Valve"},
    {"ValveRodLen", "Valve pin to valve centre", L, 31, -100, 100, -kBig, kBig, "Valve"},
}};

constexpr std::array<Dimension, 2> kReverserDimensions{{
    {"FullGearAngle", "Full gear lifting arm angle", A, 40, 5, 80, 0, 89, "Reverser"},
    {"NormalGearAngle", "Normal gear lifting arm angle", A, 7, 1, 60, 0, 89, "Reverser"},
}};

constexpr auto kDimensions = JoinDimensions(
    CrankDimensions(26, 120), ReturnCrankDimensions(19.5708, 5.2, 91.59114, 72.21523),
    kOwnDimensions, PortFaceDimensions(165), kAdmissionDimension, kReverserDimensions);
static_assert(kDimensions.size() == kDims);

const std::array<PinInfo, kWalschaertsPins> kPins{{
    {"Axle", true}, {"CrankPin", false}, {"Crosshead", false}, {"CrossheadArm", false},
    {"ReturnCrankPin", false}, {"Trunnion", true}, {"LinkFoot", false},
    {"SlotCentre", false}, {"Die", false}, {"RadiusRodPin", false}, {"ValvePin", false},
    {"UnionPin", false}, {"WeighShaft", true}, {"LiftArmEnd", false}, {"LiftPoint", false},
}};

const std::vector<BodyInfo>& BodyTable() {
    static const std::vector<BodyInfo> bodies{
        {"Frame", BodyRole::Frame, {WAxle, WTrunnion, WWeighShaft}},
        {"Crank", BodyRole::Crank, {WAxle, WCrankPin}},
        {"Return crank", BodyRole::ReturnCrank, {WAxle, WReturnCrankPin, WCrankPin},
         ReturnCrankThrow},
        {"Main rod", BodyRole::MainRod, {WCrankPin, WCrosshead}, MainRodLen},
        {"Crosshead", BodyRole::Crosshead, {WCrosshead, WCrossheadArm}},
        {"Eccentric rod", BodyRole::EccentricRod, {WReturnCrankPin, WLinkFoot}, EccRodLen},
        {"Expansion link", BodyRole::Link, {WTrunnion, WSlotCentre, WLinkFoot}, LinkRadius},
        {"Radius rod", BodyRole::RadiusRod, {WDie, WRadiusRodPin, WLiftPoint}, RadiusRodLen},
        {"Combination lever", BodyRole::Lever, {WRadiusRodPin, WUnionPin, WValvePin},
         CombLeverUnion},
        {"Union link", BodyRole::UnionLink, {WCrossheadArm, WUnionPin}, UnionLinkLen},
        {"Valve spindle", BodyRole::ValveSpindle, {WValvePin}},
        {"Lifting arm", BodyRole::LiftingGear, {WWeighShaft, WLiftArmEnd}, LiftArmLen},
        {"Lifting link", BodyRole::LiftingGear, {WLiftArmEnd, WLiftPoint}, LiftingLinkLen},
    };
    return bodies;
}

const std::array<GuideInfo, 3> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, WCrosshead, -1, ValueAt<CylCLHeight>},
    {"Valve spindle guide", GuideKind::Horizontal, WValvePin, -1, ValueAt<ValveSpindleHeight>},
    {"Link slot", GuideKind::Circle, WDie, WSlotCentre, ValueAt<LinkRadius>},
}};

using Vec4 = Eigen::Vector4d;
using Mat4 = Eigen::Matrix4d;

// The reverser's angle: the lifting arm's from +X, radians.
class WalschaertsSolver final : public KindSolver {
public:
    explicit WalschaertsSolver(const GearDesign& d);

private:
    // The group's unknowns x = (die's angle on the slot from the trunnion, + up; radius
    // rod's direction from +X; the lever's tilt from upright, + top towards the cylinder;
    // the valve pin's X).
    const char* SolveAt(double crankRad, double liftRad, GearPose& out) override;
    bool WalkFrom(const char* failed, double& crankRad, double& liftRad) const override;
    const char* PlaceLink(double crankRad, GearPose& out);
    const char* PlaceGroup(const Vec4& start, GearPose& out, Vec4& x) const;
    void Reference();

    Vec2 footLocal_;     // the link foot from the trunnion, link at its middle place
    Vec2 linkTurn_{1, 0}; // the link's own +X axis: cos, sin of its turn from the middle place
    int footSide_ = 0, liftSide_ = 0, unionSide_ = 0;
    Vec4 ref_ = Vec4::Zero();
    RootTrack<4> track_;
    double refLift_ = 0;
};

WalschaertsSolver::WalschaertsSolver(const GearDesign& d)
    : KindSolver(d, kDims, kWalschaertsPins) {
    if (failed_) return;
    footLocal_ = {-v_[LinkFootBackSet], -v_[LinkFootLen]};
    if (!(footLocal_.norm() > 0)) {
        failed_ = "Expansion link";
        return;
    }
    Reference();
    // Mid gear: the lifting arm angle at which the die's mean place over a turn is at the
    // trunnion.
    if (!failed_) FindMidByDiePlace(refLift_, v_[LinkRadius]);
    if (!failed_) FindSense(v_[Admit] >= 0.5);
}

// The reference assembly: crank on the front dead centre, the link from its eccentric
// rod, the die at the trunnion with the radius rod level towards the cylinder, the lever
// leaning so that the union link lies level from the crosshead arm towards it; the
// lifting arm placed to reach the lifting point from above. Newton then closes the group.
void WalschaertsSolver::Reference() {
    const Vec2 trunnion(v_[TrunnionX], v_[TrunnionY]);
    const Vec2 shaft(v_[WeighShaftX], v_[WeighShaftY]);
    const Vec2 lift = trunnion - v_[LiftPointOffset] * Vec2(1, 0);
    Vec2 end;
    int side = 0;
    if (!HigherMeeting(shaft, v_[LiftArmLen], lift, v_[LiftingLinkLen], end, side)) {
        failed_ = "Lifting link";
        return;
    }
    refLift_ = std::atan2(end.y() - shaft.y(), end.x() - shaft.x());
    const Vec2 rc = OnCrank({0, 0}, v_[ReturnCrankThrow], v_[ReturnCrankAngle] * kRad);
    footSide_ = SideOf(trunnion, rc, trunnion + footLocal_);
    GearPose p;
    if ((failed_ = PlaceLink(0, p))) return;
    // The union link level from the crosshead arm towards the lever.
    const Vec2 rodPin = trunnion + Vec2(v_[RadiusRodLen], 0);
    const Vec2 arm = p.Pin(WCrossheadArm);
    const double towards = rodPin.x() >= arm.x() ? 1 : -1;
    const Vec2 lever = rodPin - (arm + Vec2(towards * v_[UnionLinkLen], 0));
    const double tilt = std::atan2(lever.x(), lever.y());
    ref_ = {0, 0, tilt, rodPin.x() + v_[CombLeverValve] * std::sin(tilt)};
    const Vec2 liftEnd = shaft + v_[LiftArmLen] * Dir(refLift_);
    p.Pins[WLiftArmEnd] = liftEnd;
    Vec4 x;
    if ((failed_ = PlaceGroup(ref_, p, x))) return;
    liftSide_ = SideOf(shaft, liftEnd, p.Pin(WLiftPoint));
    unionSide_ = SideOf(p.Pin(WCrossheadArm), p.Pin(WUnionPin), p.Pin(WRadiusRodPin));
    ref_ = x;
    track_.Reset(x, 0, refLift_);
}

bool WalschaertsSolver::WalkFrom(const char* failed, double& crankRad, double& liftRad) const {
    crankRad = track_.LastCrank(), liftRad = track_.LastSetting();
    return std::string_view(failed) == kGroupName;
}

// Crank and crosshead, return crank, and the link from its eccentric rod (closed forms).
const char* WalschaertsSolver::PlaceLink(double crankRad, GearPose& out) {
    auto& P = out.Pins;
    P[WTrunnion] = {v_[TrunnionX], v_[TrunnionY]};
    P[WWeighShaft] = {v_[WeighShaftX], v_[WeighShaftY]};
    if (const char* f = PlaceCrosshead({WAxle, WCrankPin, WCrosshead}, v_[StrokeLen],
                                       v_[MainRodLen], v_[CylCLHeight], crankRad, out))
        return f;
    P[WCrossheadArm] = P[WCrosshead] + Vec2(v_[CrossheadArmX], -v_[CrossheadArmDrop]);
    P[WReturnCrankPin] =
        OnCrank(P[WAxle], v_[ReturnCrankThrow], crankRad + v_[ReturnCrankAngle] * kRad);
    if (!CircleCircle(P[WTrunnion], footLocal_.norm(), P[WReturnCrankPin], v_[EccRodLen],
                      footSide_, P[WLinkFoot]))
        return "Eccentric rod";
    // The link's turn: the foot's direction now against its direction at the middle place.
    const Vec2 foot = (P[WLinkFoot] - P[WTrunnion]) / footLocal_.norm();
    const Vec2 home = footLocal_ / footLocal_.norm();
    linkTurn_ = {home.dot(foot), Cross(home, foot)};
    P[WSlotCentre] = OnBody(P[WTrunnion], linkTurn_, v_[LinkRadius], 0);
    return nullptr;
}

// Newton on the group, residuals (all lengths):
//   Die + RadiusRodLen e(rod) - (RadiusRodPin = ValvePin - CombLeverValve w(lever)) = 0
//   (|UnionPin - CrossheadArm|^2 - UnionLinkLen^2) / 2 UnionLinkLen = 0
//   (|LiftPoint - LiftArmEnd|^2 - LiftingLinkLen^2) / 2 LiftingLinkLen = 0
// with Die = SlotCentre + R turn(-cos a, sin a), e(g) = (cos g, sin g), w(d) = (sin d,
// cos d), UnionPin = ValvePin - (CombLeverValve + CombLeverUnion) w, LiftPoint = Die -
// LiftPointOffset e.
const char* WalschaertsSolver::PlaceGroup(const Vec4& start, GearPose& out, Vec4& x) const {
    auto& P = out.Pins;
    const double R = v_[LinkRadius], rod = v_[RadiusRodLen], up = v_[CombLeverValve];
    const double low = up + v_[CombLeverUnion], lift = v_[LiftPointOffset];
    const double unionLen = v_[UnionLinkLen], liftLen = v_[LiftingLinkLen];
    const double spindle = v_[ValveSpindleHeight];
    const Vec2 centre = P[WSlotCentre], arm = P[WCrossheadArm], liftEnd = P[WLiftArmEnd];
    const Vec2 turn = linkTurn_;
    auto f = [&](const Vec4& q, Vec4& r, Mat4& J) {
        const double sa = std::sin(q[0]), ca = std::cos(q[0]);
        const Vec2 e = Dir(q[1]), de(-e.y(), e.x());
        const Vec2 w(std::sin(q[2]), std::cos(q[2])), dw(w.y(), -w.x());
        const Vec2 die = OnBody(centre, turn, -R * ca, R * sa);
        const Vec2 dDie = OnBody(Vec2::Zero(), turn, R * sa, R * ca);
        const Vec2 valve(q[3], spindle);
        const Vec2 gap = die + rod * e - valve + up * w;
        const Vec2 un = valve - low * w - arm, lp = die - lift * e - liftEnd;
        r << gap.x(), gap.y(), (un.squaredNorm() - unionLen * unionLen) / (2 * unionLen),
            (lp.squaredNorm() - liftLen * liftLen) / (2 * liftLen);
        const Vec2 gu = un / unionLen, gl = lp / liftLen;
        J << dDie.x(), rod * de.x(), up * dw.x(), -1,
             dDie.y(), rod * de.y(), up * dw.y(), 0,
             0, 0, -low * gu.dot(dw), gu.x(),
             gl.dot(dDie), -lift * gl.dot(de), 0, 0;
    };
    x = start;
    if (!NewtonSolve<4>(f, x, R + rod)) return kGroupName;
    const Vec2 e = Dir(x[1]), w(std::sin(x[2]), std::cos(x[2]));
    P[WDie] = OnBody(centre, turn, -R * std::cos(x[0]), R * std::sin(x[0]));
    P[WValvePin] = {x[3], spindle};
    P[WRadiusRodPin] = P[WValvePin] - up * w;
    P[WUnionPin] = P[WValvePin] - low * w;
    P[WLiftPoint] = P[WDie] - lift * e;
    out.DiePlace = R * x[0];
    out.Valve = x[3] + v_[ValveRodLen] - v_[CylCtrToDriverCtr];
    // The branch of the reference assembly: die on the slot's near half, radius rod
    // towards the cylinder, lever upright, lifting link and union link on their sides.
    const bool same = std::cos(x[0]) > 0 && std::cos(x[1] - ref_[1]) > 0 &&
                      std::cos(x[2] - ref_[2]) > 0 &&
                      (liftSide_ == 0 || liftSide_ == SideOf(P[WWeighShaft], liftEnd,
                                                             P[WLiftPoint])) &&
                      (unionSide_ == 0 || unionSide_ == SideOf(arm, P[WUnionPin],
                                                               P[WRadiusRodPin]));
    return same ? nullptr : kGroupName;
}

const char* WalschaertsSolver::SolveAt(double crankRad, double liftRad, GearPose& out) {
    out.PinCount = kWalschaertsPins;
    if (const char* f = PlaceLink(crankRad, out)) return f;
    out.Pins[WLiftArmEnd] = out.Pin(WWeighShaft) + v_[LiftArmLen] * Dir(liftRad);
    Vec4 x;
    const char* f = PlaceGroup(track_.Guess(crankRad, liftRad), out, x);
    if (f) f = PlaceGroup(ref_, out, x);
    if (f) return f;
    track_.Keep(x, crankRad, liftRad);
    return nullptr;
}

} // namespace

const GearKind& Walschaerts() {
    static const TableKind kind({"walschaerts", "Walschaerts gear",
                                 "Walschaerts gear, 20 x 26 in cylinder, outside admission "
                                 "slide valve",
                                 kDimensions, kPins, BodyTable(), kGuides,
                                 {"Lifting arm from mid gear", UnitKind::Angle, FullGearAngle,
                                  NormalGearAngle},
                                 MakeSolverOf<WalschaertsSolver>});
    return kind;
}

// The same engine with a piston valve: steam between the heads, so the valve pin lies
// below the radius rod pin (the lever then moves the valve with the crosshead), and the
// lifting link holds the radius rod behind the die.
GearDesign WalschaertsInside() {
    GearDesign d = Walschaerts().Sample();
    d.Name = "Walschaerts gear, 20 x 26 in cylinder, inside admission piston valve";
    auto set = [&d](Dim i, double v) { d.Values[std::size_t(i)] = v; };
    set(Admit, 1);
    set(CombLeverValve, -3.98077);
    set(ValveSpindleHeight, 10.28784);
    set(LiftPointOffset, 8);
    set(WeighShaftX, 50);
    // Piston valve: steam lap on the inner edges (1.25 in), exhaust line and line.
    set(ValveExhCavityFront, 1.75);
    set(ValveExhCavityRear, 1.75);
    set(ValveLenFront, 4.75);
    set(ValveLenRear, 4.75);
    return d;
}

} // namespace vt::gears
