// valvetrace-report --set-valve: the setting assistant on a loaded design, its before and
// after table printed and, when asked, the new design saved.
#pragma once

#include "gears/Gear.h"

#include "model/State.h"
#include "report/ReportOptions.h"

#include <ostream>

namespace vt {

// `s` is the design from its file; with --out the values found are saved into a copy of
// the file (a gear file as a gear file). Returns the exit code.
int RunSetValve(const ReportOptions& o, const gears::GearDesign& s, std::ostream& out,
                std::ostream& err);

} // namespace vt
