// Joy's gear on the exact engine; see Joy.h.
//
// Source of the geometry and of the sample's layout: David Joy's valve gear (his patent of
// 1879), as the locomotive engineering textbooks describe it. Its rules:
//  - the motion is taken from the main rod: its to-and-fro part, in phase with the
//    piston, gives lap and lead through the lever; its up-and-down part, a quarter turn
//    from the crank's, moves the die along the inclined slide, which turns the lever about
//    its lower end by an amount the inclination sets;
//  - the trunnion stands where the die is at both dead centres: then inclining the slide
//    does not move the die there, and the lead is the same in every notch;
//  - the slide is curved to the valve rod's length, on the valve's side.
// Every body is a closed form (dyads): the crank and main rod, the jack link on the anchor
// link, the die where the lever's lower part meets the slide, the valve rod on the spindle.
// Mid gear: the slide's inclination at which the valve's motion has no part a quarter turn
// from the crank's (MidGearRule.h).
#include "gears/kinds/Joy.h"

#include "gears/KindSolver.h"
#include "gears/TableKind.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vt::gears {

namespace {

constexpr const char* kMainRod = "Main rod";
constexpr const char* kJackLink = "Jack link";

enum Dim : int {
    StrokeLen, MainRodLen, CylCLHeight, RodPinFromCrank, JackLinkLen, JackToLever, AnchorX,
    AnchorY, AnchorLinkLen, LeverLowerLen, LeverUpperLen, TrunnionX, TrunnionY,
    SlideRadius, ValveRodLen, ValveSpindleHeight, ValveStemLen, CylCtrToDriverCtr,
    ExhPortWidth, BridgeWidthFront, BridgeWidthRear, SteamPortWidthFront,
    SteamPortWidthRear, ValveLenFront, ValveLenRear, ValveExhCavityFront, ValveExhCavityRear,
    FullGearAngle, NormalGearAngle, kDims
};

constexpr UnitKind L = UnitKind::Length;
constexpr UnitKind A = UnitKind::Angle;

// The sample: a 24 in stroke and 90 in main rod, the jack link pinned at its middle and
// hanging 24 in to a 30 in anchor link ahead; the lever 8 in down the jack link. At the
// dead centres the lever pin stands at (53.054, -6.959) and (37.062, -6.892); the trunnion
// is 28 in (the lever's lower part) from both, so the die is on it there. The upper part,
// 5.03353 in, gives a swing of 1.4375 in either way at the dead centres (1.25 in lap,
// 3/16 in lead); the valve spindle is level with the lever top's mean place there, and
// the stem centres the valve between them, so the leads are equal.
// name, caption, unit, default, sensible low/high, hard low/high, group
constexpr std::array<Dimension, 14> kOwnDimensions{{
    {"RodPinFromCrank", "Jack link pin from crank pin", L, 45, 5, 150, -kBig, kBig,
     "Jack link"},
    {"JackLinkLen", "Jack link", L, 24, 5, 60, 1e-6, kBig, "Jack link"},
    {"JackToLever", "Lever pin down jack link", L, 8, 0, 60, -kBig, kBig, "Jack link"},
    {"AnchorX", "Anchor link pivot from axle", L, 75, 0, 200, -kBig, kBig, "Jack link"},
    {"AnchorY", "Anchor link pivot height", L, -24, -60, 30, -kBig, kBig, "Jack link"},
    {"AnchorLinkLen", "Anchor link", L, 30, 5, 80, 1e-6, kBig, "Jack link"},
    {"LeverLowerLen", "Lever pin to die", L, 28, 5, 80, 1e-6, kBig, "Lever and slide"},
    {"LeverUpperLen", "Die to lever top", L, 5.03353, 0.5, 30, -kBig, kBig,
     "Lever and slide"},
    {"TrunnionX", "Trunnion from axle", L, 45.17028, 0, 200, -kBig, kBig, "Lever and slide"},
    {"TrunnionY", "Trunnion height", L, 19.90785, -30, 60, -kBig, kBig, "Lever and slide"},
    {"SlideRadius", "Slide radius", L, 30, 5, 120, 1e-6, kBig, "Lever and slide"},
    {"ValveRodLen", "Valve rod", L, 30, 5, 120, 1e-6, kBig, "Valve rod"},
    {"ValveSpindleHeight", "Valve spindle above axle", L, 24.73170, -30, 60, -kBig, kBig,
     "Valve rod"},
    {"ValveStemLen", "Valve pin to valve centre", L, 64.80952, -150, 150, -kBig, kBig,
     "Valve rod"},
}};

constexpr std::array<Dimension, 2> kReverserDimensions{{
    {"FullGearAngle", "Full gear slide inclination", A, 24, 5, 60, 0, 80, "Reverser"},
    {"NormalGearAngle", "Normal gear slide inclination", A, 8, 1, 45, 0, 80, "Reverser"},
}};

constexpr auto kDimensions = JoinDimensions(CrankDimensions(24, 90), kOwnDimensions,
                                            PortFaceDimensions(140), kReverserDimensions);
static_assert(kDimensions.size() == kDims);

const std::array<PinInfo, kJoyPins> kPins{{
    {"Axle", true}, {"CrankPin", false}, {"Crosshead", false}, {"RodPin", false},
    {"AnchorPin", false}, {"AnchorCentre", true}, {"LeverPin", false}, {"Die", false},
    {"LeverTop", false}, {"ValvePin", false}, {"Trunnion", true}, {"SlideCentre", false},
}};

const std::vector<BodyInfo>& BodyTable() {
    static const std::vector<BodyInfo> bodies{
        {"Frame", BodyRole::Frame, {JAxle, JAnchorCentre, JTrunnion}},
        {"Crank", BodyRole::Crank, {JAxle, JCrankPin}},
        {"Main rod", BodyRole::MainRod, {JCrankPin, JCrosshead, JRodPin}, MainRodLen},
        {"Jack link", BodyRole::UnionLink, {JRodPin, JAnchorPin, JLeverPin}, JackLinkLen},
        {"Anchor link", BodyRole::Rocker, {JAnchorCentre, JAnchorPin}, AnchorLinkLen},
        {"Lever", BodyRole::Lever, {JLeverPin, JDie, JLeverTop}, LeverLowerLen},
        {"Valve rod", BodyRole::ValveRod, {JLeverTop, JValvePin}, ValveRodLen},
        {"Slide", BodyRole::Link, {JTrunnion, JSlideCentre}},
    };
    return bodies;
}

const std::array<GuideInfo, 3> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, JCrosshead, -1, ValueAt<CylCLHeight>},
    {"Valve spindle guide", GuideKind::Horizontal, JValvePin, -1, ValueAt<ValveSpindleHeight>},
    {"Slide", GuideKind::Circle, JDie, JSlideCentre, ValueAt<SlideRadius>},
}};

// The reverser's angle: the direction from the trunnion to the slide's centre, radians
// from +X.
class JoySolver final : public KindSolver {
public:
    explicit JoySolver(const GearDesign& d);

private:
    const char* SolveAt(double crankRad, double slideRad, GearPose& out) override;
    void Reference();

    int anchorSide_ = 1, dieSide_ = 1;
};

JoySolver::JoySolver(const GearDesign& d) : KindSolver(d, kDims, kJoyPins) {
    if (failed_) return;
    Reference();
    if (failed_) return;
    FindMidByQuarterTurn(0, v_[LeverLowerLen], "Slide");
    if (!failed_) FindSense();
}

// The reference assembly's branches: crank on the front dead centre, the slide upright
// with its centre on the valve's side, the jack link hanging from the rod pin (the anchor
// pin on the side of the point straight below it), the die at the meeting of the lever's
// lower part with the slide nearer the trunnion.
void JoySolver::Reference() {
    GearPose p;
    auto& P = p.Pins;
    if ((failed_ = SolveAt(0, 0, p)) == kMainRod) return;
    const Vec2 anchor(v_[AnchorX], v_[AnchorY]), below(0, v_[JackLinkLen]);
    anchorSide_ = SideOf(anchor, P[JRodPin], P[JRodPin] - below) < 0 ? -1 : 1;
    if ((failed_ = SolveAt(0, 0, p)) == kJackLink) return;
    const Vec2 trunnion(v_[TrunnionX], v_[TrunnionY]);
    const Vec2 centre = trunnion + v_[SlideRadius] * Dir(0);
    dieSide_ = SideOf(centre, P[JLeverPin], trunnion) < 0 ? -1 : 1;
    failed_ = SolveAt(0, 0, p);
}

const char* JoySolver::SolveAt(double crankRad, double slideRad, GearPose& out) {
    out.PinCount = kJoyPins;
    auto& P = out.Pins;
    P[JAnchorCentre] = {v_[AnchorX], v_[AnchorY]};
    P[JTrunnion] = {v_[TrunnionX], v_[TrunnionY]};
    if (PlaceCrosshead({JAxle, JCrankPin, JCrosshead}, v_[StrokeLen], v_[MainRodLen],
                       v_[CylCLHeight], crankRad, out))
        return kMainRod;
    const Vec2 rod = (P[JCrosshead] - P[JCrankPin]) / v_[MainRodLen];
    P[JRodPin] = OnBody(P[JCrankPin], rod, v_[RodPinFromCrank], 0);
    if (!CircleCircle(P[JAnchorCentre], v_[AnchorLinkLen], P[JRodPin], v_[JackLinkLen],
                      anchorSide_, P[JAnchorPin]))
        return kJackLink;
    const Vec2 jack = (P[JAnchorPin] - P[JRodPin]) / v_[JackLinkLen];
    P[JLeverPin] = OnBody(P[JRodPin], jack, v_[JackToLever], 0);
    P[JSlideCentre] = P[JTrunnion] + v_[SlideRadius] * Dir(slideRad);
    if (!CircleCircle(P[JSlideCentre], v_[SlideRadius], P[JLeverPin], v_[LeverLowerLen],
                      dieSide_, P[JDie]))
        return "Lever";
    const Vec2 lever = (P[JDie] - P[JLeverPin]) / v_[LeverLowerLen];
    P[JLeverTop] = OnBody(P[JDie], lever, v_[LeverUpperLen], 0);
    const Vec2 die = P[JDie] - P[JSlideCentre], mid = P[JTrunnion] - P[JSlideCentre];
    out.DiePlace = v_[SlideRadius] * std::atan2(Cross(die, mid), die.dot(mid));
    return PlaceValvePin({JLeverTop, JValvePin, v_[ValveRodLen], v_[ValveSpindleHeight],
                          v_[ValveStemLen], v_[CylCtrToDriverCtr], "Valve rod"},
                         out);
}

} // namespace

const GearKind& Joy() {
    static const TableKind kind({"joy", "Joy gear", "Joy gear, 24 in stroke, slide valve",
                                 kDimensions, kPins, BodyTable(), kGuides,
                                 {"Slide inclination from mid gear", UnitKind::Angle,
                                  FullGearAngle, NormalGearAngle},
                                 MakeSolverOf<JoySolver>});
    return kind;
}

} // namespace vt::gears
