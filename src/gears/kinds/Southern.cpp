// The Southern valve gear on the exact engine; see Southern.h.
//
// Source of the geometry: the gear of W. S. Brown, made by the Southern Locomotive Valve
// Gear Co. (Knoxville, Tennessee), as described in his U.S. patents (about 1913-1915) and
// in the valve gear sections of the American locomotive references of the 1920s (e.g.
// "The Locomotive Cyclopedia of American Practice", Simmons-Boardman):
//  - no link swings: the only sliding part is the block, still except when reversing,
//    which the reverse shaft moves along a fixed track; the rod's front part hangs from it
//    by the radius hanger;
//  - the return crank stands about a quarter turn from the crank: its up-and-down motion,
//    in phase with the piston, moves the rod's extended front end up and down by the
//    rod's tilt, which the bell crank turns into the valve's lap and lead; its to-and-fro
//    motion, with the hanger's arc inclined by the block, adds the part a quarter turn
//    from the crank's: the travel, one way or the other;
//  - the block at the top of the track (the hanger upright) is mid gear.
// The sample is laid out so that the lead is the same in every notch: the track is curved
// to the hanger's length about the place the rod's end takes at both dead centres, so
// that there the block's place does not move the rod's end.
// This kind has no combination lever: the lap and lead come from the return crank.
// The sample's layout: a 22 x 28 in cylinder engine, slide valve with 1.25 in lap and
// 1/8 in lead; a 6 in return crank on a 60 in eccentric rod, whose end stands at
// (sqrt(60^2 - 6^2), 0) at both dead centres, the track's centre, the track and hanger
// 20 in; the drive pin 13.75 in beyond the hanger's pin, so that the rod's tilt moves it
// 6 x 13.75 / 60 = 1.375 in up or down at the dead centres; a bell crank of two 10 in
// arms over it on a 24 in transmission; the valve rod centres the valve at mid gear.
// Full gear takes the block 16 degrees round the track (about 80 % cut-off), the normal
// notch 4 (about 37 %).
// Every body is a closed form (dyads); mid gear by the rule of MidGearRule.h.
#include "gears/kinds/Southern.h"

#include "gears/KindSolver.h"
#include "gears/TableKind.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vt::gears {

namespace {

enum Dim : int {
    StrokeLen, MainRodLen, CylCLHeight, ReturnCrankThrow, ReturnCrankAngle, EccRodLen,
    DrivePinAt, HangerLen, TrackX, TrackY, TrackRadius, TransmissionLen, BellCrankX,
    BellCrankY, BellCrankArm, BellCrankDrop, ValveConnLen, ValveSpindleHeight, ValveRodLen,
    CylCtrToDriverCtr, ExhPortWidth, BridgeWidthFront, BridgeWidthRear, SteamPortWidthFront,
    SteamPortWidthRear, ValveLenFront, ValveLenRear, ValveExhCavityFront, ValveExhCavityRear,
    FullGearAngle, NormalGearAngle, kDims
};

constexpr UnitKind L = UnitKind::Length;
constexpr UnitKind A = UnitKind::Angle;

// name, caption, unit, default, sensible low/high, hard low/high, group
constexpr std::array<Dimension, 16> kOwnDimensions{{
    {"ReturnCrankThrow", "Return crank throw", L, 6, 2, 20, 1e-6, kBig, "Return crank"},
    {"ReturnCrankAngle", "Return crank ahead of crank", A, 90, 60, 120, -360, 360,
     "Return crank"},
    {"EccRodLen", "Eccentric rod, to hanger pin", L, 60, 20, 120, 1e-6, kBig,
     "Return crank"},
    {"DrivePinAt", "Drive pin from return crank pin", L, 73.75, 10, 150, -kBig, kBig,
     "Return crank"},
    {"HangerLen", "Radius hanger", L, 20, 4, 60, 1e-6, kBig, "Track"},
    {"TrackX", "Track centre from axle", L, 59.69925, 10, 150, -kBig, kBig, "Track"},
    {"TrackY", "Track centre height", L, 0, -30, 60, -kBig, kBig, "Track"},
    {"TrackRadius", "Track radius", L, 20, 4, 60, 1e-6, kBig, "Track"},
    {"TransmissionLen", "Transmission", L, 24, 4, 60, 1e-6, kBig, "Bell crank"},
    {"BellCrankX", "Bell crank pivot from axle", L, 83.38032, 10, 200, -kBig, kBig,
     "Bell crank"},
    {"BellCrankY", "Bell crank pivot height", L, 24, -20, 80, -kBig, kBig, "Bell crank"},
    {"BellCrankArm", "Bell crank level arm", L, 10, 2, 30, 1e-6, kBig, "Bell crank"},
    {"BellCrankDrop", "Bell crank drop arm", L, 10, 2, 30, 1e-6, kBig, "Bell crank"},
    {"ValveConnLen", "Valve rod", L, 40, 10, 150, 1e-6, kBig, "Valve rod"},
    {"ValveSpindleHeight", "Valve spindle above axle", L, 14, -30, 80, -kBig, kBig,
     "Valve rod"},
    {"ValveRodLen", "Valve pin to valve centre", L, 41.61960, -100, 100, -kBig, kBig,
     "Valve rod"},
}};

constexpr std::array<Dimension, 2> kReverserDimensions{{
    {"FullGearAngle", "Full gear block place", A, 16, 3, 60, 0, 80, "Reverser"},
    {"NormalGearAngle", "Normal gear block place", A, 4, 1, 50, 0, 80, "Reverser"},
}};

constexpr auto kDimensions = JoinDimensions(CrankDimensions(28, 120), kOwnDimensions,
                                            PortFaceDimensions(165), kReverserDimensions);
static_assert(kDimensions.size() == kDims);

const std::array<PinInfo, kSouthernPins> kPins{{
    {"Axle", true}, {"CrankPin", false}, {"Crosshead", false}, {"ReturnCrankPin", false},
    {"RodEnd", false}, {"DrivePin", false}, {"Block", false}, {"TrackCentre", true},
    {"BellCrankPivot", true}, {"BellCrankArm", false}, {"BellCrankDrop", false},
    {"ValvePin", false},
}};

const std::vector<BodyInfo>& BodyTable() {
    static const std::vector<BodyInfo> bodies{
        {"Frame", BodyRole::Frame, {SAxle, STrackCentre, SBellCrankPivot}},
        {"Crank", BodyRole::Crank, {SAxle, SCrankPin}},
        {"Return crank", BodyRole::ReturnCrank, {SAxle, SReturnCrankPin, SCrankPin},
         ReturnCrankThrow},
        {"Main rod", BodyRole::MainRod, {SCrankPin, SCrosshead}, MainRodLen},
        {"Eccentric rod", BodyRole::EccentricRod, {SReturnCrankPin, SRodEnd, SDrivePin},
         EccRodLen},
        {"Radius hanger", BodyRole::LiftingGear, {SBlock, SRodEnd}, HangerLen},
        {"Transmission", BodyRole::UnionLink, {SDrivePin, SBellCrankArm}, TransmissionLen},
        {"Bell crank", BodyRole::Rocker, {SBellCrankPivot, SBellCrankArm, SBellCrankDrop},
         BellCrankArm},
        {"Valve rod", BodyRole::ValveRod, {SBellCrankDrop, SValvePin}, ValveConnLen},
    };
    return bodies;
}

const std::array<GuideInfo, 3> kGuides{{
    {"Crosshead guide", GuideKind::Horizontal, SCrosshead, -1, ValueAt<CylCLHeight>},
    {"Valve spindle guide", GuideKind::Horizontal, SValvePin, -1, ValueAt<ValveSpindleHeight>},
    {"Track", GuideKind::Circle, SBlock, STrackCentre, ValueAt<TrackRadius>},
}};

// The reverser's angle: the block's direction from the track's centre, radians from +X.
class SouthernSolver final : public KindSolver {
public:
    explicit SouthernSolver(const GearDesign& d);

private:
    const char* SolveAt(double crankRad, double blockRad, GearPose& out) override;
    const char* PlaceBellCrank(GearPose& out) const;

    int rodSide_ = 0, armSide_ = 0;
};

// The reference assembly: crank on the front dead centre, the block at the top of the
// track, the rod's end below it ahead of the return crank, the bell crank's level arm to
// the rear of its pivot.
SouthernSolver::SouthernSolver(const GearDesign& d) : KindSolver(d, kDims, kSouthernPins) {
    if (failed_) return;
    const Vec2 track(v_[TrackX], v_[TrackY]), pivot(v_[BellCrankX], v_[BellCrankY]);
    const Vec2 block = track + v_[TrackRadius] * Dir(std::numbers::pi / 2);
    const Vec2 rc = OnCrank({0, 0}, v_[ReturnCrankThrow], v_[ReturnCrankAngle] * kRad);
    rodSide_ = SideOf(rc, block, block - Vec2(0, v_[HangerLen])) < 0 ? -1 : 1;
    GearPose p;
    if ((failed_ = SolveAt(0, std::numbers::pi / 2, p))) return;
    armSide_ = SideOf(p.Pin(SDrivePin), pivot, pivot - Vec2(v_[BellCrankArm], 0)) < 0 ? -1 : 1;
    if ((failed_ = SolveAt(0, std::numbers::pi / 2, p))) return;
    FindMidByQuarterTurn(std::numbers::pi / 2, v_[EccRodLen]);
    if (!failed_) FindSense();
}

// Crank and crosshead; the block on the track; the rod's end where the eccentric rod
// meets the hanger, on the reference side; the drive pin along the rod; then the bell
// crank and the valve.
const char* SouthernSolver::SolveAt(double crankRad, double blockRad, GearPose& out) {
    out.PinCount = kSouthernPins;
    auto& P = out.Pins;
    if (const char* f = PlaceCrosshead({SAxle, SCrankPin, SCrosshead}, v_[StrokeLen],
                                       v_[MainRodLen], v_[CylCLHeight], crankRad, out))
        return f;
    P[STrackCentre] = {v_[TrackX], v_[TrackY]};
    P[SBellCrankPivot] = {v_[BellCrankX], v_[BellCrankY]};
    P[SReturnCrankPin] =
        OnCrank(P[SAxle], v_[ReturnCrankThrow], crankRad + v_[ReturnCrankAngle] * kRad);
    P[SBlock] = P[STrackCentre] + v_[TrackRadius] * Dir(blockRad);
    if (!CircleCircle(P[SReturnCrankPin], v_[EccRodLen], P[SBlock], v_[HangerLen], rodSide_,
                      P[SRodEnd]))
        return "Radius hanger";
    const Vec2 rod = (P[SRodEnd] - P[SReturnCrankPin]) / v_[EccRodLen];
    P[SDrivePin] = OnBody(P[SReturnCrankPin], rod, v_[DrivePinAt], 0);
    out.DiePlace = v_[TrackRadius] * (blockRad - mid_);
    return PlaceBellCrank(out);
}

// The level arm's end where the transmission meets it, on the reference side; the drop
// arm a quarter turn anticlockwise from the level arm; the valve rod on to the spindle.
const char* SouthernSolver::PlaceBellCrank(GearPose& out) const {
    auto& P = out.Pins;
    const Vec2 pivot = P[SBellCrankPivot];
    if (!CircleCircle(P[SDrivePin], v_[TransmissionLen], pivot, v_[BellCrankArm], armSide_,
                      P[SBellCrankArm]))
        return "Transmission";
    const Vec2 arm = (P[SBellCrankArm] - pivot) / v_[BellCrankArm];
    P[SBellCrankDrop] = pivot + v_[BellCrankDrop] * Perp(arm);
    return PlaceValvePin({SBellCrankDrop, SValvePin, v_[ValveConnLen], v_[ValveSpindleHeight],
                          v_[ValveRodLen], v_[CylCtrToDriverCtr], "Valve rod"},
                         out);
}

} // namespace

const GearKind& Southern() {
    static const TableKind kind({"southern", "Southern valve gear",
                                 "Southern valve gear, 22 x 28 in cylinder, slide valve",
                                 kDimensions, kPins, BodyTable(), kGuides,
                                 {"Block from mid gear", UnitKind::Angle, FullGearAngle,
                                  NormalGearAngle},
                                 MakeSolverOf<SouthernSolver>});
    return kind;
}

} // namespace vt::gears
