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

#include "gears/MidGearRule.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vt::gears {

namespace {

constexpr double kBig = 1e5; // hard bound of any length, inches or millimetres
constexpr double kRad = std::numbers::pi / 180.0;

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
const std::array<Dimension, kDims> kDimensions{{
    {"StrokeLen", "Stroke", L, 24, 10, 40, 1e-6, kBig, "Crank and rods"},
    {"MainRodLen", "Main rod", L, 90, 40, 200, 1e-6, kBig, "Crank and rods"},
    {"CylCLHeight", "Crosshead line above axle", L, 0, -30, 30, -kBig, kBig,
     "Crank and rods"},
    {"EccThrow", "Eccentric throw", L, 5, 1, 10, 1e-6, kBig, "Eccentric"},
    {"EccRodLen", "Eccentric rod, centre to die", L, 50, 20, 120, 1e-6, kBig, "Eccentric"},
    {"SlideX", "Slide pivot from axle", L, 0, -30, 30, -kBig, kBig, "Slide"},
    {"SlideY", "Slide pivot height", L, 49.749372, 20, 120, -kBig, kBig, "Slide"},
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
    {"FullGearAngle", "Full gear slide tilt", A, 30, 5, 60, 0, 80, "Reverser"},
    {"NormalGearAngle", "Normal gear slide tilt", A, 12, 1, 50, 0, 80, "Reverser"},
}};

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

double V(std::span<const double> v, Dim d) { return v[std::size_t(d)]; }

const std::array<GuideInfo, 2> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, HCrosshead, -1,
     [](std::span<const double> v) { return V(v, CylCLHeight); }},
    {"Valve spindle guide", GuideKind::Horizontal, HValvePin, -1,
     [](std::span<const double> v) { return V(v, ValveSpindleHeight); }},
}};

class HackworthSolver final : public GearSolver {
public:
    explicit HackworthSolver(const GearDesign& d);
    void Solve(double crankDeg, double setting, GearPose& out) override;
    double MidGear() const override { return mid_ / kRad; }
    const char* Failed() const override { return failed_; }

private:
    const char* SolveAt(double crankRad, double slideRad, GearPose& out) const;

    std::vector<double> v_;
    double mid_ = 0;   // the slide's angle from +X at mid gear, radians
    double sense_ = 1; // slide turn per unit setting: +1 or -1
    const char* failed_ = nullptr;
};

HackworthSolver::HackworthSolver(const GearDesign& d) : v_(d.Values) {
    if (v_.size() != kDims) {
        v_.assign(kDims, 0);
        failed_ = "Design";
        return;
    }
    const char* failed = nullptr;
    auto valve = [&](double c, double slide, bool& ok) {
        GearPose p;
        if (ok && (failed = SolveAt(c, slide, p))) ok = false;
        return p.Valve;
    };
    if (!FindMidGear(valve, std::numbers::pi / 2, kRad, v_[EccRodLen], mid_)) {
        failed_ = failed;
        return;
    }
    // Forward: at mid stroke the front port admits, so the valve stands to the rear.
    GearPose up, down;
    failed_ = SolveAt(90 * kRad, mid_ + kRad, up);
    if (!failed_) failed_ = SolveAt(90 * kRad, mid_ - kRad, down);
    sense_ = up.Valve < down.Valve ? 1 : -1;
}

void HackworthSolver::Solve(double crankDeg, double setting, GearPose& out) {
    out.PinCount = kHackworthPins;
    out.Failed = failed_;
    if (failed_) return;
    out.Failed = SolveAt(crankDeg * kRad, mid_ + sense_ * setting * kRad, out);
}

// Crank and crosshead; the die on the slide, the root further along the slide's upward
// direction; the valve rod's pin on the eccentric rod; the valve rod on to the spindle,
// towards the cylinder.
const char* HackworthSolver::SolveAt(double crankRad, double slideRad, GearPose& out) const {
    out.PinCount = kHackworthPins;
    auto& P = out.Pins;
    P[HAxle] = {0, 0};
    P[HSlidePivot] = {v_[SlideX], v_[SlideY]};
    P[HCrankPin] = OnCrank(P[HAxle], v_[StrokeLen] / 2, crankRad);
    if (!CircleLine(P[HCrankPin], v_[MainRodLen], {0, v_[CylCLHeight]}, {1, 0}, true,
                    P[HCrosshead]))
        return "Main rod";
    out.Crosshead = P[HCrosshead].x();
    P[HEccCentre] = OnCrank(P[HAxle], v_[EccThrow], crankRad + std::numbers::pi);
    const Vec2 along(std::cos(slideRad), std::sin(slideRad));
    if (!CircleLine(P[HEccCentre], v_[EccRodLen], P[HSlidePivot], along, true, P[HDie]))
        return "Eccentric rod";
    const Vec2 rod = (P[HDie] - P[HEccCentre]) / v_[EccRodLen];
    P[HValveRodPin] = OnBody(P[HEccCentre], rod, v_[ValveRodPinAt], 0);
    if (!CircleLine(P[HValveRodPin], v_[ValveConnLen], {0, v_[ValveSpindleHeight]}, {1, 0},
                    true, P[HValvePin]))
        return "Valve rod";
    out.Valve = P[HValvePin].x() + v_[ValveRodLen] - v_[CylCtrToDriverCtr];
    out.DiePlace = (P[HDie] - P[HSlidePivot]).dot(along);
    return nullptr;
}

class HackworthKind final : public GearKind {
public:
    std::string_view Name() const override { return "hackworth"; }
    std::string_view Caption() const override { return "Hackworth radial gear"; }
    std::span<const Dimension> Dimensions() const override { return kDimensions; }
    std::span<const PinInfo> Pins() const override { return kPins; }
    std::span<const BodyInfo> Bodies() const override { return BodyTable(); }
    std::span<const GuideInfo> Guides() const override { return kGuides; }
    ReverserInfo Reverser() const override {
        return {"Slide tilt from mid gear", UnitKind::Angle, FullGearAngle, NormalGearAngle};
    }
    PortFace Face(const GearDesign& d) const override {
        auto c = [&d](Dim i) { return d.Values[std::size_t(i)]; };
        return {c(CylCtrToDriverCtr), c(ExhPortWidth), c(BridgeWidthRear),
                c(BridgeWidthFront), c(SteamPortWidthRear), c(SteamPortWidthFront),
                c(ValveLenRear), c(ValveLenFront), c(ValveExhCavityRear),
                c(ValveExhCavityFront), Admission::Outside};
    }
    GearDesign Sample() const override {
        GearDesign d{this, "Hackworth radial gear, 24 in stroke, slide valve",
                     LengthUnit::Inch, {}, {}};
        for (const Dimension& dim : kDimensions) d.Values.push_back(dim.Default);
        return d;
    }
    std::unique_ptr<GearSolver> MakeSolver(const GearDesign& d) const override {
        return std::make_unique<HackworthSolver>(d);
    }
};

} // namespace

const GearKind& Hackworth() {
    static const HackworthKind kind;
    return kind;
}

} // namespace vt::gears
