// Gooch's stationary-link gear on the exact engine; see Gooch.h.
//
// Source of the geometry and of the sample's layout: D. Gooch's link motion (Great Western
// Railway, 1843) as the valve gear textbooks describe it, e.g. W. S. Auchincloss, "Link
// and Valve Motions Simplified" (1869), and G. Zeuner, "Treatise on Valve-Gears" (trans.
// 1868):
//  - the link does not rise or fall: it swings on a fixed swing link at its middle, the
//    eccentric rods always working at one height; the radius rod's end is moved in it;
//  - the slot is curved about the radius rod's valve end, its radius the radius rod's
//    length and its concave side towards the valve, so that at the dead centres (where the
//    link stands at its middle place) moving the die does not move the valve: the lead is
//    the same in every notch;
//  - each eccentric leads or trails the crank by a quarter turn and the angle of advance,
//    set so that the link's swing at the dead centres is lap + lead; the rods open (not
//    crossed at the front dead centre).
// The link on its three rods (the two eccentric rods and the swing link) is one Newton
// solve in three unknowns; the die (slot and lifting link) and the valve pin are closed
// forms.
#include "gears/kinds/Gooch.h"

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

enum Dim : int {
    StrokeLen, MainRodLen, CylCLHeight, EccThrow, EccAdvance, EccRodLen, LinkHalfLen,
    LinkRodBackSet, LinkRadius, LinkSuspBackSet, HangerX, HangerY, SwingLinkLen,
    RadiusRodLen, ValveSpindleHeight, ValveRodLen, WeighShaftX, WeighShaftY, LiftArmLen,
    LiftingLinkLen, CylCtrToDriverCtr, ExhPortWidth, BridgeWidthFront, BridgeWidthRear,
    SteamPortWidthFront, SteamPortWidthRear, ValveLenFront, ValveLenRear,
    ValveExhCavityFront, ValveExhCavityRear, FullGearAngle, NormalGearAngle, kDims
};

constexpr UnitKind L = UnitKind::Length;
constexpr UnitKind A = UnitKind::Angle;

// The sample: a 24 in stroke, 3.5 in eccentrics advanced so that the link swings 1.4375
// either way at the dead centres (1.25 in lap, 3/16 in lead; 30.78 degrees, more than
// asin(1.4375 / 3.5) for the rods' angularity, which differs at the two), 60 in rods, a
// 14 in link whose middle works at the axle's height (so the link stands upright at both
// dead centres), its slot struck at the 48 in radius rod. The swing link hangs from the
// rod pins' mean place over the dead centres; the valve rod centres the valve between
// them, so the leads are equal.
// name, caption, unit, default, sensible low/high, hard low/high, group
constexpr std::array<Dimension, 17> kOwnDimensions{{
    {"EccThrow", "Eccentric throw", L, 3.5, 1, 10, 1e-6, kBig, "Eccentrics"},
    {"EccAdvance", "Eccentric angle of advance", A, 30.78148, 0, 45, -90, 90, "Eccentrics"},
    {"EccRodLen", "Eccentric rods", L, 60, 20, 120, 1e-6, kBig, "Eccentrics"},
    {"LinkHalfLen", "Rod pins from slot middle", L, 7, 2, 20, 1e-6, kBig, "Link"},
    {"LinkRodBackSet", "Rod pins behind slot", L, 1.5, -5, 5, -kBig, kBig, "Link"},
    {"LinkRadius", "Slot radius", L, 48, 10, 120, 1e-6, kBig, "Link"},
    {"LinkSuspBackSet", "Swing link pin behind slot", L, 1.5, -5, 5, -kBig, kBig, "Link"},
    {"HangerX", "Swing link hanger from axle", L, 59.51330, 10, 150, -kBig, kBig, "Link"},
    {"HangerY", "Swing link hanger height", L, 24, -60, 60, -kBig, kBig, "Link"},
    {"SwingLinkLen", "Swing link", L, 24, 4, 60, 1e-6, kBig, "Link"},
    {"RadiusRodLen", "Radius rod", L, 48, 10, 120, 1e-6, kBig, "Radius rod"},
    {"ValveSpindleHeight", "Valve spindle above axle", L, 0, -30, 50, -kBig, kBig,
     "Radius rod"},
    {"ValveRodLen", "Valve pin to valve centre", L, 30, -100, 100, -kBig, kBig,
     "Radius rod"},
    {"WeighShaftX", "Weigh shaft from axle", L, 75, 0, 150, -kBig, kBig, "Lifting gear"},
    {"WeighShaftY", "Weigh shaft height", L, 20, -20, 60, -kBig, kBig, "Lifting gear"},
    {"LiftArmLen", "Lifting arm", L, 12, 4, 30, 1e-6, kBig, "Lifting gear"},
    {"LiftingLinkLen", "Lifting link", L, 20, 4, 40, 1e-6, kBig, "Lifting gear"},
}};

constexpr std::array<Dimension, 2> kReverserDimensions{{
    {"FullGearAngle", "Full gear lifting arm angle", A, 28, 5, 80, 0, 89, "Reverser"},
    {"NormalGearAngle", "Normal gear lifting arm angle", A, 8, 1, 60, 0, 89, "Reverser"},
}};

constexpr auto kDimensions = JoinDimensions(CrankDimensions(24, 90), kOwnDimensions,
                                            PortFaceDimensions(139.01330), kReverserDimensions);
static_assert(kDimensions.size() == kDims);

const std::array<PinInfo, kGoochPins> kPins{{
    {"Axle", true}, {"CrankPin", false}, {"Crosshead", false}, {"FwdEccCentre", false},
    {"BackEccCentre", false}, {"FwdRodPin", false}, {"BackRodPin", false},
    {"LinkMiddle", false}, {"SlotCentre", false}, {"LinkSuspPin", false},
    {"LinkHanger", true}, {"Die", false}, {"ValvePin", false}, {"WeighShaft", true},
    {"LiftArmEnd", false},
}};

const std::vector<BodyInfo>& BodyTable() {
    static const std::vector<BodyInfo> bodies{
        {"Frame", BodyRole::Frame, {GAxle, GLinkHanger, GWeighShaft}},
        {"Crank", BodyRole::Crank, {GAxle, GCrankPin, GFwdEccCentre, GBackEccCentre}},
        {"Main rod", BodyRole::MainRod, {GCrankPin, GCrosshead}, MainRodLen},
        {"Forward eccentric rod", BodyRole::EccentricRod, {GFwdEccCentre, GFwdRodPin},
         EccRodLen},
        {"Backward eccentric rod", BodyRole::EccentricRod, {GBackEccCentre, GBackRodPin},
         EccRodLen},
        {"Link", BodyRole::Link,
         {GFwdRodPin, GBackRodPin, GLinkMiddle, GSlotCentre, GLinkSuspPin}},
        {"Swing link", BodyRole::LiftingGear, {GLinkHanger, GLinkSuspPin}, SwingLinkLen},
        {"Radius rod", BodyRole::RadiusRod, {GDie, GValvePin}, RadiusRodLen},
        {"Lifting arm", BodyRole::LiftingGear, {GWeighShaft, GLiftArmEnd}, LiftArmLen},
        {"Lifting link", BodyRole::LiftingGear, {GLiftArmEnd, GDie}, LiftingLinkLen},
    };
    return bodies;
}

const std::array<GuideInfo, 3> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, GCrosshead, -1, ValueAt<CylCLHeight>},
    {"Valve spindle guide", GuideKind::Horizontal, GValvePin, -1, ValueAt<ValveSpindleHeight>},
    {"Link slot", GuideKind::Circle, GDie, GSlotCentre, ValueAt<LinkRadius>},
}};

// The reverser's angle: the lifting arm's from +X, radians.
class GoochSolver final : public KindSolver {
public:
    explicit GoochSolver(const GearDesign& d);

private:
    const char* SolveAt(double crankRad, double liftRad, GearPose& out) override;
    bool WalkFrom(const char*, double& crankRad, double& liftRad) const override;
    const char* PlaceLink(double crankRad, double liftRad, GearPose& out);
    const char* PlaceDieAndValve(GearPose& out) const;
    void Reference();

    LinkPoint fwd_{}, back_{}, centre_{}, susp_{};
    RootTrack<3> track_;
    LinkVec ref_ = LinkVec::Zero();
    int swingSide_ = 0, dieSide_ = 0;
    double refLift_ = 0;
    bool linkFailed_ = false; // the last SolveAt failed at the link's Newton solve
};

GoochSolver::GoochSolver(const GearDesign& d) : KindSolver(d, kDims, kGoochPins) {
    if (failed_) return;
    fwd_ = {-v_[LinkHalfLen], -v_[LinkRodBackSet]};
    back_ = {v_[LinkHalfLen], -v_[LinkRodBackSet]};
    centre_ = {0, v_[LinkRadius]};
    susp_ = {0, -v_[LinkSuspBackSet]};
    Reference();
    // Mid gear: the lifting arm angle at which the die's mean place over a turn is at the
    // slot's middle.
    if (!failed_) FindMidByDiePlace(refLift_, v_[LinkRadius]);
    if (!failed_) FindSense();
}

// The reference assembly: crank on the front dead centre, the link upright with its swing
// link's pin below the hanger, the die at the slot's middle held from above by the
// lifting arm.
void GoochSolver::Reference() {
    const Vec2 hanger(v_[HangerX], v_[HangerY]);
    const Vec2 middle = hanger + Vec2(v_[LinkSuspBackSet], -v_[SwingLinkLen]);
    const Vec2 shaft(v_[WeighShaftX], v_[WeighShaftY]);
    Vec2 end;
    int side = 0;
    if (!HigherMeeting(shaft, v_[LiftArmLen], middle, v_[LiftingLinkLen], end, side)) {
        failed_ = "Lifting link";
        return;
    }
    refLift_ = std::atan2(end.y() - shaft.y(), end.x() - shaft.x());
    ref_ = {middle.x(), middle.y(), 0};
    track_.Reset(ref_, 0, refLift_);
    swingSide_ = SideOf(hanger, susp_.At(ref_), centre_.At(ref_));
    dieSide_ = SideOf(centre_.At(ref_), end, middle);
    GearPose p;
    if ((failed_ = SolveAt(0, refLift_, p))) return;
    ref_ = track_.Last();
    dieSide_ = SideOf(p.Pin(GSlotCentre), p.Pin(GLiftArmEnd), p.Pin(GLinkMiddle));
}

bool GoochSolver::WalkFrom(const char*, double& crankRad, double& liftRad) const {
    crankRad = track_.LastCrank(), liftRad = track_.LastSetting();
    return linkFailed_;
}

const char* GoochSolver::SolveAt(double crankRad, double liftRad, GearPose& out) {
    out.PinCount = kGoochPins;
    auto& P = out.Pins;
    P[GLinkHanger] = {v_[HangerX], v_[HangerY]};
    P[GWeighShaft] = {v_[WeighShaftX], v_[WeighShaftY]};
    if (const char* f = PlaceCrosshead({GAxle, GCrankPin, GCrosshead}, v_[StrokeLen],
                                       v_[MainRodLen], v_[CylCLHeight], crankRad, out))
        return f;
    const double quarter = std::numbers::pi / 2 + v_[EccAdvance] * kRad;
    P[GFwdEccCentre] = OnCrank(P[GAxle], v_[EccThrow], crankRad + quarter);
    P[GBackEccCentre] = OnCrank(P[GAxle], v_[EccThrow], crankRad - quarter);
    P[GLiftArmEnd] = P[GWeighShaft] + v_[LiftArmLen] * Dir(liftRad);
    linkFailed_ = false;
    if (const char* f = PlaceLink(crankRad, liftRad, out)) {
        linkFailed_ = true;
        return f;
    }
    return PlaceDieAndValve(out);
}

// The link on its eccentric rods and swing link, from the prediction, else from the
// reference assembly. Its branch: upright, the rod pins ahead of their eccentrics, the
// swing link on its side.
const char* GoochSolver::PlaceLink(double crankRad, double liftRad, GearPose& out) {
    auto& P = out.Pins;
    const std::array<LinkRod, 3> rods{{{fwd_, P[GFwdEccCentre], v_[EccRodLen]},
                                       {back_, P[GBackEccCentre], v_[EccRodLen]},
                                       {susp_, P[GLinkHanger], v_[SwingLinkLen]}}};
    LinkVec x;
    if (!PlaceLinkOnRods(rods, v_[EccRodLen] + v_[LinkRadius], track_.Guess(crankRad, liftRad),
                         ref_, x))
        return kLinkName;
    P[GFwdRodPin] = fwd_.At(x);
    P[GBackRodPin] = back_.At(x);
    P[GLinkMiddle] = {x[0], x[1]};
    P[GSlotCentre] = centre_.At(x);
    P[GLinkSuspPin] = susp_.At(x);
    const bool same = std::cos(x[2]) > 0 && P[GFwdRodPin].x() > P[GFwdEccCentre].x() &&
                      P[GBackRodPin].x() > P[GBackEccCentre].x() &&
                      SideOf(P[GLinkHanger], P[GLinkSuspPin], P[GSlotCentre]) == swingSide_;
    if (!same) return kLinkName;
    track_.Keep(x, crankRad, liftRad);
    return nullptr;
}

// The die where the lifting link meets the slot; the radius rod on to the valve spindle.
const char* GoochSolver::PlaceDieAndValve(GearPose& out) const {
    auto& P = out.Pins;
    const Vec2 centre = P[GSlotCentre];
    if (!CircleCircle(centre, v_[LinkRadius], P[GLiftArmEnd], v_[LiftingLinkLen], dieSide_,
                      P[GDie]))
        return "Lifting link";
    const Vec2 die = P[GDie] - centre, mid = P[GLinkMiddle] - centre;
    out.DiePlace = v_[LinkRadius] * std::atan2(Cross(die, mid), die.dot(mid));
    return PlaceValvePin({GDie, GValvePin, v_[RadiusRodLen], v_[ValveSpindleHeight],
                          v_[ValveRodLen], v_[CylCtrToDriverCtr], "Radius rod"},
                         out);
}

} // namespace

const GearKind& Gooch() {
    static const TableKind kind({"gooch", "Gooch stationary-link gear",
                                 "Gooch stationary-link gear, 24 in stroke, slide valve",
                                 kDimensions, kPins, BodyTable(), kGuides,
                                 {"Lifting arm from mid gear", UnitKind::Angle, FullGearAngle,
                                  NormalGearAngle},
                                 MakeSolverOf<GoochSolver>});
    return kind;
}

} // namespace vt::gears
