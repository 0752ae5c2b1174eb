// The valve over its ports: the port face and valve of any gear, the four openings at a
// valve displacement, and the laps they imply. Outside admission (a slide valve: steam
// round the valve, exhaust through its cavity) or inside admission (a piston valve: steam
// between its heads, exhaust past its outer edges).
#pragma once

namespace vt::gears {

enum class Admission { Outside, Inside };

// Along the port face from rear (-X) to front (+X): rear steam port, rear bridge, the
// central port, front bridge, front steam port, centred on Centre. The valve's outer edges
// stand LenRear / LenFront from its centre, its inner (cavity) edges CavityRear /
// CavityFront. Lengths in the design's unit.
struct PortFace {
    double Centre = 0; // X of the port face's middle (CylCtrToDriverCtr)
    double ExhPortWidth = 0;
    double BridgeRear = 0, BridgeFront = 0;
    double SteamPortRear = 0, SteamPortFront = 0;
    double LenRear = 0, LenFront = 0;
    double CavityRear = 0, CavityFront = 0;
    Admission Admit = Admission::Outside;
};

// Openings at one valve displacement; > 0 open by that width, < 0 the lap left.
struct Openings {
    double FrontSteam = 0, FrontExhaust = 0;
    double RearSteam = 0, RearExhaust = 0;
};

// `travel`: the valve centre's displacement from the port face's middle, + towards the
// front. Outside admission gives exactly the classic gear's openings.
Openings OpeningsAt(const PortFace& f, double travel);

// The laps with the valve in its middle place, + for lap, - for clearance: the steam lap
// of each end (how far the valve must move to open it to steam) and its exhaust lap.
struct Laps {
    double FrontSteam = 0, RearSteam = 0;
    double FrontExhaust = 0, RearExhaust = 0;
};
Laps LapsOf(const PortFace& f);

} // namespace vt::gears
