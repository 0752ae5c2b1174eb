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

#include "gears/MidGearRule.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vt::gears {

namespace {

constexpr double kBig = 1e5; // hard bound of any length, inches or millimetres
constexpr double kRad = std::numbers::pi / 180.0;

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
const std::array<Dimension, kDims> kDimensions{{
    {"StrokeLen", "Stroke", L, 24, 10, 40, 1e-6, kBig, "Crank and rods"},
    {"MainRodLen", "Main rod", L, 90, 40, 200, 1e-6, kBig, "Crank and rods"},
    {"CylCLHeight", "Crosshead line above axle", L, 0, -30, 30, -kBig, kBig,
     "Crank and rods"},
    {"EccThrow", "Eccentric throw", L, 5, 1, 10, 1e-6, kBig, "Eccentric"},
    {"EccRodLen", "Eccentric rod, centre to end", L, 50, 20, 120, 1e-6, kBig, "Eccentric"},
    {"ReverseShaftX", "Reversing shaft from axle", L, 0, -30, 30, -kBig, kBig, "Reverser"},
    {"ReverseShaftY", "Reversing shaft height", L, 49.749372, 20, 120, -kBig, kBig,
     "Reverser"},
    {"ReverseArmLen", "Reversing arm", L, 24, 4, 60, 1e-6, kBig, "Reverser"},
    {"SwingLinkLen", "Swing link", L, 24, 4, 60, 1e-6, kBig, "Reverser"},
    {"ValveRodPinAt", "Valve rod pin from eccentric centre", L, 35.625, 5, 120, -kBig,
     kBig, "Valve rod"},
    {"ValveConnLen", "Valve rod", L, 72, 10, 150, 1e-6, kBig, "Valve rod"},
    {"ValveSpindleHeight", "Valve spindle above axle", L, 35.446428, -30, 100, -kBig, kBig,
     "Valve rod"},
    {"ValveRodLen", "Valve pin to valve centre", L, 67, -100, 100, -kBig, kBig,
     "Valve rod"},
    {"CylCtrToDriverCtr", "Cylinder centre from axle", L, 139, 60, 300, -kBig, kBig,
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
    {"FullGearAngle", "Full gear reversing arm angle", A, 30, 5, 60, 0, 80, "Reverser"},
    {"NormalGearAngle", "Normal gear reversing arm angle", A, 12, 1, 50, 0, 80, "Reverser"},
}};

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

double V(std::span<const double> v, Dim d) { return v[std::size_t(d)]; }

const std::array<GuideInfo, 2> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, MCrosshead, -1,
     [](std::span<const double> v) { return V(v, CylCLHeight); }},
    {"Valve spindle guide", GuideKind::Horizontal, MValvePin, -1,
     [](std::span<const double> v) { return V(v, ValveSpindleHeight); }},
}};

class MarshallSolver final : public GearSolver {
public:
    explicit MarshallSolver(const GearDesign& d);
    void Solve(double crankDeg, double setting, GearPose& out) override;
    double MidGear() const override { return mid_ / kRad; }
    const char* Failed() const override { return failed_; }

private:
    void Reference();
    const char* SolveAt(double crankRad, double armRad, GearPose& out) const;

    std::vector<double> v_;
    double mid_ = 0;   // the reversing arm's angle from +X at mid gear, radians
    double sense_ = 1; // arm turn per unit setting: +1 or -1
    int side_ = 1;     // the rod end's side of the line eccentric -> swing link top
    const char* failed_ = nullptr;
};

MarshallSolver::MarshallSolver(const GearDesign& d) : v_(d.Values) {
    if (v_.size() != kDims) {
        v_.assign(kDims, 0);
        failed_ = "Design";
        return;
    }
    Reference();
    if (failed_) return;
    const char* failed = nullptr;
    auto valve = [&](double c, double arm, bool& ok) {
        GearPose p;
        if (ok && (failed = SolveAt(c, arm, p))) ok = false;
        return p.Valve;
    };
    if (!FindMidGear(valve, std::numbers::pi, kRad, v_[EccRodLen], mid_)) {
        failed_ = failed;
        return;
    }
    // Forward: at mid stroke the front port admits, so the valve stands to the rear.
    GearPose up, down;
    failed_ = SolveAt(90 * kRad, mid_ + kRad, up);
    if (!failed_) failed_ = SolveAt(90 * kRad, mid_ - kRad, down);
    sense_ = up.Valve < down.Valve ? 1 : -1;
}

// The reference assembly: crank on the front dead centre, the arm to the rear, the rod end
// above the eccentric at the swing link's length from the arm's end.
void MarshallSolver::Reference() {
    const Vec2 shaft(v_[ReverseShaftX], v_[ReverseShaftY]);
    const Vec2 ecc = OnCrank({0, 0}, v_[EccThrow], std::numbers::pi);
    const Vec2 top = shaft - Vec2(v_[ReverseArmLen], 0);
    Vec2 a, b;
    if (!CircleCircle(ecc, v_[EccRodLen], top, v_[SwingLinkLen], 1, a) ||
        !CircleCircle(ecc, v_[EccRodLen], top, v_[SwingLinkLen], -1, b)) {
        failed_ = "Swing link";
        return;
    }
    side_ = a.y() >= b.y() ? 1 : -1;
}

void MarshallSolver::Solve(double crankDeg, double setting, GearPose& out) {
    out.PinCount = kMarshallPins;
    out.Failed = failed_;
    if (failed_) return;
    out.Failed = SolveAt(crankDeg * kRad, mid_ + sense_ * setting * kRad, out);
}

// Crank and crosshead; the rod end where the eccentric rod meets the swing link, on the
// reference side; the valve rod's pin on the eccentric rod; the valve rod on to the
// spindle, towards the cylinder.
const char* MarshallSolver::SolveAt(double crankRad, double armRad, GearPose& out) const {
    out.PinCount = kMarshallPins;
    auto& P = out.Pins;
    P[MAxle] = {0, 0};
    P[MReverseShaft] = {v_[ReverseShaftX], v_[ReverseShaftY]};
    P[MCrankPin] = OnCrank(P[MAxle], v_[StrokeLen] / 2, crankRad);
    if (!CircleLine(P[MCrankPin], v_[MainRodLen], {0, v_[CylCLHeight]}, {1, 0}, true,
                    P[MCrosshead]))
        return "Main rod";
    out.Crosshead = P[MCrosshead].x();
    P[MEccCentre] = OnCrank(P[MAxle], v_[EccThrow], crankRad + std::numbers::pi);
    const Vec2 arm(std::cos(armRad), std::sin(armRad));
    P[MSwingLinkTop] = P[MReverseShaft] + v_[ReverseArmLen] * arm;
    if (!CircleCircle(P[MEccCentre], v_[EccRodLen], P[MSwingLinkTop], v_[SwingLinkLen], side_,
                      P[MRodEnd]))
        return "Swing link";
    const Vec2 rod = (P[MRodEnd] - P[MEccCentre]) / v_[EccRodLen];
    P[MValveRodPin] = OnBody(P[MEccCentre], rod, v_[ValveRodPinAt], 0);
    if (!CircleLine(P[MValveRodPin], v_[ValveConnLen], {0, v_[ValveSpindleHeight]}, {1, 0},
                    true, P[MValvePin]))
        return "Valve rod";
    out.Valve = P[MValvePin].x() + v_[ValveRodLen] - v_[CylCtrToDriverCtr];
    // Along the rod end's arc from the shaft's place, + upwards (anticlockwise about the
    // swing link's top when the arm points to the rear).
    const Vec2 end = P[MRodEnd] - P[MSwingLinkTop], mid = P[MReverseShaft] - P[MSwingLinkTop];
    out.DiePlace = -v_[SwingLinkLen] * std::atan2(Cross(end, mid), end.dot(mid));
    return nullptr;
}

class MarshallKind final : public GearKind {
public:
    std::string_view Name() const override { return "marshall"; }
    std::string_view Caption() const override { return "Marshall gear"; }
    std::span<const Dimension> Dimensions() const override { return kDimensions; }
    std::span<const PinInfo> Pins() const override { return kPins; }
    std::span<const BodyInfo> Bodies() const override { return BodyTable(); }
    std::span<const GuideInfo> Guides() const override { return kGuides; }
    ReverserInfo Reverser() const override {
        return {"Reversing arm from mid gear", UnitKind::Angle, FullGearAngle, NormalGearAngle};
    }
    PortFace Face(const GearDesign& d) const override {
        auto c = [&d](Dim i) { return d.Values[std::size_t(i)]; };
        return {c(CylCtrToDriverCtr), c(ExhPortWidth), c(BridgeWidthRear),
                c(BridgeWidthFront), c(SteamPortWidthRear), c(SteamPortWidthFront),
                c(ValveLenRear), c(ValveLenFront), c(ValveExhCavityRear),
                c(ValveExhCavityFront), Admission::Outside};
    }
    GearDesign Sample() const override {
        GearDesign d{this, "Marshall gear, 24 in stroke, slide valve",
                     LengthUnit::Inch, {}, {}};
        for (const Dimension& dim : kDimensions) d.Values.push_back(dim.Default);
        return d;
    }
    std::unique_ptr<GearSolver> MakeSolver(const GearDesign& d) const override {
        return std::make_unique<MarshallSolver>(d);
    }
};

} // namespace

const GearKind& Marshall() {
    static const MarshallKind kind;
    return kind;
}

} // namespace vt::gears
