// The command line of valvetrace-report: what it may be asked, parsed into a record, and
// the help text that explains it.
#pragma once

#include "analysis/SettingTargets.h"
#include "analysis/SettingVariables.h"
#include "report/GearOptions.h"

#include <span>
#include <string>
#include <vector>

namespace vt {

struct ReportOptions {
    bool help = false;
    std::string design;      // the .dvt or .vgear file
    bool csv = false;        // CSV instead of the listing
    std::string diagramsDir; // where the four diagrams go, empty for none
    bool sweep = false;
    std::string sweepName;   // name text or field name of a dimension
    double sweepFrom = 0, sweepTo = 0;
    int sweepSteps = 0;
    bool setValve = false;
    std::vector<SettingTarget> targets; // --set-valve TARGET...
    std::vector<VariableSpec> vary;     // each --vary NAME[=LO:HI]
    std::string outPath;                // --out: where the new design goes, empty for nowhere
    bool sensitivity = false;
    std::string position;                    // the gear position of --sensitivity
    std::vector<std::string> tolerances;     // each "T" or "NAME=T", as given
    std::vector<double> wear;                // lost motions of --wear
    GearOptions gear;                        // --export-gear, --describe, --pins
};

struct ParsedArgs {
    bool ok = false;
    ReportOptions options;
    std::string error; // what was wrong, for the user
};

// The arguments after the program's name.
ParsedArgs ParseReportArgs(std::span<const std::string> args);

std::string ReportUsage();

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDesign = 1;    // the design file is missing or refused
inline constexpr int kExitUsage = 2;     // the command line is wrong
inline constexpr int kExitDimension = 3; // --sweep, --vary or --tolerance names no dimension
inline constexpr int kExitDiagrams = 4;  // a diagram could not be written
inline constexpr int kExitNotMet = 5;    // --set-valve: the best found misses a target

} // namespace vt
