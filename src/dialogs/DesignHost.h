// Where a design tool's window reads its design and writes what it found: the classic
// main window's state, or a gear workbench. The window holds no design of its own, so one
// window serves both.
#pragma once

#include "analysis/ValveSetting.h"
#include "gears/Gear.h"

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
};

} // namespace vt
