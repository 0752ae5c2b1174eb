// Openings and laps of the valve over its ports; see PortFace.h.
#include "gears/PortFace.h"

namespace vt::gears {

namespace {

// How far each valve edge stands past the port edge it controls, > 0 open. The outer
// edges work the ports' outer edges, the inner (cavity) edges their inner edges.
struct EdgeGaps {
    double FrontOuter, FrontInner, RearOuter, RearInner;
};

EdgeGaps GapsAt(const PortFace& f, double travel) {
    const double h = f.ExhPortWidth / 2;
    const double frontIn = h + f.BridgeFront, frontOut = frontIn + f.SteamPortFront;
    const double rearIn = h + f.BridgeRear, rearOut = rearIn + f.SteamPortRear;
    return {frontOut - (travel + f.LenFront), (travel + f.CavityFront) - frontIn,
            (travel - f.LenRear) + rearOut, -rearIn - (travel - f.CavityRear)};
}

} // namespace

Openings OpeningsAt(const PortFace& f, double travel) {
    const EdgeGaps g = GapsAt(f, travel);
    if (f.Admit == Admission::Outside)
        return {g.FrontOuter, g.FrontInner, g.RearOuter, g.RearInner};
    return {g.FrontInner, g.FrontOuter, g.RearInner, g.RearOuter};
}

Laps LapsOf(const PortFace& f) {
    const Openings o = OpeningsAt(f, 0);
    return {-o.FrontSteam, -o.RearSteam, -o.FrontExhaust, -o.RearExhaust};
}

} // namespace vt::gears
