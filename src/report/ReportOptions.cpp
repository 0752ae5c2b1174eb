// The command line of valvetrace-report: options in any order around one design file.
#include "report/ReportOptions.h"

#include "model/Format.h"
#include "report/SensitivityOptions.h"

#include <charconv>

namespace vt {

namespace {

bool ParseSteps(const std::string& text, int& out) {
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && p == end && out >= 1 && out <= 10000;
}

// Reads the four values after --sweep at args[i + 1..i + 4].
std::string TakeSweep(std::span<const std::string> args, std::size_t i, ReportOptions& o) {
    if (i + 4 >= args.size()) return "--sweep needs NAME FROM TO STEPS";
    o.sweep = true;
    o.sweepName = args[i + 1];
    if (!ParseDecimal(args[i + 2], o.sweepFrom))
        return "--sweep: FROM is not a number: " + args[i + 2];
    if (!ParseDecimal(args[i + 3], o.sweepTo))
        return "--sweep: TO is not a number: " + args[i + 3];
    if (!ParseSteps(args[i + 4], o.sweepSteps))
        return "--sweep: STEPS must be a whole number from 1 to 10000: " + args[i + 4];
    return {};
}

} // namespace

ParsedArgs ParseReportArgs(std::span<const std::string> args) {
    ParsedArgs r;
    ReportOptions& o = r.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--csv") {
            o.csv = true;
        } else if (a == "--diagrams") {
            if (++i >= args.size()) return r.error = "--diagrams needs a folder", r;
            o.diagramsDir = args[i];
        } else if (a == "--sweep") {
            if (std::string e = TakeSweep(args, i, o); !e.empty()) return r.error = e, r;
            i += 4;
        } else if (IsSensitivityOption(a)) {
            if (std::string e = TakeSensitivityOption(args, i, o); !e.empty())
                return r.error = e, r;
            ++i;
        } else if (a.size() > 1 && a[0] == '-') {
            return r.error = "unknown option " + a, r;
        } else if (!o.design.empty()) {
            return r.error = "only one design file, not also " + a, r;
        } else {
            o.design = a;
        }
    }
    if (!o.help && o.design.empty()) return r.error = "no design file given", r;
    if (std::string e = CheckSensitivityOptions(o); !e.empty()) return r.error = e, r;
    r.ok = true;
    return r;
}

std::string ReportUsage() {
    return "Usage: valvetrace-report [OPTIONS] DESIGN.dvt\n"
           "\n"
           "Reports on a valve gear design saved by VALVETRACE. With no option it prints the\n"
           "valve events table: for the 19 reverse arm positions of the port events diagram\n"
           "forward and in reverse, and for the design's stored positions, each end's lead,\n"
           "greatest openings to steam and exhaust, admission, cut-off, release and\n"
           "compression (in percent of stroke from that end's dead centre), the valve's full\n"
           "travel and the die slip. Each event is found as a root of its port opening to\n"
           "0.0001 degrees of crank. Admission is signed from the dead centre, in crank\n"
           "degrees and in percent of stroke: negative before it (pre-admission, positive\n"
           "lead), positive after it (late admission); the CSV also gives each event's crank\n"
           "angle from the front dead centre in the direction of turning.\n"
           "\n"
           "Options:\n"
           "  --csv                 print CSV with a header row instead of the listing\n"
           "  --diagrams DIR        also write the sine, oval, steam and port events\n"
           "                        diagrams as PNG files into the folder DIR, drawn with\n"
           "                        the design's stored reverse arm positions\n"
           "  --sweep NAME FROM TO STEPS\n"
           "                        instead of the table, vary one dimension from FROM to TO\n"
           "                        in STEPS equal steps and print how lead, cut-off and\n"
           "                        release at the normal forward and reverse positions\n"
           "                        change; NAME is the dimension's name as the editors show\n"
           "                        it (\"Main Rod Length\") or its field name (MainRodLen)\n"
           + SensitivityUsage() +
           "  -h, --help            show this text\n"
           "\n"
           "Exit status: 0 done; 1 the design file is missing or is not a design; 2 the\n"
           "command line is wrong; 3 --sweep or --tolerance names no dimension; 4 a diagram\n"
           "could not be written.\n";
}

} // namespace vt
