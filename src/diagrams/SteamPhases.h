// The steam diagram's phase model of one cylinder end: exhaust, compression, admission
// and expansion, each with its pressure step, driven by the end's port openings. Pure.
#pragma once

namespace vt {

// Pressure in the diagram's own units: never below this in exhaust, nor above the
// other in admission.
inline constexpr double kExhaustFloor = 5;
inline constexpr double kAdmissionCeiling = 303;
// The smallest steam opening admission works with.
inline constexpr float kMinAdmissionOpening = 0.005f;

enum class CylEnd { Front, Rear };

struct SteamEnd {
    float Pressure = 0;
    float PrevPressure = 0;
    float ReleasePressure = 0; // the pressure when the exhaust last opened
    char Phase = '1';          // '1' exhaust, '2' compression, '3' admission, '4' expansion
    char LabelState = '1';     // '1': the curve number may still be written, '2': written
};

// The openings of one end at this step; admission raises a small steam opening.
struct EndPorts {
    float& steam;
    float exhaust;
};

// One step of an end: the transition of its phase with the pressure step it takes, for
// the piston at x now and at xp before (0 front dead centre .. 640 rear).
void StepSteamEnd(SteamEnd& e, CylEnd end, EndPorts ports, float x, float xp);

} // namespace vt
