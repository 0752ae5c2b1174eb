// Canonical designs shared by tests and benchmarks: the built-in one and a few
// deliberately different ones, each a started-up State with a beep counter.
#pragma once

#include "gears/Gear.h"
#include "model/State.h"

#include <memory>
#include <span>
#include <string_view>

namespace vt::test {

// A state after the start-up sequence whose error beeps are counted, not sounded.
// Held on the heap so that the counting hook stays valid when the holder moves.
struct CountingState {
    std::unique_ptr<State> state = std::make_unique<State>();
    std::shared_ptr<int> beepCount = std::make_shared<int>(0);

    State& operator*() const { return *state; }
    State* operator->() const { return state.get(); }
    int beeps() const { return *beepCount; }
    void resetBeeps() { *beepCount = 0; }
};

CountingState BuiltIn();

// A classic design as the design tools take it: as its classic gear.
gears::GearDesign Classic(const Mechanism& m);
// The classic gear's dimension of this field name (or classic alias), for the tools.
int ClassicDim(std::string_view name);
// A classic design's reverse arm position at a setting (an offset from mid gear RevArmSet[0],
// + towards forward).
float RevArmAt(const Mechanism& m, double setting);

// Rods crossed: the forward eccentric set past 90 degrees, which inverts the gear's sense.
CountingState CrossedRods();
// The lifting arm on the other side of the shaft (negative length), shaft moved to suit.
CountingState NegativeLiftingArm();
// Long-travel valve: larger eccentric throw and longer laps, with four overlay entries.
CountingState LongTravel();
// The suspension pin 0.15 along the link, the rocker upper pin 0.1 and the reverse arm
// end 0.2 to the side of their members' lines.
CountingState OffsetPins();
// Front and rear of the port face and valve all different: rear bridge 0.16, front 0.2;
// steam ports 0.13 and 0.175; valve halves 0.65 and 0.7; cavity halves 0.3 and 0.35.
// The linkage is the built-in one.
CountingState UnequalPorts();

// A copy of the state with the linkage solved at one gear position.
State SolvedAt(const State& s, float revArmPos, float driverAngle);

// The canonical designs with the names of their sample files in data/.
struct SampleDesign {
    const char* file; // "Nominal.dvt", ...
    CountingState (*make)();
};
std::span<const SampleDesign> SampleDesigns();

} // namespace vt::test
