// Parsing and checking of --export-gear, --describe and --pins.
#include "report/GearOptions.h"

#include "gears/Gear.h"
#include "model/Format.h"
#include "report/ReportOptions.h"

#include <string_view>

namespace vt {

namespace {

// Only the text's form is checked here; the design places it.
bool IsPositionText(const std::string& text) {
    double offset = 0;
    for (gears::NamedPosition p : gears::kNamedPositions)
        if (text == gears::PositionName(p)) return true;
    return ParseDecimal(text, offset);
}

// Reads STEP and POSITION after --pins at args[i + 1..i + 2].
std::string TakePins(std::span<const std::string> args, std::size_t& i, GearOptions& g) {
    if (i + 2 >= args.size()) return "--pins needs STEP POSITION";
    const std::string& step = args[i + 1];
    if (!ParseDecimal(step, g.pinsStep) || !(g.pinsStep >= 0.01 && g.pinsStep <= 360))
        return "--pins: STEP must be a number of crank degrees from 0.01 to 360, not " + step;
    g.pinsPosition = args[i + 2];
    if (!IsPositionText(g.pinsPosition))
        return "--pins: the position must be full-fwd, normal-fwd, mid, normal-rev, full-rev "
               "or an offset from mid gear, not " + g.pinsPosition;
    g.pins = true;
    i += 2;
    return {};
}

const char* GearOptionName(const GearOptions& g) {
    if (!g.exportPath.empty()) return "--export-gear";
    return g.describe ? "--describe" : "--pins";
}

bool OtherMode(const ReportOptions& o) {
    return o.sweep || o.setValve || o.sensitivity || !o.diagramsDir.empty();
}

} // namespace

bool IsGearOption(const std::string& arg) {
    return arg == "--export-gear" || arg == "--describe" || arg == "--pins";
}

std::string TakeGearOption(std::span<const std::string> args, std::size_t& i, GearOptions& g) {
    if (g.Any()) return "only one of --export-gear, --describe and --pins";
    if (args[i] == "--describe") return g.describe = true, std::string();
    if (args[i] == "--pins") return TakePins(args, i, g);
    if (i + 1 >= args.size()) return "--export-gear needs the gear file to write";
    g.exportPath = args[++i];
    return {};
}

std::string CheckGearOptions(const ReportOptions& o) {
    const GearOptions& g = o.gear;
    if (g.Any() && OtherMode(o))
        return std::string(GearOptionName(g)) +
               " does not go with --sweep, --set-valve, --sensitivity or --diagrams";
    if (!g.exportPath.empty() && o.csv) return "--export-gear does not go with --csv";
    if (!IsGearFileName(o.design)) return {};
    if (!g.exportPath.empty()) return "--export-gear takes a .dvt design, not a gear file";
    if (!o.diagramsDir.empty())
        return "--diagrams draws a .dvt design; a gear file's diagrams are drawn in its "
               "workbench";
    return {};
}

bool IsGearFileName(const std::string& path) {
    constexpr std::string_view suffix = ".vgear";
    return path.size() > suffix.size() &&
           path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string GearUsage() {
    return "  --export-gear OUT.vgear\n"
           "                        instead of the table, write the .dvt design as a gear\n"
           "                        file of the classic gear (see the README for its form)\n"
           "  --describe            instead of the table, print each dimension (field name,\n"
           "                        caption, value, unit), the derived laps (front and rear\n"
           "                        steam and exhaust lap, + for lap, - for clearance, in\n"
           "                        the design's length unit) and each rigid body with the\n"
           "                        pins it carries; with --csv rows name,caption,value,unit\n"
           "                        then rows body,NAME,PIN PIN ...\n"
           "  --pins STEP POSITION  instead of the table, print CSV of every pin over a turn\n"
           "                        at POSITION (full-fwd, normal-fwd, mid, normal-rev,\n"
           "                        full-rev, or the reverser's offset from mid gear, + towards\n"
           "                        forward): crank_deg (from the front dead centre in the\n"
           "                        forward direction of turning), NAME_x and NAME_y of each\n"
           "                        pin (from the axle centre, x towards the cylinder, y up)\n"
           "                        and valve_x (the valve's displacement from its middle\n"
           "                        place, + towards the front), every STEP degrees below 360;\n"
           "                        a crank angle at which the gear cannot be assembled\n"
           "                        leaves its cells empty and the exit status is 5\n"
           "                        DESIGN may be a .dvt (the classic gear) or a .vgear; a\n"
           "                        gear file that cannot be written or read exits with 1\n";
}

} // namespace vt
