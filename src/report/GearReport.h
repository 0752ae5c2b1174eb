// valvetrace-report's gear options on a design read as a gear: --export-gear, --describe
// and --pins.
#pragma once

#include "gears/Gear.h"
#include "report/ReportOptions.h"

#include <ostream>

namespace vt {

// Runs the gear option given. Returns the exit code; messages go to `err`.
int RunGearReport(const ReportOptions& o, const gears::GearDesign& d, std::ostream& out,
                  std::ostream& err);

} // namespace vt
