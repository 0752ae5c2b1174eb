// The command line of valvetrace-report: options in any order around one design file.
#include "report/ReportOptions.h"

#include "model/Format.h"
#include "report/GearOptions.h"
#include "report/SensitivityOptions.h"

#include <algorithm>
#include <charconv>
#include <string_view>

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

// Reads the targets after --set-valve: every following argument with an "@" that is no
// option. Returns the index of the last one taken.
std::size_t TakeTargets(std::span<const std::string> args, std::size_t i, ReportOptions& o,
                        std::string& error) {
    o.setValve = true;
    while (i + 1 < args.size() && args[i + 1].find('@') != std::string::npos &&
           args[i + 1].rfind("--", 0) != 0) {
        const ParsedTarget p = ParseTarget(args[++i]);
        if (!p.target) {
            error = "--set-valve: " + p.error;
            return i;
        }
        o.targets.push_back(*p.target);
    }
    if (o.targets.empty()) error = "--set-valve needs a target, as lead-equal@full-fwd";
    return i;
}

// What only goes with --set-valve.
std::string CheckSetValve(const ReportOptions& o) {
    if (!o.setValve)
        return o.vary.empty() && o.outPath.empty() ? "" : "--vary and --out go with --set-valve";
    if (o.vary.empty()) return "--set-valve needs a dimension to vary, as --vary ValveStemLen";
    return {};
}

// Options the report would otherwise drop: each pair cannot be honoured in one run.
struct Clash {
    const char* first;
    const char* second;
    const char* why;
};
constexpr Clash kClashes[] = {
    {"--sweep", "--set-valve", "each replaces the events table; give them in two runs"},
    {"--sweep", "--sensitivity", "each replaces the events table; give them in two runs"},
    {"--set-valve", "--sensitivity", "each replaces the events table; give them in two runs"},
    {"--sweep", "--diagrams", "the diagrams are written only beside the events table"},
    {"--set-valve", "--diagrams", "the diagrams are written only beside the events table"},
    {"--sensitivity", "--diagrams", "the diagrams are written only beside the events table"},
    {"--set-valve", "--csv", "the setting prints its listing only"},
};
// Options whose second value would replace the first.
constexpr const char* kOnce[] = {"--sweep", "--sensitivity", "--diagrams", "--out"};

std::string CheckCombination(const std::vector<std::string>& given, const ReportOptions& o) {
    const auto count = [&given](std::string_view name) {
        return std::count(given.begin(), given.end(), name);
    };
    for (const char* name : kOnce)
        if (count(name) > 1) return std::string(name) + " is given twice; give it once";
    const auto plain = [](const std::string& t) { return t.find('=') == std::string::npos; };
    if (std::count_if(o.tolerances.begin(), o.tolerances.end(), plain) > 1)
        return "--tolerance T is given twice; give one T, and NAME=T for each other dimension";
    for (const Clash& c : kClashes)
        if (count(c.first) > 0 && count(c.second) > 0)
            return std::string(c.first) + " does not go with " + c.second + ": " + c.why;
    return {};
}

} // namespace

ParsedArgs ParseReportArgs(std::span<const std::string> args) {
    ParsedArgs r;
    ReportOptions& o = r.options;
    std::vector<std::string> given; // the options, in order
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) == 0) given.push_back(a);
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
        } else if (a == "--set-valve") {
            std::string e;
            i = TakeTargets(args, i, o, e);
            if (!e.empty()) return r.error = e, r;
        } else if (a == "--vary") {
            if (++i >= args.size()) return r.error = "--vary needs a dimension's name", r;
            const ParsedVariableSpec v = ParseVariableSpec(args[i]);
            if (!v.spec) return r.error = v.error, r;
            o.vary.push_back(*v.spec);
        } else if (a == "--out") {
            if (++i >= args.size()) return r.error = "--out needs a file name", r;
            o.outPath = args[i];
        } else if (IsSensitivityOption(a)) {
            if (std::string e = TakeSensitivityOption(args, i, o); !e.empty())
                return r.error = e, r;
            ++i;
        } else if (IsGearOption(a)) {
            if (std::string e = TakeGearOption(args, i, o.gear); !e.empty()) return r.error = e, r;
        } else if (a.size() > 1 && a[0] == '-') {
            return r.error = "unknown option " + a, r;
        } else if (!o.design.empty()) {
            return r.error = "only one design file, not also " + a, r;
        } else {
            o.design = a;
        }
    }
    if (!o.help && o.design.empty()) return r.error = "no design file given", r;
    if (std::string e = CheckCombination(given, o); !o.help && !e.empty()) return r.error = e, r;
    if (std::string e = CheckSetValve(o); !o.help && !e.empty()) return r.error = e, r;
    if (std::string e = CheckSensitivityOptions(o); !e.empty()) return r.error = e, r;
    if (std::string e = CheckGearOptions(o); !o.help && !e.empty()) return r.error = e, r;
    r.ok = true;
    return r;
}

std::string ReportUsage() {
    return "Usage: valvetrace-report [OPTIONS] DESIGN.dvt|DESIGN.vgear\n"
           "\n"
           "Reports on a valve gear design saved by VALVETRACE: a classic design (.dvt) or a\n"
           "gear file of any gear (.vgear); every mode runs on the exact gear engine. With no\n"
           "option it prints the valve events table: for 19 reverser settings from mid gear\n"
           "to full gear forward and in reverse (for a .dvt, the port events diagram's\n"
           "reverse arm positions), and for the design's stored positions, each end's lead,\n"
           "greatest openings to steam and exhaust, admission, cut-off, release and\n"
           "compression (in percent of stroke from that end's dead centre), the valve's full\n"
           "travel and the die slip; the rows nearest the five named positions carry their\n"
           "names. Each dead centre is the crosshead's extreme (the crank and main rod in\n"
           "line), where the lead is read; percent of stroke is the crosshead's distance\n"
           "from that dead centre over its whole travel. Each event is found as a root of its\n"
           "port opening to 0.0001 degrees of crank. Admission is signed from the dead\n"
           "centre, in crank degrees and in percent of stroke: negative before it\n"
           "(pre-admission, positive lead), positive after it (late admission); the CSV also\n"
           "gives each event's crank angle in the direction of turning, on the scale of the\n"
           "two dead centres' own (0: the crank level with the axle, towards the cylinder).\n"
           "\n"
           "Options:\n"
           "  --csv                 print CSV with a header row instead of the listing\n"
           "  --diagrams DIR        also write the sine, oval, steam and port events\n"
           "                        diagrams as PNG files into the folder DIR, drawn with\n"
           "                        the design's stored reverse arm positions (a .dvt only)\n"
           "  --sweep NAME FROM TO STEPS\n"
           "                        instead of the table, vary one dimension from FROM to TO\n"
           "                        in STEPS equal steps and print how lead, cut-off and\n"
           "                        release at the normal forward and reverse positions\n"
           "                        change; NAME is the dimension's field name (MainRodLen)\n"
           "                        or caption (\"Main rod\", as --describe lists them), for\n"
           "                        a .dvt also its name in the editors (\"Main Rod Length\")\n"
           "  --set-valve TARGET [TARGET...] --vary NAME[=LO:HI] [--vary ...] [--out NEW]\n"
           "                        instead of the table, find the values of the --vary\n"
           "                        dimensions, each between LO and HI, that bring the valve\n"
           "                        events nearest to the targets, and print each target and\n"
           "                        dimension before and after. The search starts from the\n"
           "                        design as it is and changes only the --vary dimensions;\n"
           "                        mid gear, and with it every named position, follows them\n"
           "  --vary NAME[=LO:HI]   a dimension the setting may change, named as for --sweep;\n"
           "                        without bounds it stays within 10 % of its value (10\n"
           "                        degrees for an angle, 0.1 x the stroke for a value of 0)\n"
           "  --out NEW             save the design with the values found (also when a\n"
           "                        target is missed): a .dvt as NEW.dvt, its view, presets,\n"
           "                        stored positions and lines as they were; a gear file as\n"
           "                        the gear file NEW.vgear\n"
           + SensitivityUsage() + GearUsage() +
           "  -h, --help            show this text\n"
           "\n"
           "A TARGET is KIND@POSITION, with *WEIGHT after it to count it WEIGHT times (1 when\n"
           "not given). KIND is one of:\n"
           "  lead-equal            front lead = rear lead (met within 0.0005)\n"
           "  lead=V                both leads = V (met within 0.0005)\n"
           "  cutoff-equal          front cut-off = rear cut-off (met within 0.1 % of stroke)\n"
           "  cutoff=P              the mean of the two cut-offs = P % of stroke (within 0.1)\n"
           "  dieslip-min           the die slip as small as the bounds allow\n"
           "POSITION is full-fwd, normal-fwd, mid, normal-rev, full-rev, or the reverser's\n"
           "offset from mid gear (+ towards forward) within its full gear: for a .dvt the\n"
           "reverse arm's, signed as its scroll bar (mid gear +- RevArmCentMax); for a gear\n"
           "file its reverser's, in its own unit (--describe names it).\n"
           "Examples: lead-equal@full-fwd  lead=0.02@full-fwd  cutoff-equal@normal-rev*2\n"
           "          cutoff=75@normal-fwd  dieslip-min@normal-fwd\n"
           "The search (NLopt's BOBYQA) minimises the weighted sum of the squared misses, each\n"
           "miss counted in its tolerance (1 is just at it; the die slip in hundredths of the\n"
           "stroke); it stops after 3,000 evaluations or 10 seconds at most.\n"
           "\n"
           "--sweep, --set-valve and --sensitivity each replace the table, so they go one at\n"
           "a time, and --diagrams only with the table; options that cannot be honoured\n"
           "together are refused.\n"
           "\n"
           "Exit status: 0 done (with --set-valve: every target met); 1 the design file is\n"
           "missing or is not a design, or --out could not be written; 2 the command line is\n"
           "wrong (options that do not go together, a position outside the reverser's\n"
           "range); 3 --sweep, --vary or --tolerance names no dimension; 4 a diagram could not\n"
           "be written; 5 --set-valve: the best found misses a target, or the design cannot\n"
           "assemble; --sensitivity: the design cannot be assembled at the position.\n";
}

} // namespace vt
