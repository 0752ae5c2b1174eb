// valvetrace-report on a design as a gear: --export-gear, --describe, --pins, and the
// events table of a gear file.
#pragma once

#include "report/ReportOptions.h"

#include <ostream>

namespace vt {

// Runs when a gear option is given or the design is a gear file (.vgear); a .dvt design
// is taken as the classic gear. Returns the exit code; messages go to `err`.
int RunGearReport(const ReportOptions& o, std::ostream& out, std::ostream& err);

} // namespace vt
