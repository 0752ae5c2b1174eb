// The parts of the dimension tables that several gear kinds share, each with the kind's
// own defaults where they differ, and the join that makes one table of them.
#pragma once

#include "gears/Gear.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace vt::gears {

inline constexpr double kBig = 1e5; // hard bound of any length, inches or millimetres

// The crank and main rod every kind but the classic one starts its table with: StrokeLen,
// MainRodLen, CylCLHeight (the crosshead's line above the axle).
constexpr std::array<Dimension, 3> CrankDimensions(double stroke, double mainRod) {
    constexpr UnitKind L = UnitKind::Length;
    return {{
        {"StrokeLen", "Stroke", L, stroke, 10, 40, 1e-6, kBig, "Crank and rods"},
        {"MainRodLen", "Main rod", L, mainRod, 40, 200, 1e-6, kBig, "Crank and rods"},
        {"CylCLHeight", "Crosshead line above axle", L, 0, -30, 30, -kBig, kBig,
         "Crank and rods"},
    }};
}

// The crosshead arm and the return crank with its eccentric rod, of the gears that take
// the valve's lap and lead from the crosshead through a combination lever: CrossheadArmX,
// CrossheadArmDrop, ReturnCrankThrow, ReturnCrankAngle (ahead of the crank), EccRodLen.
constexpr std::array<Dimension, 5> ReturnCrankDimensions(double armDrop, double throw_,
                                                         double angle, double eccRod) {
    constexpr UnitKind L = UnitKind::Length;
    return {{
        {"CrossheadArmX", "Crosshead arm ahead of crosshead", L, 0, -20, 20, -kBig, kBig,
         "Crank and rods"},
        {"CrossheadArmDrop", "Crosshead arm below crosshead", L, armDrop, 0, 40, -kBig, kBig,
         "Crank and rods"},
        {"ReturnCrankThrow", "Return crank throw", L, throw_, 2, 20, 1e-6, kBig,
         "Return crank"},
        {"ReturnCrankAngle", "Return crank ahead of crank", UnitKind::Angle, angle, 60, 120,
         -360, 360, "Return crank"},
        {"EccRodLen", "Eccentric rod", L, eccRod, 30, 120, 1e-6, kBig, "Return crank"},
    }};
}

// The valve rod of the radial gears that take it from a pin on the eccentric rod
// (Hackworth's, Marshall's): ValveRodPinAt (along the rod from the eccentric's centre),
// ValveConnLen (the valve rod), ValveSpindleHeight, ValveRodLen (valve pin to valve
// centre); the defaults those gears' 24 in stroke samples share.
inline constexpr std::array<Dimension, 4> kRadialValveRodDimensions{{
    {"ValveRodPinAt", "Valve rod pin from eccentric centre", UnitKind::Length, 35.625, 5, 120,
     -kBig, kBig, "Valve rod"},
    {"ValveConnLen", "Valve rod", UnitKind::Length, 72, 10, 150, 1e-6, kBig, "Valve rod"},
    {"ValveSpindleHeight", "Valve spindle above axle", UnitKind::Length, 35.446428, -30,
     100, -kBig, kBig, "Valve rod"},
    {"ValveRodLen", "Valve pin to valve centre", UnitKind::Length, 67, -100, 100, -kBig, kBig,
     "Valve rod"},
}};

// The port face and valve dimensions every kind but the classic one shares, in this order
// from CylCtrToDriverCtr (its default the kind's own) to ValveExhCavityRear.
inline constexpr std::size_t kPortFaceDims = 10;
constexpr std::array<Dimension, kPortFaceDims> PortFaceDimensions(double cylinderCentre) {
    constexpr UnitKind L = UnitKind::Length;
    // name, caption, unit, default, sensible low/high, hard low/high, group
    return {{
        {"CylCtrToDriverCtr", "Cylinder centre from axle", L, cylinderCentre, 60, 300, -kBig,
         kBig, "Port face"},
        {"ExhPortWidth", "Exhaust port", L, 3.5, 0.5, 8, 0, kBig, "Port face"},
        {"BridgeWidthFront", "Front bridge", L, 1.25, 0.25, 3, 0, kBig, "Port face"},
        {"BridgeWidthRear", "Rear bridge", L, 1.25, 0.25, 3, 0, kBig, "Port face"},
        {"SteamPortWidthFront", "Front steam port", L, 1.75, 0.5, 4, 0, kBig, "Port face"},
        {"SteamPortWidthRear", "Rear steam port", L, 1.75, 0.5, 4, 0, kBig, "Port face"},
        {"ValveLenFront", "Valve front half", L, 6, 1, 12, 0, kBig, "Valve"},
        {"ValveLenRear", "Valve rear half", L, 6, 1, 12, 0, kBig, "Valve"},
        {"ValveExhCavityFront", "Cavity front half", L, 3, 0.5, 10, 0, kBig, "Valve"},
        {"ValveExhCavityRear", "Cavity rear half", L, 3, 0.5, 10, 0, kBig, "Valve"},
    }};
}

// The valve's admission as a choice (outside, inside), for kinds that offer piston valves.
inline constexpr std::array<Dimension, 1> kAdmissionDimension{{
    {"Admission", "Admission", UnitKind::Choice, 0, 0, 1, 0, 1, "Valve", "outside|inside"}}};

// One dimension table from its parts, in order.
template <std::size_t... N>
constexpr std::array<Dimension, (N + ...)>
JoinDimensions(const std::array<Dimension, N>&... parts) {
    std::array<Dimension, (N + ...)> all{};
    std::size_t i = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + std::ptrdiff_t(i)), i += N), ...);
    return all;
}

} // namespace vt::gears
