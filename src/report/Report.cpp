// valvetrace-report's work: the design from its file, then the table, the sweep, the
// valve setting or the diagrams, each failure said in plain words with its own exit code.
#include "report/Report.h"

#include "analysis/DesignVariant.h"
#include "analysis/DimensionSweep.h"
#include "analysis/EventsText.h"
#include "files/DimFile.h"
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

constexpr const char* kProgram = "valvetrace-report: ";

int Sweep(const ReportOptions& o, const State& s, std::ostream& out, std::ostream& err) {
    const DimensionInfo* d = FindDimensionByName(o.sweepName);
    if (!d) {
        err << kProgram << "no dimension is called \"" << o.sweepName
            << "\"; give its name as the editors show it or its field name\n";
        return kExitDimension;
    }
    const DimensionSweep w = SweepDimension(s, *d, o.sweepFrom, o.sweepTo, o.sweepSteps);
    out << (o.csv ? FormatSweepCsv(w) : FormatSweepText(w));
    return kExitOk;
}

// The positions asked for, on the design: each within the reverse arm's range, and for
// --sensitivity a design that can be assembled there. The exit code, kExitOk when fine.
int CheckPositions(const ReportOptions& o, const State& s, std::ostream& err) {
    std::vector<std::string> positions;
    for (const SettingTarget& t : o.targets) positions.push_back(t.Position);
    if (o.sensitivity) positions.push_back(o.position);
    for (const std::string& p : positions)
        if (const std::string e = GearPositionError(s, p); !e.empty()) {
            err << kProgram << e << "\n";
            return kExitUsage;
        }
    if (!o.sensitivity) return kExitOk;
    const std::string failure = AssemblyFailure(s, *ParseGearPlace(s, o.position));
    if (failure.empty()) return kExitOk;
    err << kProgram << failure << "; no sensitivity can be worked out there\n";
    return kExitNotMet;
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

int RunReport(const ReportOptions& o, std::ostream& out, std::ostream& err,
              const DiagramWriter& diagrams) {
    if (o.help) {
        out << ReportUsage();
        return kExitOk;
    }
    if (o.gear.Any() || IsGearFileName(o.design)) return RunGearReport(o, out, err);
    const auto s = std::make_unique<State>();
    if (const DesignLoad load = LoadReportDesign(*s, o.design); !load.ok) {
        err << kProgram << "cannot read the design \"" << o.design << "\": " << load.message
            << "\n";
        return kExitDesign;
    }
    if (const int bad = CheckPositions(o, *s, err); bad != kExitOk) return bad;
    if (o.sweep) return Sweep(o, *s, out, err);
    if (o.setValve) return RunSetValve(o, *s, out, err);
    if (o.sensitivity) return RunSensitivity(o, *s, out, err);
    const EventsTable t = ComputeEventsTable(*s, DefaultEventRows(*s));
    out << (o.csv ? FormatEventsCsv(t) : FormatEventsText(t));
    if (o.diagramsDir.empty()) return kExitOk;
    if (const std::string e = diagrams ? diagrams(*s, o.diagramsDir) : "not available";
        !e.empty()) {
        err << kProgram << "cannot write the diagrams into \"" << o.diagramsDir << "\": " << e
            << "\n";
        return kExitDiagrams;
    }
    return kExitOk;
}

} // namespace vt
