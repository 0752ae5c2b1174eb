// The sensitivity report: each option's part computed and printed as a listing or CSV.
#include "report/SensitivityReport.h"

#include "analysis/SensitivityRun.h"
#include "analysis/SettingVariables.h"
#include "model/Format.h"

namespace vt {

namespace {

// The tolerances of the options; the dimension's name on error.
bool ReadTolerances(const ReportOptions& o, const gears::GearDesign& d, ToleranceSet& t,
                    std::string& unknown) {
    for (const std::string& text : o.tolerances) {
        const std::size_t eq = text.rfind('=');
        double value = 0;
        ParseDecimal(text.substr(eq == std::string::npos ? 0 : eq + 1),
                     value); // checked when parsed
        if (eq == std::string::npos) {
            t.Length = value;
            continue;
        }
        const int i = FindDimension(d, text.substr(0, eq));
        if (i < 0 || !CanVary(d, i)) {
            unknown = text.substr(0, eq);
            return false;
        }
        t.Overrides[DimensionAt(d, i).Name] = value;
    }
    return true;
}

} // namespace

int RunSensitivity(const ReportOptions& o, const gears::GearDesign& s, std::ostream& out,
                   std::ostream& err) {
    SensitivityRequest q;
    q.Position = o.position;
    q.MonteCarloDesigns = kReportMonteCarloDesigns;
    q.Wear = o.wear;
    if (!o.tolerances.empty()) {
        ToleranceSet t;
        std::string unknown;
        if (!ReadTolerances(o, s, t, unknown)) {
            err << "valvetrace-report: no dimension with a tolerance is called \"" << unknown
                << "\"; give its field name or its caption\n";
            return kExitDimension;
        }
        q.Tolerances = t;
    }
    const SensitivityReport r = *ComputeSensitivityReport(s, q); // the position was checked
    if (!r.Result.Failure.empty()) {
        err << "valvetrace-report: " << FailureText(r);
        return kExitNotMet;
    }
    out << (o.csv ? FormatSensitivityCsv(r) : FormatSensitivityText(r));
    return kExitOk;
}

} // namespace vt
