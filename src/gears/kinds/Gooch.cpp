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

#include "gears/Newton.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vt::gears {

namespace {

constexpr double kBig = 1e5; // hard bound of any length, inches or millimetres
constexpr double kRad = std::numbers::pi / 180.0;
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
const std::array<Dimension, kDims> kDimensions{{
    {"StrokeLen", "Stroke", L, 24, 10, 40, 1e-6, kBig, "Crank and rods"},
    {"MainRodLen", "Main rod", L, 90, 40, 200, 1e-6, kBig, "Crank and rods"},
    {"CylCLHeight", "Crosshead line above axle", L, 0, -30, 30, -kBig, kBig,
     "Crank and rods"},
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
    {"CylCtrToDriverCtr", "Cylinder centre from axle", L, 139.01330, 60, 300, -kBig, kBig,
     "Port face"},
    {"ExhPortWidth", "Exhaust port", L, 3.5, 0.5, 8, 0, kBig, "Port face"},
    {"BridgeWidthFront", "Front bridge", L, 1.25, 0.25, 3, 0, kBig, "Port face"},
    {"BridgeWidthRear", "Rear bridge", L, 1.25, 0.25, 3, 0, kBig, "Port face"},
    {"SteamPortWidthFront", "Front steam port", L, 1.75, 0.5, 4, 0, kBig, "Port face"},
    {"SteamPortWidthRear", "Rear steam port", L, 1.75, 0.5, 4, 0, kBig, "Port face"},
    {"ValveLenFront", "Valve front half", L, 6, 1, 12, 0, kBig, "Valve"},
    {"ValveLenRear", "Valve rear half", L, 6, 1, 12, 0, kBig, "Valve"},
    {"ValveExhCavityFront", "Cavity front half", L, 3, 0.5, 10, 0, kBig, "Valve"},
    {"ValveExhCavityRear", "Cavity rear half", L, 3, 0.5, 10, 0, kBig, "Valve"},
    {"FullGearAngle", "Full gear lifting arm angle", A, 28, 5, 80, 0, 89, "Reverser"},
    {"NormalGearAngle", "Normal gear lifting arm angle", A, 8, 1, 60, 0, 89, "Reverser"},
}};

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

double V(std::span<const double> v, Dim d) { return v[std::size_t(d)]; }

const std::array<GuideInfo, 3> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, GCrosshead, -1,
     [](std::span<const double> v) { return V(v, CylCLHeight); }},
    {"Valve spindle guide", GuideKind::Horizontal, GValvePin, -1,
     [](std::span<const double> v) { return V(v, ValveSpindleHeight); }},
    {"Link slot", GuideKind::Circle, GDie, GSlotCentre,
     [](std::span<const double> v) { return V(v, LinkRadius); }},
}};

Vec2 Dir(double a) { return {std::cos(a), std::sin(a)}; }

// A point of the link in its own axes: `along` its upright axis u = (sin t, cos t) from
// the slot's middle, `ahead` along n = (cos t, -sin t), towards the cylinder when upright.
struct LinkPoint {
    double along, ahead;
    Vec2 At(const Eigen::Vector3d& x) const {
        const double s = std::sin(x[2]), c = std::cos(x[2]);
        return {x[0] + along * s + ahead * c, x[1] + along * c - ahead * s};
    }
    Vec2 DAt(double t) const { // d At / d t
        const double s = std::sin(t), c = std::cos(t);
        return {along * c - ahead * s, -along * s - ahead * c};
    }
};

class GoochSolver final : public GearSolver {
public:
    explicit GoochSolver(const GearDesign& d);
    void Solve(double crankDeg, double setting, GearPose& out) override;
    double MidGear() const override { return mid_ / kRad; }
    const char* Failed() const override { return failed_; }

private:
    using LinkVec = Eigen::Vector3d; // the slot's middle (x, y) and the link's tilt
    double operator[](Dim d) const { return v_[std::size_t(d)]; }
    const char* SolveAt(double crankRad, double liftRad, GearPose& out);
    const char* PlaceLink(double crankRad, double liftRad, GearPose& out);
    const char* PlaceDieAndValve(GearPose& out) const;
    void Reference();
    double MeanDiePlace(double liftRad);
    void FindMidGear();

    std::vector<double> v_;
    LinkPoint fwd_{}, back_{}, centre_{}, susp_{};
    RootTrack<3> track_;
    LinkVec ref_ = LinkVec::Zero();
    int swingSide_ = 0, dieSide_ = 0;
    double refLift_ = 0;
    double mid_ = 0;   // lifting arm angle at mid gear, radians from +X
    double sense_ = 1; // lifting arm turn per unit setting: +1 or -1
    const char* failed_ = nullptr;
    bool linkFailed_ = false; // the last SolveAt failed at the link's Newton solve
};

GoochSolver::GoochSolver(const GearDesign& d) : v_(d.Values) {
    if (v_.size() != kDims) {
        v_.assign(kDims, 0);
        failed_ = "Design";
        return;
    }
    fwd_ = {-v_[LinkHalfLen], -v_[LinkRodBackSet]};
    back_ = {v_[LinkHalfLen], -v_[LinkRodBackSet]};
    centre_ = {0, v_[LinkRadius]};
    susp_ = {0, -v_[LinkSuspBackSet]};
    Reference();
    if (!failed_) FindMidGear();
    if (failed_) return;
    // Forward: at mid stroke the front port admits, so the valve stands to the rear.
    GearPose up, down;
    failed_ = SolveAt(90 * kRad, mid_ + kRad, up);
    if (!failed_) failed_ = SolveAt(90 * kRad, mid_ - kRad, down);
    sense_ = up.Valve < down.Valve ? 1 : -1;
}

// The reference assembly: crank on the front dead centre, the link upright with its swing
// link's pin below the hanger, the die at the slot's middle held from above by the
// lifting arm.
void GoochSolver::Reference() {
    const Vec2 hanger(v_[HangerX], v_[HangerY]);
    const Vec2 middle = hanger + Vec2(v_[LinkSuspBackSet], -v_[SwingLinkLen]);
    const Vec2 shaft(v_[WeighShaftX], v_[WeighShaftY]);
    Vec2 a, b;
    if (!CircleCircle(shaft, v_[LiftArmLen], middle, v_[LiftingLinkLen], 1, a) ||
        !CircleCircle(shaft, v_[LiftArmLen], middle, v_[LiftingLinkLen], -1, b)) {
        failed_ = "Lifting link";
        return;
    }
    const Vec2 end = a.y() >= b.y() ? a : b;
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

double GoochSolver::MeanDiePlace(double liftRad) {
    constexpr int kSamples = 36;
    double sum = 0;
    GearPose p;
    for (int i = 0; i < kSamples; ++i) {
        if ((failed_ = SolveAt(2 * std::numbers::pi * i / kSamples, liftRad, p))) return 0;
        sum += p.DiePlace;
    }
    return sum / kSamples;
}

// Mid gear: the lifting arm angle at which the die's mean place over a turn is at the
// slot's middle, by the secant method from the reference angle.
void GoochSolver::FindMidGear() {
    double a0 = refLift_, a1 = refLift_ + kRad;
    double g0 = MeanDiePlace(a0);
    if (failed_) return;
    for (int i = 0; i < 30; ++i) {
        const double g1 = MeanDiePlace(a1);
        if (failed_) return;
        if (std::abs(g1) < 1e-11 * v_[LinkRadius] || g1 == g0) break;
        const double a2 = a1 - g1 * (a1 - a0) / (g1 - g0);
        a0 = a1, g0 = g1, a1 = a2;
    }
    mid_ = a1;
}

void GoochSolver::Solve(double crankDeg, double setting, GearPose& out) {
    out.PinCount = kGoochPins;
    out.Failed = failed_;
    if (failed_) return;
    const double crank = crankDeg * kRad, lift = mid_ + sense_ * setting * kRad;
    out.Failed = SolveAt(crank, lift, out);
    if (out.Failed && linkFailed_)
        out.Failed = Walk(track_.LastCrank(), track_.LastSetting(), crank, lift,
                          [&](double c, double l) { return SolveAt(c, l, out); });
}

const char* GoochSolver::SolveAt(double crankRad, double liftRad, GearPose& out) {
    out.PinCount = kGoochPins;
    auto& P = out.Pins;
    P[GAxle] = {0, 0};
    P[GLinkHanger] = {v_[HangerX], v_[HangerY]};
    P[GWeighShaft] = {v_[WeighShaftX], v_[WeighShaftY]};
    P[GCrankPin] = OnCrank(P[GAxle], v_[StrokeLen] / 2, crankRad);
    if (!CircleLine(P[GCrankPin], v_[MainRodLen], {0, v_[CylCLHeight]}, {1, 0}, true,
                    P[GCrosshead]))
        return "Main rod";
    out.Crosshead = P[GCrosshead].x();
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

// Newton on the link: each rod's residual (|p - q|^2 - len^2) / 2 len, about the rod's
// stretch; from the prediction, else from the reference assembly. Its branch: upright,
// the rod pins ahead of their eccentrics, the swing link on its side.
const char* GoochSolver::PlaceLink(double crankRad, double liftRad, GearPose& out) {
    auto& P = out.Pins;
    const struct Rod {
        LinkPoint on;
        Vec2 from;
        double len;
    } rods[3] = {{fwd_, P[GFwdEccCentre], v_[EccRodLen]},
                 {back_, P[GBackEccCentre], v_[EccRodLen]},
                 {susp_, P[GLinkHanger], v_[SwingLinkLen]}};
    auto f = [&](const LinkVec& x, LinkVec& r, Eigen::Matrix3d& J) {
        for (int i = 0; i < 3; ++i) {
            const Vec2 gap = rods[i].on.At(x) - rods[i].from;
            r[i] = (gap.squaredNorm() - rods[i].len * rods[i].len) / (2 * rods[i].len);
            const Vec2 g = gap / rods[i].len;
            J.row(i) << g.x(), g.y(), g.dot(rods[i].on.DAt(x[2]));
        }
    };
    const double scale = v_[EccRodLen] + v_[LinkRadius];
    LinkVec x = track_.Guess(crankRad, liftRad);
    if (!NewtonSolve<3>(f, x, scale)) {
        x = ref_;
        if (!NewtonSolve<3>(f, x, scale)) return kLinkName;
    }
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
    if (!CircleLine(P[GDie], v_[RadiusRodLen], {0, v_[ValveSpindleHeight]}, {1, 0}, true,
                    P[GValvePin]))
        return "Radius rod";
    out.Valve = P[GValvePin].x() + v_[ValveRodLen] - v_[CylCtrToDriverCtr];
    const Vec2 die = P[GDie] - centre, mid = P[GLinkMiddle] - centre;
    out.DiePlace = v_[LinkRadius] * std::atan2(Cross(die, mid), die.dot(mid));
    return nullptr;
}

class GoochKind final : public GearKind {
public:
    std::string_view Name() const override { return "gooch"; }
    std::string_view Caption() const override { return "Gooch stationary-link gear"; }
    std::span<const Dimension> Dimensions() const override { return kDimensions; }
    std::span<const PinInfo> Pins() const override { return kPins; }
    std::span<const BodyInfo> Bodies() const override { return BodyTable(); }
    std::span<const GuideInfo> Guides() const override { return kGuides; }
    ReverserInfo Reverser() const override {
        return {"Lifting arm from mid gear", UnitKind::Angle, FullGearAngle, NormalGearAngle};
    }
    PortFace Face(const GearDesign& d) const override {
        auto c = [&d](Dim i) { return d.Values[std::size_t(i)]; };
        return {c(CylCtrToDriverCtr), c(ExhPortWidth), c(BridgeWidthRear),
                c(BridgeWidthFront), c(SteamPortWidthRear), c(SteamPortWidthFront),
                c(ValveLenRear), c(ValveLenFront), c(ValveExhCavityRear),
                c(ValveExhCavityFront), Admission::Outside};
    }
    GearDesign Sample() const override {
        GearDesign d{this, "Gooch stationary-link gear, 24 in stroke, slide valve",
                     LengthUnit::Inch, {}, {}};
        for (const Dimension& dim : kDimensions) d.Values.push_back(dim.Default);
        return d;
    }
    std::unique_ptr<GearSolver> MakeSolver(const GearDesign& d) const override {
        return std::make_unique<GoochSolver>(d);
    }
};

} // namespace

const GearKind& Gooch() {
    static const GoochKind kind;
    return kind;
}

} // namespace vt::gears
