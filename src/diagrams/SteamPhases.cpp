// The phase model of one cylinder end; see SteamPhases.h.
//
// Both ends obey the same laws measured from their own dead centre: u = x at the front,
// u = 640 - x at the rear, so the rear's (640 - xp) / (641 - x) is the front's
// xp / (x + 1) and its 685 - x the front's x + 45. The steps, with P the pressure:
//   exhaust      P = P - release / 15, at least 5
//   compression  P = P + (up / (u + 1) + 0.3)^4
//   admission    P = P + opening x 100000 / (u + 45), at most 303
//   expansion    P = (up + 100) P / (u + 100) x 0.96
#include "diagrams/SteamPhases.h"

#include "model/Real.h"

#include <algorithm>

namespace vt {

namespace {

struct Travel {
    double u, up; // the piston from this end's dead centre, now and before
};

Travel FromEnd(CylEnd end, float x, float xp) {
    if (end == CylEnd::Front) return {x, xp};
    return {640.0 - double(x), 640.0 - double(xp)};
}

void Exhaust(SteamEnd& e) {
    e.Pressure = F32(std::max(e.Pressure - e.ReleasePressure / 15.0, kExhaustFloor));
}

void Compression(SteamEnd& e, Travel t) {
    const double c = t.up / (t.u + 1) + 0.3;
    e.Pressure = F32(e.Pressure + Sq(Sq(c)));
}

void Admission(SteamEnd& e, float& opening, Travel t) {
    if (opening < kMinAdmissionOpening) opening = kMinAdmissionOpening;
    e.Pressure = F32(std::min(e.Pressure + opening * 100000.0 / (t.u + 45), kAdmissionCeiling));
}

void Expansion(SteamEnd& e, Travel t) {
    e.Pressure = F32((t.up + 100) * e.Pressure / (t.u + 100) * 0.96);
}

} // namespace

void StepSteamEnd(SteamEnd& e, CylEnd end, EndPorts ports, float x, float xp) {
    const Travel t = FromEnd(end, x, xp);
    const bool exhaustOpen = ports.exhaust > 0;
    switch (e.Phase) {
    case '1':
        if (exhaustOpen) {
            Exhaust(e);
        } else {
            Compression(e, t);
            e.Phase = '2';
        }
        break;
    case '2':
        if (ports.steam > 0) {
            Admission(e, ports.steam, t);
            e.Phase = '3';
        } else {
            Compression(e, t);
        }
        if (t.up < t.u) e.Phase = '3'; // past the dead centre
        break;
    case '3':
        if (ports.steam > 0) {
            Admission(e, ports.steam, t);
        } else {
            Expansion(e, t);
            e.Phase = '4';
        }
        if (e.LabelState == '2') e.LabelState = '1';
        break;
    case '4':
        if (exhaustOpen) {
            e.ReleasePressure = e.Pressure;
            Exhaust(e);
            e.Phase = '1';
        } else {
            Expansion(e, t);
        }
        if (ports.steam > 0) e.Phase = '3';
        break;
    default: break; // an unknown phase leaves the end as it is
    }
}

} // namespace vt
