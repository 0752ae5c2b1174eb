// Baker gear on the exact engine; see Baker.h.
//
// Source of the geometry and of the sample's layout: the gear's description in "The
// Locomotive Cyclopedia of American Practice" (Simmons-Boardman, 1922 and later editions,
// section "Valve gears", the Baker gear) and the Pilliod Company's instruction book "The
// Baker Locomotive Valve Gear"; the gear is A. D. Baker's (U.S. patents of 1903-1911,
// developed with the Pilliod brothers). Its rules, as those books give them:
//  - the combination lever's part at a dead centre is lap + lead, whatever the notch, as
//    in Walschaerts gear; the return crank drives the rest through the bell crank;
//  - the radius bars are as long as the yoke's arm, and at both dead centres their pin on
//    the gear connecting rod stands on the yoke's shaft: then tilting the yoke does not
//    move the gear there, and the lead is the same in every notch;
//  - the return crank stands at right angles to the line from the axle to the gear
//    connecting rod's foot at the dead centres (a quarter turn, corrected for its slope);
//  - in mid gear the radius bars hang so that the foot's to-and-fro motion carries the
//    gear connecting rod along without turning the bell crank.
//
// Two groups are solved by Newton, each in two unknowns: the gear connecting rod with the
// eccentric rod, radius bars and bell crank; then the combination lever with the valve rod
// and the union link. Mid gear: the yoke's tilt at which the valve's motion has no part a
// quarter turn from the crank's (MidGearRule.h).
#include "gears/kinds/Baker.h"

#include "gears/KindSolver.h"
#include "gears/Newton.h"
#include "gears/TableKind.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

namespace vt::gears {

namespace {

constexpr const char* kRodGroup = "Gear connecting rod";
constexpr const char* kLeverGroup = "Combination lever";

enum Dim : int {
    StrokeLen, MainRodLen, CylCLHeight, CrossheadArmX, CrossheadArmDrop, ReturnCrankThrow,
    ReturnCrankAngle, EccRodLen, GearRodLen, RadiusBarPinUp, YokeShaftX, YokeShaftY,
    YokeArmLen, RadiusBarLen, BellCrankX, BellCrankY, BellCrankTopArm, BellCrankDropArm,
    ValveRodLen, CombLeverValve, CombLeverUnion, UnionLinkLen, ValveSpindleHeight,
    ValveStemLen, CylCtrToDriverCtr, ExhPortWidth, BridgeWidthFront, BridgeWidthRear,
    SteamPortWidthFront, SteamPortWidthRear, ValveLenFront, ValveLenRear,
    ValveExhCavityFront, ValveExhCavityRear, Admit, FullGearAngle, NormalGearAngle, kDims
};

constexpr UnitKind L = UnitKind::Length;
constexpr UnitKind A = UnitKind::Angle;

// The sample: a 20 x 26 in cylinder, a slide valve with 1.25 in lap and 3/16 in lead, the
// crosshead, union link and combination lever of the Walschaerts sample (its lever pin at
// 134 in ahead of the axle, 14 in up, at both dead centres). At the dead centres the gear
// connecting rod stands upright over its foot at (74, -2), its radius bar pin on the yoke's
// shaft at (74, 14) and its top at (74, 30), level with the bell crank's pivot 8 in ahead;
// the 16 in drop arm's end is then at (82, 14), the valve rod level to the lever pin. The
// return crank leads by 90 + atan(2 / 74) = 91.54816 degrees and the eccentric rod is
// sqrt(74^2 + 2^2 + 5.2^2) = 74.20943.
// name, caption, unit, default, sensible low/high, hard low/high, group
constexpr std::array<Dimension, 16> kOwnDimensions{{
    {"GearRodLen", "Gear connecting rod, foot to top", L, 32, 10, 60, 1e-6, kBig,
     "Gear connecting rod"},
    {"RadiusBarPinUp", "Radius bar pin above foot", L, 16, 2, 50, -kBig, kBig,
     "Gear connecting rod"},
    {"YokeShaftX", "Reverse yoke shaft from axle", L, 74, 30, 150, -kBig, kBig,
     "Reverse yoke"},
    {"YokeShaftY", "Reverse yoke shaft height", L, 14, -20, 50, -kBig, kBig,
     "Reverse yoke"},
    {"YokeArmLen", "Reverse yoke arm", L, 12, 4, 30, 1e-6, kBig, "Reverse yoke"},
    {"RadiusBarLen", "Radius bars", L, 12, 4, 30, 1e-6, kBig, "Reverse yoke"},
    {"BellCrankX", "Bell crank pivot from axle", L, 82, 30, 160, -kBig, kBig, "Bell crank"},
    {"BellCrankY", "Bell crank pivot height", L, 30, -20, 60, -kBig, kBig, "Bell crank"},
    {"BellCrankTopArm", "Bell crank arm to gear rod top", L, 8, 4, 30, 1e-6, kBig,
     "Bell crank"},
    {"BellCrankDropArm", "Bell crank drop arm", L, 16, 4, 30, 1e-6, kBig, "Bell crank"},
    {"ValveRodLen", "Valve rod, bell crank to lever", L, 52, 10, 100, 1e-6, kBig,
     "Combination lever"},
    {"CombLeverValve", "Valve pin above lever pin", L, 3.98077, -10, 10, -kBig, kBig,
     "Combination lever"},
    {"CombLeverUnion", "Union pin below lever pin", L, 36, 10, 60, 1e-6, kBig,
     "Combination lever"},
    {"UnionLinkLen", "Union link", L, 14, 4, 30, 1e-6, kBig, "Combination lever"},
    {"ValveSpindleHeight", "Valve spindle above axle", L, 17.71216, -10, 50, -kBig, kBig,
     "Valve"},
    {"ValveStemLen", "Valve pin to valve centre", L, 31, -100, 100, -kBig, kBig, "Valve"},
}};

constexpr std::array<Dimension, 2> kReverserDimensions{{
    {"FullGearAngle", "Full gear yoke tilt", A, 30, 5, 60, 0, 80, "Reverser"},
    {"NormalGearAngle", "Normal gear yoke tilt", A, 6, 1, 40, 0, 80, "Reverser"},
}};

constexpr auto kDimensions = JoinDimensions(
    CrankDimensions(26, 120), ReturnCrankDimensions(19.5708, 5.2, 91.54816, 74.20943),
    kOwnDimensions, PortFaceDimensions(165), kAdmissionDimension, kReverserDimensions);
static_assert(kDimensions.size() == kDims);

const std::array<PinInfo, kBakerPins> kPins{{
    {"Axle", true}, {"CrankPin", false}, {"Crosshead", false}, {"CrossheadArm", false},
    {"ReturnCrankPin", false}, {"GearRodFoot", false}, {"RadiusBarPin", false},
    {"GearRodTop", false}, {"YokeShaft", true}, {"YokePin", false},
    {"BellCrankPivot", true}, {"BellCrankDrop", false}, {"LeverPin", false},
    {"ValvePin", false}, {"UnionPin", false},
}};

const std::vector<BodyInfo>& BodyTable() {
    static const std::vector<BodyInfo> bodies{
        {"Frame", BodyRole::Frame, {BAxle, BYokeShaft, BBellCrankPivot}},
        {"Crank", BodyRole::Crank, {BAxle, BCrankPin}},
        {"Return crank", BodyRole::ReturnCrank, {BAxle, BReturnCrankPin, BCrankPin},
         ReturnCrankThrow},
        {"Main rod", BodyRole::MainRod, {BCrankPin, BCrosshead}, MainRodLen},
        {"Crosshead", BodyRole::Crosshead, {BCrosshead, BCrossheadArm}},
        {"Eccentric rod", BodyRole::EccentricRod, {BReturnCrankPin, BGearRodFoot}, EccRodLen},
        {"Gear connecting rod", BodyRole::Link, {BGearRodFoot, BGearRodTop, BRadiusBarPin},
         GearRodLen},
        {"Reverse yoke", BodyRole::LiftingGear, {BYokeShaft, BYokePin}, YokeArmLen},
        {"Radius bars", BodyRole::RadiusRod, {BYokePin, BRadiusBarPin}, RadiusBarLen},
        {"Bell crank", BodyRole::Rocker, {BBellCrankPivot, BGearRodTop, BBellCrankDrop},
         BellCrankTopArm},
        {"Valve rod", BodyRole::ValveRod, {BBellCrankDrop, BLeverPin}, ValveRodLen},
        {"Combination lever", BodyRole::Lever, {BLeverPin, BUnionPin, BValvePin},
         CombLeverUnion},
        {"Union link", BodyRole::UnionLink, {BCrossheadArm, BUnionPin}, UnionLinkLen},
        {"Valve spindle", BodyRole::ValveSpindle, {BValvePin}},
    };
    return bodies;
}

const std::array<GuideInfo, 2> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, BCrosshead, -1, ValueAt<CylCLHeight>},
    {"Valve spindle guide", GuideKind::Horizontal, BValvePin, -1, ValueAt<ValveSpindleHeight>},
}};

using Vec = Eigen::Vector2d;
using Mat = Eigen::Matrix2d;

// The reverser's angle: the yoke arm's direction from +X, radians.
class BakerSolver final : public KindSolver {
public:
    explicit BakerSolver(const GearDesign& d);

private:
    const char* SolveAt(double crankRad, double yokeRad, GearPose& out) override;
    bool WalkFrom(const char* failed, double& crankRad, double& yokeRad) const override;
    const char* PlaceCrank(double crankRad, double yokeRad, GearPose& out) const;
    // Unknowns (the bell crank's turn from its first place, anticlockwise; the gear
    // connecting rod's direction from foot to top, from +X).
    const char* PlaceRod(const Vec& start, GearPose& out, Vec& x) const;
    // Unknowns (the lever's tilt from upright, + top towards the cylinder; valve pin's X).
    const char* PlaceLever(const Vec& start, GearPose& out, Vec& x) const;
    void Reference();

    Vec refRod_ = Vec::Zero(), refLever_ = Vec::Zero();
    RootTrack<2> rodTrack_, leverTrack_;
    int unionSide_ = 0;
};

BakerSolver::BakerSolver(const GearDesign& d) : KindSolver(d, kDims, kBakerPins) {
    if (failed_) return;
    Reference();
    if (failed_) return;
    FindMidByQuarterTurn(std::numbers::pi / 2, v_[GearRodLen], kRodGroup);
    if (!failed_) FindSense(v_[Admit] >= 0.5);
}

// The reference assembly: crank on the front dead centre, yoke upright, bell crank's top
// arm level towards the rear, the gear connecting rod upright; the union link level from
// the crosshead arm towards the lever, the valve rod level.
void BakerSolver::Reference() {
    GearPose p;
    if ((failed_ = PlaceCrank(0, std::numbers::pi / 2, p))) return;
    Vec x;
    refRod_ = {0, std::numbers::pi / 2};
    if ((failed_ = PlaceRod(refRod_, p, x))) return;
    refRod_ = x;
    const Vec2 drop = p.Pin(BBellCrankDrop), arm = p.Pin(BCrossheadArm);
    const Vec2 leverPin = drop + Vec2(v_[ValveRodLen], 0);
    const double towards = leverPin.x() >= arm.x() ? 1 : -1;
    const Vec2 lever = leverPin - (arm + Vec2(towards * v_[UnionLinkLen], 0));
    const double tilt = std::atan2(lever.x(), lever.y());
    refLever_ = {tilt, leverPin.x() + v_[CombLeverValve] * std::sin(tilt)};
    if ((failed_ = PlaceLever(refLever_, p, x))) return;
    refLever_ = x;
    unionSide_ = SideOf(arm, p.Pin(BUnionPin), p.Pin(BLeverPin));
    rodTrack_.Reset(refRod_, 0, std::numbers::pi / 2);
    leverTrack_.Reset(refLever_, 0, std::numbers::pi / 2);
}

bool BakerSolver::WalkFrom(const char* failed, double& crankRad, double& yokeRad) const {
    crankRad = rodTrack_.LastCrank(), yokeRad = rodTrack_.LastSetting();
    return std::string_view(failed) != "Main rod";
}

// Crank, crosshead, return crank and yoke (closed forms).
const char* BakerSolver::PlaceCrank(double crankRad, double yokeRad, GearPose& out) const {
    auto& P = out.Pins;
    out.PinCount = kBakerPins;
    P[BYokeShaft] = {v_[YokeShaftX], v_[YokeShaftY]};
    P[BBellCrankPivot] = {v_[BellCrankX], v_[BellCrankY]};
    P[BReturnCrankPin] =
        OnCrank({0, 0}, v_[ReturnCrankThrow], crankRad + v_[ReturnCrankAngle] * kRad);
    P[BYokePin] = P[BYokeShaft] + v_[YokeArmLen] * Dir(yokeRad);
    if (const char* f = PlaceCrosshead({BAxle, BCrankPin, BCrosshead}, v_[StrokeLen],
                                       v_[MainRodLen], v_[CylCLHeight], crankRad, out))
        return f;
    P[BCrossheadArm] = P[BCrosshead] + Vec2(v_[CrossheadArmX], -v_[CrossheadArmDrop]);
    return nullptr;
}

// Newton on the gear connecting rod, residuals (lengths):
//   (|Foot - ReturnCrankPin|^2 - EccRodLen^2) / 2 EccRodLen = 0
//   (|RadiusBarPin - YokePin|^2 - RadiusBarLen^2) / 2 RadiusBarLen = 0
// with Top = Pivot - TopArm (cos f, sin f), Foot = Top - GearRodLen u(b), RadiusBarPin =
// Foot + RadiusBarPinUp u(b), u(b) = (cos b, sin b).
const char* BakerSolver::PlaceRod(const Vec& start, GearPose& out, Vec& x) const {
    auto& P = out.Pins;
    const Vec2 pivot = P[BBellCrankPivot], rc = P[BReturnCrankPin], yoke = P[BYokePin];
    const double top = v_[BellCrankTopArm], len = v_[GearRodLen];
    const double bar = len - v_[RadiusBarPinUp], ecc = v_[EccRodLen], rad = v_[RadiusBarLen];
    auto f = [&](const Vec& q, Vec& r, Mat& J) {
        const Vec2 c = pivot - top * Dir(q[0]), dc = top * Vec2(std::sin(q[0]), -std::cos(q[0]));
        const Vec2 u = Dir(q[1]), du(-u.y(), u.x());
        const Vec2 foot = c - len * u, bp = c - bar * u;
        const Vec2 ge = (foot - rc) / ecc, gr = (bp - yoke) / rad;
        r << ((foot - rc).squaredNorm() - ecc * ecc) / (2 * ecc),
            ((bp - yoke).squaredNorm() - rad * rad) / (2 * rad);
        J << ge.dot(dc), -len * ge.dot(du), gr.dot(dc), -bar * gr.dot(du);
    };
    x = start;
    if (!NewtonSolve<2>(f, x, len + ecc)) return kRodGroup;
    const Vec2 u = Dir(x[1]);
    P[BGearRodTop] = pivot - top * Dir(x[0]);
    P[BGearRodFoot] = P[BGearRodTop] - len * u;
    P[BRadiusBarPin] = P[BGearRodTop] - bar * u;
    P[BBellCrankDrop] = pivot + v_[BellCrankDropArm] * Vec2(std::sin(x[0]), -std::cos(x[0]));
    out.DiePlace = 0;
    // The branch of the reference assembly: bell crank and rod within a quarter turn of it.
    const bool same = std::cos(x[0] - refRod_[0]) > 0 && std::cos(x[1] - refRod_[1]) > 0;
    return same ? nullptr : kRodGroup;
}

// Newton on the combination lever, residuals (lengths):
//   (|LeverPin - BellCrankDrop|^2 - ValveRodLen^2) / 2 ValveRodLen = 0
//   (|UnionPin - CrossheadArm|^2 - UnionLinkLen^2) / 2 UnionLinkLen = 0
// with ValvePin = (x, ValveSpindleHeight), LeverPin = ValvePin - CombLeverValve w(t),
// UnionPin = ValvePin - (CombLeverValve + CombLeverUnion) w(t), w(t) = (sin t, cos t).
const char* BakerSolver::PlaceLever(const Vec& start, GearPose& out, Vec& x) const {
    auto& P = out.Pins;
    const Vec2 drop = P[BBellCrankDrop], arm = P[BCrossheadArm];
    const double up = v_[CombLeverValve], low = up + v_[CombLeverUnion];
    const double rod = v_[ValveRodLen], link = v_[UnionLinkLen];
    const double spindle = v_[ValveSpindleHeight];
    auto f = [&](const Vec& q, Vec& r, Mat& J) {
        const Vec2 w(std::sin(q[0]), std::cos(q[0])), dw(w.y(), -w.x());
        const Vec2 valve(q[1], spindle);
        const Vec2 lp = valve - up * w - drop, un = valve - low * w - arm;
        r << (lp.squaredNorm() - rod * rod) / (2 * rod),
            (un.squaredNorm() - link * link) / (2 * link);
        J << -up * (lp / rod).dot(dw), lp.x() / rod, -low * (un / link).dot(dw), un.x() / link;
    };
    x = start;
    if (!NewtonSolve<2>(f, x, rod + low)) return kLeverGroup;
    const Vec2 w(std::sin(x[0]), std::cos(x[0]));
    P[BValvePin] = {x[1], spindle};
    P[BLeverPin] = P[BValvePin] - up * w;
    P[BUnionPin] = P[BValvePin] - low * w;
    out.Valve = x[1] + v_[ValveStemLen] - v_[CylCtrToDriverCtr];
    const bool same = std::cos(x[0] - refLever_[0]) > 0 &&
                      (unionSide_ == 0 ||
                       unionSide_ == SideOf(arm, P[BUnionPin], P[BLeverPin]));
    return same ? nullptr : kLeverGroup;
}

const char* BakerSolver::SolveAt(double crankRad, double yokeRad, GearPose& out) {
    if (const char* f = PlaceCrank(crankRad, yokeRad, out)) return f;
    Vec rod, lever;
    const char* f = PlaceRod(rodTrack_.Guess(crankRad, yokeRad), out, rod);
    if (f) f = PlaceRod(refRod_, out, rod);
    if (f) return f;
    f = PlaceLever(leverTrack_.Guess(crankRad, yokeRad), out, lever);
    if (f) f = PlaceLever(refLever_, out, lever);
    if (f) return f;
    rodTrack_.Keep(rod, crankRad, yokeRad);
    leverTrack_.Keep(lever, crankRad, yokeRad);
    return nullptr;
}

} // namespace

const GearKind& Baker() {
    static const TableKind kind({"baker", "Baker gear",
                                 "Baker gear, 20 x 26 in cylinder, outside admission slide valve",
                                 kDimensions, kPins, BodyTable(), kGuides,
                                 {"Reverse yoke tilt from mid gear", UnitKind::Angle,
                                  FullGearAngle, NormalGearAngle},
                                 MakeSolverOf<BakerSolver>});
    return kind;
}

} // namespace vt::gears
