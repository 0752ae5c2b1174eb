// The command line of valvetrace-report's gear options: --export-gear OUT.vgear,
// --describe and --pins STEP POSITION, each on the one design file.
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace vt {

struct ReportOptions;

struct GearOptions {
    std::string exportPath;  // --export-gear: the gear file to write, empty for none
    bool describe = false;   // --describe: dimensions, laps and bodies
    bool pins = false;       // --pins: every pin over a turn
    double pinsStep = 0;     // crank degrees between the rows of --pins
    std::string pinsPosition; // the reverser setting of --pins, placed by the gear
    bool Any() const { return !exportPath.empty() || describe || pins; }
};

bool IsGearOption(const std::string& arg);

// Reads the option at args[i] and its values after it; `i` ends on the last one taken.
// Returns the error text, empty when it was understood.
std::string TakeGearOption(std::span<const std::string> args, std::size_t& i, GearOptions& g);

// The error text when the gear options are mixed with each other or with another mode,
// or a gear file is given to a mode that does not read one yet; else empty.
std::string CheckGearOptions(const ReportOptions& o);

// Whether the design file is a gear file (by its ".vgear" ending).
bool IsGearFileName(const std::string& path);

// The options' lines of the help text.
std::string GearUsage();

} // namespace vt
