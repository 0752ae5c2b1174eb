// The events engine: the valve events of one reverse arm position and one direction of
// turning, each port event found as a root of its opening in crank angle. Qt-free.
//
// How it works. On a copy of the gear, with the system's own SolveLinkage and
// ComputeValveEvents at every angle it tries:
//  1. a coarse sweep of the driver, EngineOptions::CoarseStep apart (6 degrees: 60
//     solves). The step was chosen by measurement: on 400 designs made by varying every
//     dimension of the four sample designs at random by up to 5 % and 15 % (15,600 rows of
//     the default table), every row that the guards left alone had the same events with a
//     first step of 1, 4, 6, 8, 10, 15 and 20 degrees; at 30 degrees one row lost an
//     event. 6 keeps a margin of three and costs about a seventh more solves than 20;
//  2. the two dead centres, the crosshead's extremes: each the root, to Tolerance, of the
//     cross product of the crank and the main rod, which vanishes where they lie in line
//     (FindDeadCentres, PortOpening.h). With the cylinder's centre line through the axle
//     they are 0 and 180 degrees; with it raised or lowered ("Cyl CL above Driver ctr")
//     a few degrees before or after, and the strokes are no longer equal halves of the turn;
//  3. every local extreme of the valve's travel in that sweep refined by golden section
//     search (the die block's greatest and least places too); since each opening is the
//     valve's travel plus or minus a constant, an opening that the coarse samples miss
//     shows at the refined extreme it surrounds;
//  4. each change of sign of each of the four openings between two of those samples
//     refined by the Illinois variant of regula falsi (bisection where it stalls) until
//     the bracket is at most EngineOptions::Tolerance wide (0.0001 degrees). The event is
//     the end of the final bracket whose opening is nearer zero: an angle that was solved.
//
// What the numbers mean.
//  - Crank angles are degrees of crank in the direction of turning, 0 <= angle < 360 (the
//    driver angle itself going forward, 360 less it in reverse): 0 is the crank pointing
//    at the cylinder along the axle's level, the front dead centre when the cylinder's
//    centre line passes through the axle. PositionEvents::FrontDeadCentre and
//    RearDeadCentre are the true dead centres on that scale.
//  - EventPoint::FromDeadCentre is the angle measured from this end's true dead centre,
//    -180 < angle <= 180: negative before the dead centre, positive after it. An
//    admission with a negative value is pre-admission (the port opens before the dead
//    centre: positive lead); a positive value is late admission (negative lead).
//  - EventPoint::Percent is the crosshead's distance from this end's dead centre in
//    percent of its whole travel (from one extreme to the other); SignedPercent() gives it
//    the sign of FromDeadCentre. With the centre line through the axle this is the piston
//    formula of the port events diagram; raised or lowered it is not, and the main
//    window's readouts and diagrams keep that formula.
//  - A port is open when its opening is > 0. Of the port's openings in the turn the
//    longest is its admission and cut-off (release and compression for the exhaust). An
//    opening, or a closing, that lasts less than EngineOptions::GrazeDeg (0.5 degrees) is
//    a graze and no event: the solver's own link search resolves the valve's place to
//    about 0.00005, so where an edge only touches a port the opening flickers about zero.
//    A port that never opens, or never closes, has empty events.
//  - Lead is the opening to steam with the crosshead at this end's dead centre (> 0
//    open). The greatest openings are limited to the port's width. Full travel is the
//    range of ValveTravel, die slip the range of the die block's place along the link's
//    arc (DieBlockPlace).
//
// How precise. Each event is a change of state of the solver's opening: the final
// bracket is at most Tolerance wide and has the port open at one end and closed at the
// other. Where the opening crosses zero smoothly, the opening solved at the reported angle
// is within one step of the 32-bit valve position of zero (about 0.000001). The solver
// itself resolves the valve's place only to about 0.00005, though: its link search stops
// up to 0.00016 past the link pin's height, and between two angles however close an
// opening can jump by up to 0.0001. Where such a jump carries it across zero (a few
// events in a hundred of the sample designs) no angle there has an opening nearer zero
// than the jump allows, and where the opening changes slowly the jumps blur the event
// by 0.0001 / (its change a degree) degrees; any honest answer lies within that blur.
// The crosshead moves at most about 1 % of its travel a degree, and its place is a 32-bit
// value, so the percentages are exact to about 0.0002 % for the angle found (the last
// digit of the CSV's three decimals can differ from the piston formula's), and halving
// Tolerance moves none by more than that: the
// root and extreme searches visit the same angles whatever the tolerance and only stop
// earlier or later. Against a sweep of the driver in 0.05 degree steps with linear
// interpolation, each event agrees within that sweep's step widened by the blur.
//
// Impossible geometry goes through the solver's guards; their beeps are counted in
// GuardBeeps, never sounded. A solve whose link search gives up, a value that is not
// finite, or a search that reaches its iteration limit is counted, and Ok() is false.
//
// Cost: with the built-in design about 250 solves, 0.3 ms (bench_events); the default
// table of 41 positions about 10,000 times one solve. The copy of the gear is the
// Mechanism record (1.5 KB of numbers and four short strings) in a fresh State, made
// once per FindEvents or per EventsEngine (0.2 microseconds). Nothing is shared between
// engines, so engines on different threads do not meet.
#pragma once

#include "model/State.h"

#include <optional>
#include <string>
#include <string_view>

namespace vt {

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

// One cylinder end. Openings in model units (> 0 open, < 0 the lap left).
struct EndEvents {
    float Lead = 0; // opening to steam with the crosshead at this end's dead centre
    float MaxSteam = 0;
    float MaxExhaust = 0;
    std::optional<EventPoint> Admission, CutOff, Release, Compression;
    int SteamOpenings = 0;   // separate openings to steam in the turn, grazes left out
    int ExhaustOpenings = 0; // 0 too when the port never closes
};

struct PositionEvents {
    float RevArmPos = 0;
    bool Forward = true; // the driver turns forward (angle increasing)
    EndEvents Front, Rear;
    double FrontDeadCentre = 0, RearDeadCentre = 180; // crank degrees: the crosshead's extremes
    float MinTravel = 0, MaxTravel = 0; // the valve's extremes (ValveTravel)
    float FullTravel = 0;               // MaxTravel - MinTravel
    float DieSlip = 0;                  // range of DieBlockPlace over the turn
    int GuardBeeps = 0;                 // guard clamps met (impossible geometry), not sounded
    int Solves = 0;                     // SolveLinkage + ComputeValveEvents pairs used
    int GaveUpSolves = 0;               // solves whose link search gave up
    int NonFiniteSolves = 0;            // solves with an opening or the piston not finite
    int UnconvergedSearches = 0;        // searches stopped by their iteration limit
    bool Ok() const {
        return GaveUpSolves == 0 && NonFiniteSolves == 0 && UnconvergedSearches == 0;
    }
};

// The events of one position; `m` is not changed (the engine solves a copy).
PositionEvents FindEvents(const Mechanism& m, float revArmPos, bool forward,
                          const EngineOptions& o = {});

// The same for many positions of one design, with one copy of the gear.
class EventsEngine {
public:
    explicit EventsEngine(const Mechanism& m, const EngineOptions& o = {});
    EventsEngine(const EventsEngine&) = delete;
    EventsEngine& operator=(const EventsEngine&) = delete;

    PositionEvents Find(float revArmPos, bool forward);

private:
    State gear_;
    EngineOptions options_;
    int beeps_ = 0;
};

// Position along the link's arc of the die block (pivot 8) from the link centre point
// (pivot 24), signed, in model units: the quantity whose range is the die slip.
double DieBlockPlace(const Mechanism& m);

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

} // namespace vt
