// One design's gear turned at one reverser setting and one direction: what the events
// engine and the worn valve read at a crank angle, from the exact engine's pose. Keeps
// the solver (and so its branches and its last pose) for the whole turn.
#pragma once

#include "gears/Gear.h"

#include <memory>

namespace vt {

enum OpeningId { kFrontSteam, kFrontExhaust, kRearSteam, kRearExhaust, kOpeningCount };

// The gear at one crank angle.
struct TurnReading {
    double At = 0;    // crank degrees in the direction of turning, as asked (unwrapped)
    double Crank = 0; // the same in [0, 360)
    double Open[kOpeningCount] = {}; // > 0 open by that width, < 0 the lap left
    double Valve = 0;     // the valve centre from its middle place, + front
    double Crosshead = 0; // X of the crosshead pin
    double Die = 0;       // the die's place along the slot
    double InLine = 0;    // crank x main rod: 0 at a dead centre, its sign the crosshead's way
    bool Ok = true;       // false: the gear could not be assembled here (values are 0)
};

class GearTurn {
public:
    GearTurn(const gears::GearDesign& d, double setting, bool forward);
    ~GearTurn();
    GearTurn(const GearTurn&) = delete;
    GearTurn& operator=(const GearTurn&) = delete;

    TurnReading At(double at);
    void SetSetting(double setting, bool forward) { setting_ = setting, forward_ = forward; }

    const gears::PortFace& Face() const { return face_; }
    // The body that failed first (the design's own failure, or a pose's); nullptr if none.
    const char* Failed() const { return failed_; }
    int Solves() const { return solves_; }
    int FailedSolves() const { return failedSolves_; }
    gears::GearSolver& Solver() { return *solver_; }

private:
    std::unique_ptr<gears::GearSolver> solver_;
    gears::PortFace face_;
    gears::GearPose pose_;
    double setting_;
    bool forward_;
    const char* failed_ = nullptr;
    int solves_ = 0, failedSolves_ = 0;
};

// A crank angle in degrees brought into [0, 360).
double Wrap360(double a);

} // namespace vt
