// The linkage and the mid-gear position worked out a second time, slowly and literally:
// every step of the search and of the mid-gear triangle as its formula reads, with the
// angles taken through atan and arccos and every named value stored as a float. Tests
// compare the solver's pivots with these.
#pragma once

#include "model/State.h"

namespace vt::test {

// A copy of s with the linkage solved for its DriverAngle and RevArmPos. The solve gives
// up (pivots 4, 5, 8 and 21-23 stay as they were) after 1000 passes of the search.
State PlainSolve(State s);

// RevArmPos of mid gear for the design in s.
float PlainMidGear(State s);

} // namespace vt::test
