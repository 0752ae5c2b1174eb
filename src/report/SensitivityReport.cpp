// The sensitivity report: each option's part computed and printed as a listing or CSV.
#include "report/SensitivityReport.h"

#include "analysis/SensitivityRun.h"
#include "model/Dimensions.h"
#include "model/Format.h"

namespace vt {

namespace {

// The tolerances of the options; the dimension's name on error.
bool ReadTolerances(const ReportOptions& o, ToleranceSet& t, std::string& unknown) {
    for (const std::string& text : o.tolerances) {
        const std::size_t eq = text.rfind('=');
        double value = 0;
        ParseDecimal(text.substr(eq == std::string::npos ? 0 : eq + 1),
                     value); // checked when parsed
        if (eq == std::string::npos) {
            t.Length = value;
            continue;
        }
        const DimensionInfo* d = FindDimensionByName(text.substr(0, eq));
        if (!d || d->Id == 0) {
            unknown = text.substr(0, eq);
            return false;
        }
        t.Overrides[d->Name] = value;
    }
    return true;
}

} // namespace

int RunSensitivity(const ReportOptions& o, const State& s, std::ostream& out, std::ostream& err) {
    SensitivityRequest q;
    q.Position = o.position;
    q.MonteCarloDesigns = kReportMonteCarloDesigns;
    q.Wear = o.wear;
    if (!o.tolerances.empty()) {
        ToleranceSet t;
        std::string unknown;
        if (!ReadTolerances(o, t, unknown)) {
            err << "valvetrace-report: no dimension with a tolerance is called \"" << unknown
                << "\"; give its name as the editors show it or its field name\n";
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
