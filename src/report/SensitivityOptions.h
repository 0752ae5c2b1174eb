// The command line of valvetrace-report's sensitivity mode: --sensitivity POSITION,
// --tolerance T or NAME=T, --wear S[,S...].
#pragma once

#include "report/ReportOptions.h"

#include <span>
#include <string>

namespace vt {

bool IsSensitivityOption(const std::string& arg);

// Reads the option at args[i] and its value at args[i + 1]; the error text, empty when
// it was understood.
std::string TakeSensitivityOption(std::span<const std::string> args, std::size_t i,
                                  ReportOptions& o);

// The error text when --tolerance or --wear come without --sensitivity, else empty.
std::string CheckSensitivityOptions(const ReportOptions& o);

// The options' lines of the help text.
std::string SensitivityUsage();

} // namespace vt
