// Where a design tool's window reads its design and writes what it found: the classic
// main window's state, or a gear workbench. The window holds no design of its own, so one
// window serves both.
#pragma once

#include "analysis/ValveSetting.h"
#include "gears/Gear.h"
#include "model/Controls.h"
#include "model/State.h"

#include <functional>
#include <string>

namespace vt {

struct DesignHost {
    std::function<gears::GearDesign()> Design; // the design as it is now
    // A dimension's caption in the tool's tables and its tooltip, by its index into the
    // design's kind's dimensions.
    std::function<std::string(int dim)> Caption;
    std::function<std::string(int dim)> Tip;
    // Writes each variable's value found, one undo step a dimension; the number written.
    std::function<int(const SettingResult&)> Apply;
    // How many of the kind's dimensions, from the first, the tools list by name.
    int Listed = 0;
};

// The classic design of the main window: its dimensions with an id, named as the classic
// editors name them. Reading only; "Apply" writes nothing.
DesignHost ClassicReader(const State& s);
// The same, "Apply" writing through the editors' write path, one UnDo entry a dimension.
DesignHost ClassicHost(State& s, Controls& c);

} // namespace vt
