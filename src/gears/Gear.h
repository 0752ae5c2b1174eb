// What the engine knows of one kind of valve gear (its tables of facts), one design of it
// (the values), and one solved pose of it. Every gear is one class of this interface in a
// file pair of its own; nothing else ever asks which gear it has.
#pragma once

#include "gears/Planar.h"
#include "gears/PortFace.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vt::gears {

class GearKind;

enum class UnitKind { Length, Angle, Choice }; // angles in degrees; a choice is 0, 1, ...

// One dimension of a gear kind. Bounds are in the kind's sample unit (Sample().Unit):
// outside Low..High a value is unusual but solved; outside HardLow..HardHigh it is refused.
struct Dimension {
    const char* Name;    // field name, as the gear file and the report spell it
    const char* Caption; // what an editor shows
    UnitKind Unit;
    double Default; // the kind's sample design
    double Low, High;
    double HardLow, HardHigh;
    const char* Group;               // the editor's group
    const char* Choices = nullptr;   // a choice's value texts, '|' between: "outside|inside"
    const char* Alias = nullptr;     // an older field name that DimensionIndex also takes
};

struct PinInfo {
    const char* Name;
    bool Fixed; // on the frame: never moves
};

// What a body is, for its drawing colour.
enum class BodyRole {
    Frame, Crank, Eccentric, ReturnCrank, EccentricRod, MainRod, Crosshead, Link,
    RadiusRod, Lever, UnionLink, ValveSpindle, ValveRod, LiftingGear, Rocker
};

// A rigid body: every pair of its pins keeps its distance. A rod with LengthDim >= 0 is
// that dimension long between its first two pins.
struct BodyInfo {
    const char* Name;
    BodyRole Role;
    std::vector<int> Pins; // indices into the kind's pins
    int LengthDim = -1;
};

// A pin that slides: on the horizontal line at height Value(design), or on the circle of
// radius Value(design) about pin Centre.
enum class GuideKind { Horizontal, Circle };
struct GuideInfo {
    const char* Name;
    GuideKind Kind;
    int Pin;
    int Centre; // the circle's centre pin; -1 for a line
    double (*Value)(std::span<const double> values);
};

// The reverser: a scalar measured from mid gear, + towards forward, within
// -values[FullDim] .. +values[FullDim]; the normal notch at +-values[NormalDim].
struct ReverserInfo {
    const char* Caption; // "Reverse arm offset from mid gear", ...
    UnitKind Unit;
    int FullDim;
    int NormalDim;
    // The reverser's own value (GearSolver::ReverserValue) as a table's column names it.
    const char* Label = "Setting"; // a listing's
    const char* Key = "setting";   // a CSV's
};

enum class LengthUnit { Inch, Millimetre, Units };
std::string_view UnitName(LengthUnit u); // "in", "mm", "units"
std::optional<LengthUnit> ParseUnit(std::string_view text);

// Lengths in `from` times this are in `to` (25.4 from inches to millimetres); 1 where
// either is the free unit, which has no size. For a kind's bounds in another unit.
double UnitFactor(LengthUnit from, LengthUnit to);

enum class NamedPosition { FullForward, NormalForward, Mid, NormalReverse, FullReverse };
inline constexpr std::array<NamedPosition, 5> kNamedPositions{
    NamedPosition::FullForward, NamedPosition::NormalForward, NamedPosition::Mid,
    NamedPosition::NormalReverse, NamedPosition::FullReverse};
std::string_view PositionName(NamedPosition p); // "full-fwd", "normal-fwd", "mid", ...

// A reverser setting a design keeps under a name (offset from mid gear, + forward).
struct StoredPosition {
    std::string Name;
    double Setting = 0;
    bool operator==(const StoredPosition&) const = default;
};

// One design of one kind: a value for each of the kind's dimensions, in its order.
struct GearDesign {
    const GearKind* Kind = nullptr;
    std::string Name;
    LengthUnit Unit = LengthUnit::Units;
    std::vector<double> Values;
    std::vector<StoredPosition> Positions;

    // The value of the dimension of this field name; throws std::out_of_range if unknown.
    double Value(std::string_view field) const;
    void Set(std::string_view field, double v);
    bool operator==(const GearDesign&) const = default;
};

// The reverser setting of a named position of this design.
double SettingOf(const GearDesign& d, NamedPosition p);

inline constexpr int kMaxPins = 32;

// One solved pose. Pins are in the kind's pin order, in the design's unit. When the pose
// failed, only Failed means anything: the other fields hold whatever was placed before.
struct GearPose {
    std::array<Vec2, kMaxPins> Pins{};
    int PinCount = 0;
    double Valve = 0;     // valve centre from its middle place (port face centre), + front
    double Crosshead = 0; // X of the crosshead pin
    double DiePlace = 0;  // die along the slot from the slot's middle, + upwards
    const char* Failed = nullptr; // the body that could not be assembled; nullptr when ok
    bool Ok() const { return Failed == nullptr; }
    const Vec2& Pin(int i) const { return Pins[std::size_t(i)]; }
};

// Solves one design. Keeps the branch of the design's reference assembly and starts each
// group's Newton solve from the previous pose, so one instance serves one thread.
class GearSolver {
public:
    GearSolver() = default;
    GearSolver(const GearSolver&) = delete;
    GearSolver& operator=(const GearSolver&) = delete;
    virtual ~GearSolver() = default;

    // Every pin at this crank angle (degrees, clockwise on the screen from the crank
    // towards the cylinder) and reverser setting (from mid gear, + towards forward).
    // No allocation. A pose that cannot be assembled names the body in out.Failed.
    virtual void Solve(double crankDeg, double setting, GearPose& out) = 0;
    GearPose Solve(double crankDeg, double setting) {
        GearPose p;
        Solve(crankDeg, setting, p);
        return p;
    }

    // The reverser's mid-gear value by the kind's own rule, in its own terms (the classic
    // reverse arm position; Walschaerts' lifting arm angle from +X, degrees).
    virtual double MidGear() const = 0;

    // The reverser's own value at a setting, as the kind's designers read it (the classic
    // reverse arm's position); the setting itself where the kind has no other.
    virtual double ReverserValue(double setting) const { return setting; }

    // The body whose reference assembly (or mid gear) failed, or "Design" for values that
    // do not fit the kind's table; nullptr when the design assembles. A solver that failed
    // here fails every Solve with it.
    virtual const char* Failed() const = 0;
};

class GearKind {
public:
    virtual ~GearKind() = default;

    virtual std::string_view Name() const = 0;    // "classic", "walschaerts"
    virtual std::string_view Caption() const = 0; // "Walschaerts gear"
    virtual std::span<const Dimension> Dimensions() const = 0;
    virtual std::span<const PinInfo> Pins() const = 0;
    virtual std::span<const BodyInfo> Bodies() const = 0;
    virtual std::span<const GuideInfo> Guides() const = 0;
    virtual ReverserInfo Reverser() const = 0;

    // The port face and valve of a design.
    virtual PortFace Face(const GearDesign& d) const = 0;
    // The kind's sample design: the defaults of its dimension table.
    virtual GearDesign Sample() const = 0;
    virtual std::unique_ptr<GearSolver> MakeSolver(const GearDesign& d) const = 0;

    // Index of a dimension or pin by name; -1 if it has none of that name.
    int DimensionIndex(std::string_view name) const;
    int PinIndex(std::string_view name) const;
};

} // namespace vt::gears
