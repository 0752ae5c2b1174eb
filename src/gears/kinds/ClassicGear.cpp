// The classic shifting-link gear on the exact engine; see ClassicGear.h.
//
// Geometry (the classic pivot table's, in its axes): the eccentric centres turn with the
// crank; the link is one rigid body carrying the two eccentric rod pins, the centre of its
// slot's arc and the suspension pin; it hangs from the lifting link on the lifting arm,
// which turns with the reverse arm on one shaft; the die sits in the slot at the rocker's
// lower arm from the rocker pivot; the rocker's upper pin drives the valve rod joint along
// the valve stem's line. The link is the one group no closed form places: three rods
// (forward and reverse eccentric rods, lifting link) hold its three freedoms.
#include "gears/kinds/ClassicGear.h"

#include "gears/Newton.h"
#include "gears/TableKind.h"
#include "model/Defaults.h"
#include "model/Dimensions.h"
#include "model/MidGear.h"
#include "model/Solver.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace vt::gears {

namespace {

constexpr double kBig = 1e4; // hard bound of any length in the free unit
constexpr double kRad = std::numbers::pi / 180.0;

// Field order of the values; the table below follows it.
enum Dim : int {
    DriverDia, StrokeLen, MainRodLen, EccCircleDia, EccDia, EccFwdAngle, EccRevAngle,
    EccRodFwdLen, EccRodRevLen, LinkRadius, LinkCentPivotBackSet, LinkCentPivotVert,
    LinkEccRodPivotVert, LinkEccRodPivotBackSet, RockerUpperLen, RockerUpperBackSet,
    RockerLowerLen, RockerPivotY, RockerPivotX, ValveConRodLen, LiftingLinkLen, RevArmLen,
    RevArmBackSet, LiftingArmLen, RevShaftY, RevShaftX, CylCtrToDriverCtr, CylCLHeight,
    CylBoreDia, CylBoreLen, CylSteamPortWidth, PistonRodLen, PistonWidth,
    ValveSurfaceToCylCL, ValveStemToCylCL, ExhPortWidth, BridgeWidthRear, BridgeWidthFront,
    SteamPortWidthRear, SteamPortWidthFront, ValveChamberHeight, ValveChamberLen,
    ValveHeight, ValveLenRear, ValveLenFront, ValveExhCavityRear, ValveExhCavityFront,
    ValveStemLen, RevArmCentNorm, RevArmCentMax, kDims
};

constexpr UnitKind L = UnitKind::Length;
constexpr UnitKind A = UnitKind::Angle;

// name, caption, unit, default, sensible low/high, hard low/high, group
const std::array<Dimension, kDims> kDimensions{{
    {"DriverDia", "Driving wheel diameter", L, 7.0, 1, 20, 0, kBig, "Crank and rods"},
    {"StrokeLen", "Stroke", L, 3.0, 0.5, 10, 1e-6, kBig, "Crank and rods"},
    {"MainRodLen", "Main rod", L, 10.0, 2, 40, 1e-6, kBig, "Crank and rods"},
    {"EccCircleDia", "Eccentric circle diameter", L, 0.6875, 0.1, 3, 0, kBig, "Eccentrics"},
    {"EccDia", "Eccentric sheave diameter", L, 2.0, 0.2, 10, 0, kBig, "Eccentrics"},
    {"EccFwdAngle", "Forward eccentric angle", A, 62, 0, 360, 0, 360, "Eccentrics"},
    {"EccRevAngle", "Reverse eccentric angle", A, 62, 0, 360, 0, 360, "Eccentrics"},
    {"EccRodFwdLen", "Forward eccentric rod", L, 7.75, 2, 30, 1e-6, kBig, "Eccentrics"},
    {"EccRodRevLen", "Reverse eccentric rod", L, 7.75, 2, 30, 1e-6, kBig, "Eccentrics"},
    {"LinkRadius", "Link radius", L, 8.25, 2, 40, 1e-6, kBig, "Link"},
    {"LinkCentPivotBackSet", "Suspension pin back set", L, 0.2, -2, 2, -kBig, kBig, "Link"},
    {"LinkCentPivotVert", "Suspension pin below link centre", L, 0, -3, 3, -kBig, kBig,
     "Link"},
    {"LinkEccRodPivotVert", "Eccentric rod pins half spacing", L, 0.75, 0.1, 3, 1e-6, kBig,
     "Link"},
    {"LinkEccRodPivotBackSet", "Eccentric rod pins back set", L, 0.472, -2, 2, -kBig, kBig,
     "Link"},
    {"RockerUpperLen", "Rocker upper arm", L, 1.25, 0.1, 5, 0, kBig, "Rocker"},
    {"RockerUpperBackSet", "Rocker upper pin back set", L, 0, -2, 2, -kBig, kBig, "Rocker"},
    {"RockerLowerLen", "Rocker lower arm", L, 1.312, 0.1, 5, 1e-6, kBig, "Rocker"},
    {"RockerPivotY", "Rocker pivot height", L, 1.3, -5, 10, -kBig, kBig,
     "Rocker", nullptr, "PivotY[7]"},
    {"RockerPivotX", "Rocker pivot from axle", L, 8.13, 0, 30, -kBig, kBig,
     "Rocker", nullptr, "PivotX[7]"},
    {"ValveConRodLen", "Valve connecting rod", L, 4.75, 0.5, 20, 1e-6, kBig, "Rocker"},
    {"LiftingLinkLen", "Lifting link", L, 2.0, 0.2, 10, 1e-6, kBig, "Lifting gear"},
    {"RevArmLen", "Reverse arm", L, 2.375, 0.2, 10, 1e-6, kBig, "Lifting gear"},
    {"RevArmBackSet", "Reverse arm back set", L, 0, -2, 2, -kBig, kBig, "Lifting gear"},
    {"LiftingArmLen", "Lifting arm (- for the other side)", L, 1.812, -10, 10, -kBig, kBig,
     "Lifting gear"},
    {"RevShaftY", "Reverse shaft height", L, 2.0, -5, 10, -kBig, kBig,
     "Lifting gear", nullptr, "PivotY[16]"},
    {"RevShaftX", "Reverse shaft from axle", L, 6.0, -10, 30, -kBig, kBig,
     "Lifting gear", nullptr, "PivotX[16]"},
    {"CylCtrToDriverCtr", "Cylinder centre from axle", L, 16.0, 2, 60, -kBig, kBig,
     "Cylinder"},
    {"CylCLHeight", "Cylinder centre line height", L, 0, -5, 5, -kBig, kBig,
     "Cylinder", nullptr, "PivotY[3]"},
    {"CylBoreDia", "Bore", L, 2.125, 0.2, 10, 0, kBig, "Cylinder"},
    {"CylBoreLen", "Bore length", L, 4.0, 0.5, 20, 0, kBig, "Cylinder"},
    {"CylSteamPortWidth", "Cylinder steam passage", L, 0.312, 0, 2, 0, kBig, "Cylinder"},
    {"PistonRodLen", "Piston centre to crosshead", L, 6.0, 0.5, 30, 0, kBig, "Cylinder"},
    {"PistonWidth", "Piston width", L, 0.5, 0, 3, 0, kBig, "Cylinder"},
    {"ValveSurfaceToCylCL", "Port face above centre line", L, 1.75, 0, 10, -kBig, kBig,
     "Port face"},
    {"ValveStemToCylCL", "Valve stem above centre line", L, 2.062, 0, 10, -kBig, kBig,
     "Port face"},
    {"ExhPortWidth", "Exhaust port", L, 0.375, 0, 2, 0, kBig, "Port face"},
    {"BridgeWidthRear", "Rear bridge", L, 0.187, 0, 1, 0, kBig, "Port face"},
    {"BridgeWidthFront", "Front bridge", L, 0.187, 0, 1, 0, kBig, "Port face"},
    {"SteamPortWidthRear", "Rear steam port", L, 0.156, 0, 1, 0, kBig, "Port face"},
    {"SteamPortWidthFront", "Front steam port", L, 0.156, 0, 1, 0, kBig, "Port face"},
    {"ValveChamberHeight", "Steam chest height", L, 0.625, 0, 5, 0, kBig, "Valve"},
    {"ValveChamberLen", "Steam chest length", L, 2.187, 0, 10, 0, kBig, "Valve"},
    {"ValveHeight", "Valve height", L, 0.5, 0, 5, 0, kBig, "Valve"},
    {"ValveLenRear", "Valve rear half", L, 0.687, 0, 3, 0, kBig, "Valve"},
    {"ValveLenFront", "Valve front half", L, 0.687, 0, 3, 0, kBig, "Valve"},
    {"ValveExhCavityRear", "Cavity rear half", L, 0.375, 0, 3, 0, kBig, "Valve"},
    {"ValveExhCavityFront", "Cavity front half", L, 0.375, 0, 3, 0, kBig, "Valve"},
    {"ValveStemLen", "Valve centre to valve rod joint", L, 3.191, 0, 20, -kBig, kBig,
     "Valve"},
    {"RevArmCentNorm", "Normal gear from mid gear", L, 1.04, 0, 3, 0, kBig, "Reverser"},
    {"RevArmCentMax", "Full gear from mid gear", L, 1.3, 0, 3, 0, kBig, "Reverser"},
}};

const std::array<PinInfo, kClassicPins> kPins{{
    {"Axle", true}, {"CrankPin", false}, {"Crosshead", false}, {"ValveRodJoint", false},
    {"RockerUpperPin", false}, {"RockerPivot", true}, {"DieBlock", false},
    {"LinkSuspPin", false}, {"FwdRodPin", false}, {"RevRodPin", false},
    {"FwdEccCentre", false}, {"RevEccCentre", false}, {"LinkArcCentre", false},
    {"LiftArmEnd", false}, {"LiftArmPivot", true}, {"RevArmEnd", false},
    {"FwdRodStart", false}, {"RevRodStart", false}, {"RockerUpperLine", false},
    {"LinkCentrePoint", false},
}};

const std::vector<BodyInfo>& BodyTable() {
    static const std::vector<BodyInfo> bodies{
        {"Frame", BodyRole::Frame, {CAxle, CRockerPivot, CLiftArmPivot}},
        {"Crank", BodyRole::Crank, {CAxle, CCrankPin, CFwdEccCentre, CRevEccCentre}},
        {"Main rod", BodyRole::MainRod, {CCrankPin, CCrosshead}, MainRodLen},
        {"Forward eccentric rod", BodyRole::EccentricRod, {CFwdEccCentre, CFwdRodPin},
         EccRodFwdLen},
        {"Reverse eccentric rod", BodyRole::EccentricRod, {CRevEccCentre, CRevRodPin},
         EccRodRevLen},
        {"Link", BodyRole::Link,
         {CFwdRodPin, CRevRodPin, CLinkArcCentre, CLinkSuspPin, CLinkCentrePoint}},
        {"Lifting link", BodyRole::LiftingGear, {CLiftArmEnd, CLinkSuspPin}, LiftingLinkLen},
        {"Reverse shaft arms", BodyRole::LiftingGear, {CLiftArmPivot, CRevArmEnd, CLiftArmEnd}},
        {"Rocker", BodyRole::Rocker, {CRockerPivot, CDieBlock, CRockerUpperLine,
                                      CRockerUpperPin}, RockerLowerLen},
        {"Valve connecting rod", BodyRole::ValveRod, {CRockerUpperPin, CValveRodJoint},
         ValveConRodLen},
    };
    return bodies;
}

double V(std::span<const double> v, Dim d) { return v[std::size_t(d)]; }

const std::array<GuideInfo, 3> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, CCrosshead, -1,
     [](std::span<const double> v) { return V(v, CylCLHeight); }},
    {"Valve stem", GuideKind::Horizontal, CValveRodJoint, -1,
     [](std::span<const double> v) { return V(v, CylCLHeight) + V(v, ValveStemToCylCL); }},
    {"Link slot", GuideKind::Circle, CDieBlock, CLinkArcCentre,
     [](std::span<const double> v) { return V(v, LinkRadius); }},
}};

// The link's place: the middle of its eccentric rod pins, and its tilt from upright.
using LinkVec = Eigen::Vector3d;

// The design's values by name, and what each solve needs of them.
struct Classic {
    explicit Classic(std::span<const double> values) : v(values) {}
    std::span<const double> v;
    double operator[](Dim d) const { return v[std::size_t(d)]; }
};

class ClassicSolver final : public GearSolver {
public:
    explicit ClassicSolver(const GearDesign& d);
    void Solve(double crankDeg, double setting, GearPose& out) override;
    double MidGear() const override { return mid_; }
    double ReverserValue(double setting) const override { return mid_ + sense_ * setting; }
    const char* Failed() const override { return failed_; }

private:
    // Link points in the link's axes: along its upright axis u, and along n, u turned a
    // quarter turn clockwise (towards the cylinder when upright).
    struct LinkPoint {
        double along, across;
    };
    // x = (middle x, middle y, tilt): p = M + along u + across n,
    // u = (sin t, cos t), n = (cos t, -sin t); dp/dt = along n - across u.
    struct Tilt {
        double s, c;
        explicit Tilt(double t) : s(std::sin(t)), c(std::cos(t)) {}
    };
    static Vec2 At(const LinkVec& x, Tilt t, LinkPoint p) {
        return {x[0] + p.along * t.s + p.across * t.c, x[1] + p.along * t.c - p.across * t.s};
    }
    static Vec2 DAt(Tilt t, LinkPoint p) {
        return {p.along * t.c - p.across * t.s, -p.along * t.s - p.across * t.c};
    }

    const char* SolveAt(double crankRad, double revArmPos, GearPose& out);
    const char* PlaceLink(double crankRad, double revArmPos, GearPose& out);
    const char* PlaceRockerAndValve(GearPose& out) const;
    void Reference();
    void FindMidGear();

    std::vector<double> values_;
    Classic c_;
    LinkPoint fwdPin_, revPin_, arcCentre_, suspPin_, centrePoint_;
    double sense_ = 1;  // +1: forward on the + side of mid gear
    double mid_ = 0;    // reverse arm position at mid gear
    LinkVec refLink_ = LinkVec::Zero();
    RootTrack<3> track_;
    int fwdSide_ = 0, revSide_ = 0, liftSide_ = 0, dieSide_ = 0;
    double upperSense_ = 1; // the rocker's upper arm above (+1) or below its pivot
    const char* failed_ = nullptr;
    bool linkFailed_ = false; // the last SolveAt failed at the link, not a closed form
};

ClassicSolver::ClassicSolver(const GearDesign& d) : values_(d.Values), c_(values_) {
    if (values_.size() != kDims) {
        values_.assign(kDims, 0);
        c_ = Classic(values_);
        failed_ = "Design";
        return;
    }
    const double k = c_[LinkRadius] - c_[LinkEccRodPivotBackSet];
    const double m = c_[LinkRadius] - c_[LinkCentPivotBackSet];
    fwdPin_ = {c_[LinkEccRodPivotVert], 0};
    revPin_ = {-c_[LinkEccRodPivotVert], 0};
    arcCentre_ = {0, -k};
    suspPin_ = {-c_[LinkCentPivotVert], m - k};
    centrePoint_ = {0, m - k};
    Reference();
    if (!failed_) FindMidGear();
}

// The reference assembly: the classic search's own pose at its mid gear, crank on the
// front dead centre, polished by Newton. Its branches are the classic gear's.
void ClassicSolver::Reference() {
    State s;
    StartUp(s);
    GearDesign design{&ClassicGear(), "", LengthUnit::Units, values_, {}};
    ApplyClassicDesign(design, s);
    s.DriverAngle = 0;
    s.RevArmPos = s.RevArmSet[0];
    if (SolveLinkage(s) != SolveOutcome::Completed) {
        failed_ = "Link";
        return;
    }
    auto P = [&s](int i) { return Vec2(s.PivotX[i], s.PivotY[i]); };
    const Vec2 fwd = P(FwdRodPin), rev = P(RevRodPin);
    const Vec2 up = fwd - rev;
    refLink_ = {(fwd.x() + rev.x()) / 2, (fwd.y() + rev.y()) / 2, std::atan2(up.x(), up.y())};
    track_.Reset(refLink_, 0, s.RevArmSet[0]);
    fwdSide_ = SideOf(P(FwdEccCentre), fwd, rev);
    revSide_ = SideOf(P(RevEccCentre), rev, fwd);
    liftSide_ = SideOf(P(LiftArmEnd), P(LinkSuspPin), P(LinkArcCentre));
    dieSide_ = SideOf(P(LinkArcCentre), P(RockerPivot), P(DieBlock));
    upperSense_ = P(RockerUpperLine).y() >= P(RockerPivot).y() ? 1 : -1;
    GearPose pose;
    failed_ = SolveAt(0, s.RevArmSet[0], pose);
    refLink_ = track_.Last();
}

// The classic rule on this engine: one solve at crank 90 with the reverse arm upright,
// then the lifting arm placed so that the lifting link, shortened by the suspension pin's
// offset, reaches the point at the link centre line's X and the die's height.
void ClassicSolver::FindMidGear() {
    GearPose p;
    const Vec2 shaft(c_[RevShaftX], c_[RevShaftY]);
    failed_ = SolveAt(90 * kRad, shaft.x() - c_[RevArmBackSet], p);
    if (failed_) return;
    const Vec2 target(p.Pin(CLinkCentrePoint).x(), p.Pin(CDieBlock).y());
    const double d = (target - shaft).norm();
    const double arm = c_[LiftingArmLen] == 0 ? 1e-5 : c_[LiftingArmLen];
    const double reach = c_[LiftingLinkLen] - c_[LinkCentPivotVert];
    double cosine = (arm * arm + d * d - reach * reach) / 2 / arm / std::max(d, 1e-5);
    cosine = std::clamp(cosine, -0.999999, 0.999999);
    double phi = std::atan((shaft.y() - target.y()) / (target.x() - shaft.x()));
    if (arm < 0) phi -= std::numbers::pi;
    const double psi = std::asin(cosine) + phi - std::numbers::pi / 2;
    mid_ = std::sin(psi) * c_[RevArmLen] + shaft.x() - c_[RevArmBackSet];
    const double ecc = std::fmod(c_[EccFwdAngle], 360.0);
    const bool eccInverted = (ecc > 90 && ecc < 180) || (ecc > 270 && ecc < 360);
    sense_ = (arm > 0) != eccInverted ? 1 : -1;
    track_.Reset(refLink_, 0, mid_);
}

void ClassicSolver::Solve(double crankDeg, double setting, GearPose& out) {
    out.PinCount = kClassicPins;
    out.Failed = failed_;
    if (failed_) return;
    const double crank = crankDeg * kRad, revArm = mid_ + sense_ * setting;
    out.Failed = SolveAt(crank, revArm, out);
    if (out.Failed && linkFailed_)
        out.Failed = Walk(track_.LastCrank(), track_.LastSetting(), crank, revArm,
                          [&](double c, double r) { return SolveAt(c, r, out); });
}

const char* ClassicSolver::SolveAt(double crankRad, double revArmPos, GearPose& out) {
    out.PinCount = kClassicPins;
    auto& P = out.Pins;
    const Vec2 axle(0, 0);
    P[CAxle] = axle;
    P[CRockerPivot] = {c_[RockerPivotX], c_[RockerPivotY]};
    P[CLiftArmPivot] = {c_[RevShaftX], c_[RevShaftY]};
    P[CCrankPin] = OnCrank(axle, c_[StrokeLen] / 2, crankRad);
    const double e = c_[EccCircleDia] / 2;
    P[CFwdEccCentre] = OnCrank(axle, e, crankRad - c_[EccFwdAngle] * kRad);
    P[CRevEccCentre] = OnCrank(axle, e, crankRad + c_[EccRevAngle] * kRad);
    if (!CircleLine(P[CCrankPin], c_[MainRodLen], {0, c_[CylCLHeight]}, {1, 0}, true,
                    P[CCrosshead]))
        return "Main rod";
    out.Crosshead = P[CCrosshead].x();

    // Reverse arm end on the vertical line at the reverser, above the shaft; the lifting
    // arm turns with it on the shaft.
    const Vec2 shaft = P[CLiftArmPivot];
    const double armReach = std::hypot(c_[RevArmLen], c_[RevArmBackSet]);
    if (!CircleLine(shaft, armReach, {revArmPos, 0}, {0, 1}, true, P[CRevArmEnd]))
        return "Reverse arm";
    const Vec2 arm = P[CRevArmEnd] - shaft;
    const double turn = std::atan(arm.x() / -arm.y()) -
                        std::atan(c_[RevArmBackSet] / c_[RevArmLen]);
    P[CLiftArmEnd] = shaft + c_[LiftingArmLen] * Vec2(std::cos(turn), std::sin(turn));

    linkFailed_ = false;
    if (const char* f = PlaceLink(crankRad, revArmPos, out)) {
        linkFailed_ = true;
        return f;
    }
    return PlaceRockerAndValve(out);
}

// Newton on the link: each rod's residual (|p - q|^2 - len^2) / 2 len, about the rod's
// stretch; from the previous pose, else from the reference one.
const char* ClassicSolver::PlaceLink(double crankRad, double revArmPos, GearPose& out) {
    auto& P = out.Pins;
    const struct Rod {
        LinkPoint on;
        Vec2 from;
        double len;
    } rods[3] = {{fwdPin_, P[CFwdEccCentre], c_[EccRodFwdLen]},
                 {revPin_, P[CRevEccCentre], c_[EccRodRevLen]},
                 {suspPin_, P[CLiftArmEnd], c_[LiftingLinkLen]}};
    auto f = [&](const LinkVec& x, LinkVec& r, Eigen::Matrix3d& J) {
        const Tilt t(x[2]);
        for (int i = 0; i < 3; ++i) {
            const Vec2 gap = At(x, t, rods[i].on) - rods[i].from;
            r[i] = (gap.squaredNorm() - rods[i].len * rods[i].len) / (2 * rods[i].len);
            const Vec2 g = gap / rods[i].len;
            J.row(i) << g.x(), g.y(), g.dot(DAt(t, rods[i].on));
        }
    };
    const double scale = c_[LinkRadius] + c_[EccRodFwdLen];
    LinkVec x = track_.Guess(crankRad, revArmPos);
    if (!NewtonSolve<3>(f, x, scale)) {
        x = refLink_;
        if (!NewtonSolve<3>(f, x, scale)) return "Link";
    }
    const Tilt t(x[2]);
    P[CFwdRodPin] = At(x, t, fwdPin_);
    P[CRevRodPin] = At(x, t, revPin_);
    P[CLinkArcCentre] = At(x, t, arcCentre_);
    P[CLinkSuspPin] = At(x, t, suspPin_);
    P[CLinkCentrePoint] = At(x, t, centrePoint_);
    if (fwdSide_ != SideOf(P[CFwdEccCentre], P[CFwdRodPin], P[CRevRodPin]))
        return "Forward eccentric rod";
    if (revSide_ != SideOf(P[CRevEccCentre], P[CRevRodPin], P[CFwdRodPin]))
        return "Reverse eccentric rod";
    if (liftSide_ != SideOf(P[CLiftArmEnd], P[CLinkSuspPin], P[CLinkArcCentre]))
        return "Lifting link";
    track_.Keep(x, crankRad, revArmPos);
    return nullptr;
}

// Die in the slot at the rocker's lower arm; the upper arm on the lower arm's line with
// its back set; the valve rod joint on the stem's line, in front of the upper pin.
const char* ClassicSolver::PlaceRockerAndValve(GearPose& out) const {
    auto& P = out.Pins;
    const Vec2 pivot = P[CRockerPivot], centre = P[CLinkArcCentre];
    if (!CircleCircle(centre, c_[LinkRadius], pivot, c_[RockerLowerLen], dieSide_,
                      P[CDieBlock]))
        return "Rocker";
    P[CRockerUpperLine] = pivot + (pivot - P[CDieBlock]) * c_[RockerUpperLen] /
                                      c_[RockerLowerLen];
    const Vec2 upper = P[CRockerUpperLine] - pivot;
    const Vec2 w = upper.norm() > 0 ? Vec2(upper / upper.norm()) : Vec2(0, 1);
    P[CRockerUpperPin] = P[CRockerUpperLine] + upperSense_ * c_[RockerUpperBackSet] * Perp(w);
    const double stemY = c_[CylCLHeight] + c_[ValveStemToCylCL];
    if (!CircleLine(P[CRockerUpperPin], c_[ValveConRodLen], {0, stemY}, {1, 0}, true,
                    P[CValveRodJoint]))
        return "Valve connecting rod";
    out.Valve = P[CValveRodJoint].x() + c_[ValveStemLen] - c_[CylCtrToDriverCtr];

    // Drawing points: the eccentric rods' starts at the sheave's rim.
    const double h = c_[EccDia] / 2;
    auto start = [h](const Vec2& ecc, const Vec2& pin, double len) {
        return Vec2(ecc.x() + h, ecc.y() - h / len * (ecc.y() - pin.y()));
    };
    P[CFwdRodStart] = start(P[CFwdEccCentre], P[CFwdRodPin], c_[EccRodFwdLen]);
    P[CRevRodStart] = start(P[CRevEccCentre], P[CRevRodPin], c_[EccRodRevLen]);

    const Vec2 die = P[CDieBlock] - centre, mid = P[CLinkCentrePoint] - centre;
    out.DiePlace = std::remainder(std::atan2(die.y(), die.x()) - std::atan2(mid.y(), mid.x()),
                                  2 * std::numbers::pi) * std::abs(c_[LinkRadius]);
    return nullptr;
}

std::unique_ptr<GearSolver> MakeClassicSolver(const GearDesign& d) {
    return std::make_unique<ClassicSolver>(d);
}

// The tables as every kind's; the port face from the classic dimensions and the sample
// from the system's start-up mechanism.
class ClassicKind final : public TableKind {
public:
    ClassicKind()
        : TableKind({"classic", "Classic shifting-link gear", "", kDimensions, kPins,
                     BodyTable(), kGuides,
                     {"Reverse arm from mid gear", UnitKind::Length, RevArmCentMax,
                      RevArmCentNorm, "RevArm", "rev_arm_pos"},
                     MakeClassicSolver}) {}
    PortFace Face(const GearDesign& d) const override {
        const Classic c(d.Values);
        return {c[CylCtrToDriverCtr], c[ExhPortWidth], c[BridgeWidthRear],
                c[BridgeWidthFront], c[SteamPortWidthRear], c[SteamPortWidthFront],
                c[ValveLenRear], c[ValveLenFront], c[ValveExhCavityRear],
                c[ValveExhCavityFront], Admission::Outside};
    }
    GearDesign Sample() const override {
        State s;
        StartUp(s);
        return ClassicDesign(s);
    }
};

// The state's name of each value, as the classic dimension tables name it.
std::string_view StateName(std::size_t i) {
    const Dimension& d = kDimensions[i];
    return d.Alias ? d.Alias : d.Name;
}

// The classic table entry of each value.
const DimensionInfo& StateDimension(int i) {
    static const std::array<const DimensionInfo*, kDims> found = [] {
        std::array<const DimensionInfo*, kDims> f{};
        for (std::size_t k = 0; k < f.size(); ++k) {
            for (const auto& d : FrameDimensionTable())
                if (std::string_view(d.Name) == StateName(k)) f[k] = &d;
            for (const auto& d : CylDimensionTable())
                if (std::string_view(d.Name) == StateName(k)) f[k] = &d;
        }
        return f;
    }();
    return *found[std::size_t(i)];
}

} // namespace

const GearKind& ClassicGear() {
    static const ClassicKind kind;
    return kind;
}

GearDesign ClassicDesign(const Mechanism& m) {
    GearDesign d{&ClassicGear(), m.DataSetName, LengthUnit::Units, {}, {}};
    Mechanism copy = m;
    for (int i = 0; i < kDims; ++i) d.Values.push_back(StateDimension(i).Ref(copy));
    const double sense = SenseIsDirect(m) ? 1 : -1;
    for (int i = 1; i <= std::min(m.RevArmCount, kRevArmSetCount - 1); ++i)
        d.Positions.push_back({std::to_string(i), sense * (m.RevArmSet[i] - m.RevArmSet[0])});
    return d;
}

void ApplyClassicDesign(const GearDesign& d, State& s) {
    for (int i = 0; i < kDims; ++i) {
        const DimensionInfo& info = StateDimension(i);
        const float v = float(d.Values[std::size_t(i)]);
        if (info.Id != 0) WriteDimension(s, info.Id, v);
        else info.Ref(s) = v;
    }
    s.DataSetName = d.Name;
    FindRevArmCent(s);
    const double sense = SenseIsDirect(s) ? 1 : -1;
    const int n = std::min(int(d.Positions.size()), kRevArmSetCount - 1);
    for (int i = 0; i < n; ++i)
        s.RevArmSet[i + 1] = float(s.RevArmSet[0] + sense * d.Positions[std::size_t(i)].Setting);
    if (n > 0) s.RevArmCount = n;
    s.RevArmPos = s.RevArmSet[0];
}

} // namespace vt::gears
