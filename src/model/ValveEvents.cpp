// Port-edge values and the valve events of one solved position.
//
// Along the port face, from rear to front, with Xc the cylinder centre and h half the
// exhaust port: rear steam port, rear bridge, exhaust port (Xc - h .. Xc + h), front
// bridge, front steam port. The valve centre is Xv = PivotX[4] + ValveStemLen.
#include "model/ValveEvents.h"

#include "model/Guards.h"
#include "model/Real.h"

#include <cmath>

namespace vt {

void ComputePortEdges(Mechanism& m) {
    const double xc = m.CylCtrToDriverCtr;
    const double h = m.ExhPortWidth / 2.0;
    m.ValveTravel = F32(double(m.PivotX[4]) + m.ValveStemLen - xc);
    m.FrontSteamOpenTravel = F32(h + m.BridgeWidthFront + m.SteamPortWidthFront - m.ValveLenFront);
    m.FrontSteamMaxTravel = F32(h + m.BridgeWidthFront - m.ValveLenFront);
    m.FrontExhOpenTravel = F32(h + m.BridgeWidthFront - m.ValveExhCavityFront);
    m.RearSteamOpenTravel = F32(h + m.BridgeWidthRear + m.SteamPortWidthRear - m.ValveLenRear);
    m.RearSteamMaxTravel = F32(h + m.BridgeWidthRear - m.ValveLenRear);
    m.RearExhOpenTravel = F32(h + m.BridgeWidthRear - m.ValveExhCavityRear);
    m.LeadBaseUpper = F32(m.SteamPortWidthRear + m.BridgeWidthRear + h + m.ValveStemLen -
                          m.ValveLenRear - xc);
    m.LeadBaseLower = F32(m.SteamPortWidthFront + m.BridgeWidthFront + h + xc - m.ValveStemLen -
                          m.ValveLenFront);
    m.LapUpper = F32(m.ValveLenFront - h - m.BridgeWidthFront - m.SteamPortWidthFront);
    m.LapLower = F32(m.ValveLenRear - h - m.BridgeWidthRear - m.SteamPortWidthRear);
    m.ExClUpper = F32(m.ValveExhCavityFront - h - m.BridgeWidthFront);
    m.ExClLower = F32(m.ValveExhCavityRear - h - m.BridgeWidthRear);
}

// PistonPos = 320 - (cos t + 2 sqrt(L^2 - (S/2 sin t)^2) / S - 2 L / S) x 320, with L the
// main rod and S the stroke: 0 at the front dead centre, 640 at the rear.
void ComputeValveEvents(State& s) {
    const double theta = s.DriverAngle * kRadPerDeg;
    const double stroke = GuardedDivisor(s, s.StrokeLen);
    const double rod = GuardedRoot(s, Sq(s.MainRodLen) - Sq(std::sin(theta) * s.StrokeLen / 2.0));
    s.PistonPos = F32(320.0 - (std::cos(theta) + 2.0 * rod / stroke -
                               2.0 * s.MainRodLen / stroke) * 320.0);

    const double xc = s.CylCtrToDriverCtr;
    const double h = s.ExhPortWidth / 2.0;
    const double xv = double(s.PivotX[4]) + s.ValveStemLen; // valve centre
    s.FrontSteamOpening = F32(xc + h + s.BridgeWidthFront + s.SteamPortWidthFront -
                              (xv + s.ValveLenFront));
    s.FrontExhOpening = F32(xv + s.ValveExhCavityFront - (xc + h + s.BridgeWidthFront));
    s.RearSteamOpening = F32(xv - s.ValveLenRear - (xc - h - s.BridgeWidthRear -
                                                    s.SteamPortWidthRear));
    s.RearExhOpening = F32(xc - h - s.BridgeWidthRear - (xv - s.ValveExhCavityRear));
}

} // namespace vt
