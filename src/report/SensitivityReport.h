// valvetrace-report's sensitivity mode: derivatives, spreads and worn-gear events of the
// loaded design at one position.
#pragma once

#include "gears/Gear.h"

#include "model/State.h"
#include "report/ReportOptions.h"

#include <ostream>

namespace vt {

inline constexpr int kReportMonteCarloDesigns = 1000;

// Returns the exit code; messages go to `err`.
int RunSensitivity(const ReportOptions& o, const gears::GearDesign& s, std::ostream& out,
                   std::ostream& err);

} // namespace vt
