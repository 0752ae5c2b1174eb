// Parsing of --sensitivity, --tolerance and --wear.
#include "report/SensitivityOptions.h"

#include "analysis/EventsEngine.h"
#include "analysis/SensitivityRun.h"
#include "model/Format.h"

namespace vt {

namespace {

std::string TakeWear(const std::string& text, ReportOptions& o) {
    const auto series = ParseLostMotions(text);
    if (!series)
        return "--wear: each lost motion must be a number from 0 to 1 (model units), "
               "separated by commas, not " + text;
    o.wear.insert(o.wear.end(), series->begin(), series->end());
    return {};
}

std::string TakeTolerance(const std::string& text, ReportOptions& o) {
    const std::size_t eq = text.rfind('=');
    const std::string value = eq == std::string::npos ? text : text.substr(eq + 1);
    double t = 0;
    if (!ParseDecimal(value, t) || !(t >= 0 && t < 1e6))
        return "--tolerance: the tolerance must be a number of at least 0, not " + value;
    if (eq == 0) return "--tolerance: give a dimension before '=' in NAME=T";
    o.tolerances.push_back(text);
    return {};
}

} // namespace

bool IsSensitivityOption(const std::string& arg) {
    return arg == "--sensitivity" || arg == "--tolerance" || arg == "--wear";
}

std::string TakeSensitivityOption(std::span<const std::string> args, std::size_t i,
                                  ReportOptions& o) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return a + " needs a value";
    const std::string& value = args[i + 1];
    if (a == "--wear") return TakeWear(value, o);
    if (a == "--tolerance") return TakeTolerance(value, o);
    if (!IsGearPositionText(value)) // only the form here; the design places it
        return "--sensitivity: the position must be full-fwd, normal-fwd, mid, normal-rev, "
               "full-rev or an offset from mid gear, not " + value;
    o.sensitivity = true;
    o.position = value;
    return {};
}

std::string CheckSensitivityOptions(const ReportOptions& o) {
    if (!o.sensitivity && (!o.tolerances.empty() || !o.wear.empty()))
        return "--tolerance and --wear go with --sensitivity POSITION";
    return {};
}

std::string SensitivityUsage() {
    return "  --sensitivity POSITION\n"
           "                        instead of the table, print how much each dimension moves\n"
           "                        the valve events at POSITION: full-fwd, normal-fwd, mid,\n"
           "                        normal-rev, full-rev, or an offset from mid gear in the\n"
           "                        reverser's unit (+ towards forward). Each row is a\n"
           "                        dimension by its caption (its field name in the CSV);\n"
           "                        each value the change of a figure per unit increase of\n"
           "                        the dimension (per degree for an angle): leads (the\n"
           "                        opening at the dead centre, > 0 open), full travel and\n"
           "                        die slip in the design's unit per unit, cut-off, release\n"
           "                        and compression in percent of stroke from that end's\n"
           "                        dead centre per unit.\n"
           "                        Mid gear is recalculated for every changed design and the\n"
           "                        position kept the same notch from it. An empty CSV cell or\n"
           "                        a -: the event does not happen, or the gear cannot be\n"
           "                        assembled (marked * in the listing). A design that cannot\n"
           "                        be assembled at POSITION is reported, exit 5\n"
           "  --tolerance T         with --sensitivity, add the spread each figure may have\n"
           "                        when every length is made within +-T of the design's unit\n"
           "                        (default 0.002) and each angle within +-0.1 degree. A\n"
           "                        tolerance +-t is 3 standard deviations of a normal spread:\n"
           "                        worst case (the sum of |derivative| x t), statistical (the\n"
           "                        root of the sum of squares of |derivative| x t, 3 standard\n"
           "                        deviations of the figure) and the least and greatest\n"
           "                        change seen in 1000 random designs drawn with standard\n"
           "                        deviation t/3 and solved fully (seed 1729); near linear,\n"
           "                        these lie within about 1.1 x statistical\n"
           "  --tolerance NAME=T    set one dimension's tolerance apart (repeatable; degrees\n"
           "                        for the angles)\n"
           "  --wear S[,S...]       with --sensitivity, add the events of the gear worn by a\n"
           "                        lost motion of S (the design's unit) at the valve (play in\n"
           "                        the pins between the gear's drive and the valve), beside the\n"
           "                        new gear's, both at the same recalculated position\n";
}

} // namespace vt
