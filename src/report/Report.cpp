// valvetrace-report's work: the design from its file as a gear, then the table, the sweep,
// the valve setting, the sensitivity or the diagrams, each failure said in plain words with
// its own exit code.
#include "report/Report.h"

#include "analysis/DesignVariant.h"
#include "analysis/DimensionSweep.h"
#include "analysis/EventsText.h"
#include "analysis/SettingVariables.h"
#include "files/DimFile.h"
#include "gearfile/GearFile.h"
#include "gears/kinds/ClassicGear.h"
#include "model/Defaults.h"
#include "model/Dimensions.h"
#include "model/MidGear.h"
#include "model/RevArmSets.h"
#include "report/GearReport.h"
#include "report/SensitivityReport.h"
#include "report/SetValveReport.h"

#include <memory>
#include <string>
#include <vector>

namespace vt {

namespace {

using gears::GearDesign;

constexpr const char* kProgram = "valvetrace-report: ";

int Sweep(const ReportOptions& o, const GearDesign& d, std::ostream& out, std::ostream& err) {
    const int i = FindDimension(d, o.sweepName);
    if (i < 0) {
        err << kProgram << "no dimension is called \"" << o.sweepName
            << "\"; give its field name or its caption\n";
        return kExitDimension;
    }
    const DimensionSweep w = SweepDimension(d, i, o.sweepFrom, o.sweepTo, o.sweepSteps);
    out << (o.csv ? FormatSweepCsv(w) : FormatSweepText(w));
    return kExitOk;
}

// The positions asked for, on the design: each within the reverser's range, and for
// --sensitivity a design that can be assembled there. The exit code, kExitOk when fine.
int CheckPositions(const ReportOptions& o, const GearDesign& d, std::ostream& err) {
    std::vector<std::string> positions;
    for (const SettingTarget& t : o.targets) positions.push_back(t.Position);
    if (o.sensitivity) positions.push_back(o.position);
    for (const std::string& p : positions)
        if (const std::string e = GearPositionError(d, p); !e.empty()) {
            err << kProgram << e << "\n";
            return kExitUsage;
        }
    if (!o.sensitivity) return kExitOk;
    const std::string failure = AssemblyFailure(d, *ParseGearPlace(d, o.position));
    if (failure.empty()) return kExitOk;
    err << kProgram << failure << "; no sensitivity can be worked out there\n";
    return kExitNotMet;
}

// The diagrams of a classic design (the options refuse them for a gear file).
int Diagrams(const ReportOptions& o, State& classic, const DiagramWriter& diagrams,
             std::ostream& err) {
    if (const std::string e = diagrams ? diagrams(classic, o.diagramsDir) : "not available";
        !e.empty()) {
        err << kProgram << "cannot write the diagrams into \"" << o.diagramsDir << "\": " << e
            << "\n";
        return kExitDiagrams;
    }
    return kExitOk;
}

// A classic design's dimensions also go by the classic editors' name texts ("Valve Stem"):
// each name the classic tables know is given its field name, which the classic gear takes.
ReportOptions WithFieldNames(ReportOptions o) {
    const auto field = [](std::string& name) {
        if (const DimensionInfo* d = FindDimensionByName(name)) name = d->Name;
    };
    field(o.sweepName);
    for (VariableSpec& v : o.vary) field(v.Name);
    for (std::string& t : o.tolerances)
        if (const std::size_t eq = t.rfind('='); eq != std::string::npos) {
            std::string name = t.substr(0, eq);
            field(name);
            t = name + t.substr(eq);
        }
    return o;
}

} // namespace

DesignLoad LoadReportDesign(State& s, const std::string& path) {
    StartUp(s);
    const FileResult r = OpenDimensionFile(s, path);
    if (!r.ok) return {false, r.message};
    FindRevArmCent(s);
    RevArmSetForm form;
    DrawRevArmSetForm(s, form);
    return {true, {}};
}

std::optional<GearDesign> LoadReportGear(const std::string& path, std::string& message,
                                         State* classic) {
    if (IsGearFileName(path)) {
        GearDesign d;
        const GearFileResult r = OpenGearFile(d, path);
        message = r.message;
        return r.ok ? std::optional(std::move(d)) : std::nullopt;
    }
    const auto own = std::make_unique<State>();
    State& s = classic ? *classic : *own;
    const DesignLoad load = LoadReportDesign(s, path);
    message = load.message;
    return load.ok ? std::optional(gears::ClassicDesign(s)) : std::nullopt;
}

int RunReport(const ReportOptions& given, std::ostream& out, std::ostream& err,
              const DiagramWriter& diagrams) {
    const bool gearFile = IsGearFileName(given.design);
    const ReportOptions o = gearFile ? given : WithFieldNames(given);
    if (o.help) {
        out << ReportUsage();
        return kExitOk;
    }
    const auto classic = gearFile ? nullptr : std::make_unique<State>();
    std::string message;
    const std::optional<GearDesign> d = LoadReportGear(o.design, message, classic.get());
    if (!d) {
        err << kProgram << "cannot read the design \"" << o.design << "\": " << message << "\n";
        return kExitDesign;
    }
    if (o.gear.Any()) return RunGearReport(o, *d, out, err);
    if (const int bad = CheckPositions(o, *d, err); bad != kExitOk) return bad;
    if (o.sweep) return Sweep(o, *d, out, err);
    if (o.setValve) return RunSetValve(o, *d, out, err);
    if (o.sensitivity) return RunSensitivity(o, *d, out, err);
    const EventsTable t = ComputeEventsTable(*d, DefaultEventRows(*d));
    out << (o.csv ? FormatEventsCsv(t) : FormatEventsText(t));
    return o.diagramsDir.empty() ? kExitOk : Diagrams(o, *classic, diagrams, err);
}

} // namespace vt
