// valvetrace-report's work, without Qt: open the design, print the table or the sweep,
// and hand the diagrams to a writer that the program supplies.
#pragma once

#include "gears/Gear.h"

#include "model/State.h"
#include "report/ReportOptions.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace vt {

// Writes the diagrams of the started-up design into a folder; returns the error text,
// empty on success.
using DiagramWriter = std::function<std::string(State& s, const std::string& dir)>;

// Takes the design from its file onto a started-up state and recalculates mid gear, as
// opening it in the program does; the stored positions in use are counted as the
// positions dialog counts them.
struct DesignLoad {
    bool ok = false;
    std::string message;
};
DesignLoad LoadReportDesign(State& s, const std::string& path);

// Any design as a gear: a gear file (.vgear) as it is, a .dvt as its classic gear (and
// then, when `classic` is given, also loaded onto it as LoadReportDesign does).
std::optional<gears::GearDesign> LoadReportGear(const std::string& path, std::string& message,
                                                State* classic = nullptr);

// Runs the options; messages go to `err` prefixed with the program's name. Returns the
// exit code.
int RunReport(const ReportOptions& o, std::ostream& out, std::ostream& err,
              const DiagramWriter& diagrams);

} // namespace vt
