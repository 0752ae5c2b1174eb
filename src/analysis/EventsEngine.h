// The events engine: the valve events of one reverser setting and one direction of turning
// of any gear, each port event found as a root of its opening in crank angle, on the exact
// engine (gears/). Qt-free.
//
// How it works. With one solver of the design (GearTurn) at every angle it tries:
//  1. a coarse sweep of the crank, EngineOptions::CoarseStep apart (6 degrees: 60
//     solves). The step was chosen by measurement: on 400 designs made by varying every
//     dimension of the four classic sample designs at random by up to 5 % and 15 %, every
//     row had the same events with a first step of 1 to 20 degrees; at 30 degrees one row
//     lost an event. 6 keeps a margin of three;
//  2. the two dead centres, the crosshead's extremes: each the root, to Tolerance, of the
//     cross product of the crank and the main rod, which vanishes where they lie in line
//     (FindDeadCentres, PortOpening.h). With the crosshead's line through the axle they
//     are 0 and 180 degrees; raised or lowered a few degrees before or after, and the
//     strokes are no longer equal halves of the turn;
//  3. every local extreme of the valve's travel in that sweep refined by golden section
//     search (the die's greatest and least places too); since each opening is the valve's
//     travel plus or minus a constant, an opening that the coarse samples miss shows at the
//     refined extreme it surrounds;
//  4. each change of sign of each of the four openings between two of those samples
//     refined by the Illinois variant of regula falsi (bisection where it stalls) until
//     the bracket is at most EngineOptions::Tolerance wide (0.0001 degrees). The event is
//     the end of the final bracket whose opening is nearer zero: an angle that was solved.
//
// What the numbers mean.
//  - Crank angles are degrees of crank in the direction of turning, 0 <= angle < 360 (the
//    crank angle itself going forward, 360 less it in reverse): 0 is the crank pointing
//    at the cylinder along the axle's level. PositionEvents::FrontDeadCentre and
//    RearDeadCentre are the true dead centres on that scale.
//  - EventPoint::FromDeadCentre is the angle measured from this end's true dead centre,
//    -180 < angle <= 180: negative before the dead centre, positive after it. An
//    admission with a negative value is pre-admission (the port opens before the dead
//    centre: positive lead); a positive value is late admission (negative lead).
//  - EventPoint::Percent is the crosshead's distance from this end's dead centre in
//    percent of its whole travel (from one extreme to the other); SignedPercent() gives it
//    the sign of FromDeadCentre.
//  - A port is open when its opening is > 0. Of the port's openings in the turn the
//    longest is its admission and cut-off (release and compression for the exhaust). An
//    opening, or a closing, that lasts less than EngineOptions::GrazeDeg (0.5 degrees) is
//    a graze and no event: where an edge only touches a port, its opening stays within
//    rounding of zero and may cross it more than once. A port that never opens, or never
//    closes, has empty events.
//  - Lead is the opening to steam with the crosshead at this end's dead centre (> 0
//    open). The greatest openings are limited to the port's width. Full travel is the
//    range of the valve's travel, die slip the range of the die's place along its slot.
//    Openings are in the design's unit.
//
// How precise. The engine solves each pose to rounding, so each event is within
// Tolerance of the crank angle where the opening crosses zero, and each percentage is the
// crosshead's place solved there.
//
// A pose that cannot be assembled (a rod too short to reach its pin, a group that has no
// solution) is counted in FailedSolves with the first body that failed in FailedBody, and
// Ok() is false; so is a search that reaches its step limit.
//
// Cost: about 250 solves a position (bench_events). Nothing is shared between engines, so
// engines on different threads do not meet.
#pragma once

#include "gears/Gear.h"
#include "model/State.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vt {

class GearTurn;

struct EngineOptions {
    double Tolerance = 1e-4; // crank degrees: width of each root's final bracket and of each
                             // extreme's golden section search
    double CoarseStep = 6.0; // crank degrees between the first sweep's samples; the count
                             // 360 / step is rounded up to an even number
    double GrazeDeg = 0.5;   // crank degrees: a shorter opening or closing is no event
};

// Where in the turn one port event happens.
struct EventPoint {
    double Crank = 0;          // crank degrees in the direction of turning, [0, 360)
    double FromDeadCentre = 0; // degrees from this end's dead centre; < 0 before it
    double Percent = 0; // the crosshead's distance from this end's dead centre, % of its travel
    double SignedPercent() const { return FromDeadCentre < 0 ? -Percent : Percent; }
    bool operator==(const EventPoint&) const = default;
};

// One cylinder end. Openings in the design's unit (> 0 open, < 0 the lap left).
struct EndEvents {
    double Lead = 0; // opening to steam with the crosshead at this end's dead centre
    double MaxSteam = 0;
    double MaxExhaust = 0;
    std::optional<EventPoint> Admission, CutOff, Release, Compression;
    int SteamOpenings = 0;   // separate openings to steam in the turn, grazes left out
    int ExhaustOpenings = 0; // 0 too when the port never closes
};

struct PositionEvents {
    double Setting = 0;  // the reverser's setting from mid gear, + towards forward
    double Reverser = 0; // the reverser's own value there (GearSolver::ReverserValue)
    bool Forward = true; // the driver turns forward (angle increasing)
    EndEvents Front, Rear;
    double FrontDeadCentre = 0, RearDeadCentre = 180; // crank degrees: the crosshead's extremes
    double MinTravel = 0, MaxTravel = 0; // the valve's extremes
    double FullTravel = 0;               // MaxTravel - MinTravel
    double DieSlip = 0;                  // range of the die's place along its slot
    int Solves = 0;                      // poses solved
    int FailedSolves = 0;                // poses that could not be assembled
    const char* FailedBody = nullptr;    // the first body that failed; nullptr if none
    int UnconvergedSearches = 0;         // searches stopped by their step limit
    bool Ok() const { return FailedSolves == 0 && !FailedBody && UnconvergedSearches == 0; }
};

// Where a reverser setting lies: its offset from mid gear (+ towards forward) and the
// direction the driver turns there.
struct GearPlace {
    double Offset = 0;
    bool Forward = true;
    bool operator==(const GearPlace&) const = default;
};

// The events of one setting of a design.
PositionEvents FindEvents(const gears::GearDesign& d, double setting, bool forward,
                          const EngineOptions& o = {});
inline PositionEvents FindEvents(const gears::GearDesign& d, GearPlace p,
                                 const EngineOptions& o = {}) {
    return FindEvents(d, p.Offset, p.Forward, o);
}

// The same for many settings of one design, with one solver (which keeps its branches).
class EventsEngine {
public:
    explicit EventsEngine(const gears::GearDesign& d, const EngineOptions& o = {});
    ~EventsEngine();
    EventsEngine(const EventsEngine&) = delete;
    EventsEngine& operator=(const EventsEngine&) = delete;

    PositionEvents Find(double setting, bool forward);
    PositionEvents Find(GearPlace p) { return Find(p.Offset, p.Forward); }

private:
    EngineOptions options_;
    std::unique_ptr<GearTurn> turn_;
};

// A classic (.dvt) design's reverse arm position as a setting of its classic gear: the
// offset from its mid gear RevArmSet[0], + towards forward.
double SettingOfRevArm(const Mechanism& m, double revArmPos);

// The events of a classic design at a reverse arm position, on the exact engine.
PositionEvents FindEvents(const Mechanism& m, float revArmPos, bool forward,
                          const EngineOptions& o = {});

// Named gear positions, as the main window's buttons and the port events diagram place
// the reverse arm: from mid gear RevArmSet[0] by RevArmCentNorm or RevArmCentMax towards
// forward or reverse, forward lying on the + side when the sense is direct (SenseIsDirect).
enum class GearPosition { FullForward, NormalForward, MidGear, NormalReverse, FullReverse };
inline constexpr GearPosition kGearPositions[] = {
    GearPosition::FullForward, GearPosition::NormalForward, GearPosition::MidGear,
    GearPosition::NormalReverse, GearPosition::FullReverse};

// "full forward", "normal forward", "mid gear", "normal reverse", "full reverse".
const char* GearPositionName(GearPosition p);
// As the command line names it: "full-fwd", "normal-fwd", "mid", "normal-rev", "full-rev".
const char* GearPositionKey(GearPosition p);

struct GearSetting {
    float RevArmPos = 0;
    bool Forward = true; // the direction the driver turns in that gear; forward at mid gear
};

GearSetting GearAt(const Mechanism& m, GearPosition p);

// An offset from mid gear in model units, signed as the reverse arm bar (its position /
// 1000): > 0 towards forward, < 0 towards reverse, whichever side of mid gear that is.
GearSetting GearAtOffset(const Mechanism& m, double offset);

// "full-fwd", "normal-fwd", "mid", "normal-rev", "full-rev" (any case) or a signed
// decimal offset from mid gear as GearAtOffset takes it, within the reverse arm's range
// (mid gear +- RevArmCentMax, as its scroll bar); empty for anything else.
std::optional<GearSetting> ParseGearPosition(const Mechanism& m, std::string_view text);

// Whether the text has the form of a gear position, whatever the design.
bool IsGearPositionText(std::string_view text);

// Why the text is no gear position of this design, in plain words naming the reverse
// arm's range for an offset outside it; empty when ParseGearPosition takes it.
std::string GearPositionError(const Mechanism& m, std::string_view text);

// The same for any gear design: the named positions at SettingOf, an offset within
// +- its full gear.
GearPlace PlaceOf(const gears::GearDesign& d, GearPosition p);
std::optional<GearPlace> ParseGearPlace(const gears::GearDesign& d, std::string_view text);
std::string GearPositionError(const gears::GearDesign& d, std::string_view text);

} // namespace vt
