// --set-valve: the dimensions resolved on the design, the search, the table, the save.
#include "report/SetValveReport.h"

#include "analysis/SettingTasks.h"
#include "analysis/SettingText.h"
#include "files/DimFile.h"
#include "gearfile/GearFile.h"
#include "model/Defaults.h"
#include "model/Dimensions.h"

#include <memory>

namespace vt {

namespace {

constexpr const char* kProgram = "valvetrace-report: ";

// A gear file: the design with the values found. A .dvt: the file read again, untouched by
// the mid-gear calculation, with the values found written as the editors write them: its
// view, presets, stored positions and lines stay as they were. The program finds mid gear
// on opening it.
FileResult SaveFound(const ReportOptions& o, const SettingResult& r) {
    if (IsGearFileName(o.design)) {
        gears::GearDesign d = r.Design;
        for (const VariableOutcome& v : r.Variables) d.Values[std::size_t(v.Variable.Index)] = v.After;
        const GearFileResult g = SaveGearFile(d, o.outPath);
        return {g.ok, g.message};
    }
    const auto file = std::make_unique<State>();
    StartUp(*file);
    FileResult saved = OpenDimensionFile(*file, o.design);
    if (!saved.ok) return saved;
    for (const DimensionValue& v : FoundValues(r))
        WriteDimension(*file, v.Dimension->Id, v.After);
    return SaveDimensionFile(*file, o.outPath);
}

int SaveNewDesign(const ReportOptions& o, const SettingResult& r, std::ostream& err) {
    if (const FileResult saved = SaveFound(o, r); !saved.ok) {
        err << kProgram << "cannot save the new design as \"" << o.outPath
            << "\": " << saved.message << "; any file of that name is as it was\n";
        return kExitDesign;
    }
    return kExitOk;
}

} // namespace

int RunSetValve(const ReportOptions& o, const gears::GearDesign& s, std::ostream& out,
                std::ostream& err) {
    std::vector<SettingVariable> variables;
    for (const VariableSpec& spec : o.vary) {
        const ResolvedVariable v = ResolveVariable(s, spec);
        if (!v.variable) {
            err << kProgram << v.error << "\n";
            return kExitDimension;
        }
        variables.push_back(*v.variable);
    }
    const SettingResult r = SetValve(s, o.targets, variables);
    out << FormatSettingText(r);
    if (r.Status == SettingStatus::CannotAssemble) return kExitNotMet;
    if (!o.outPath.empty())
        if (const int saved = SaveNewDesign(o, r, err); saved != kExitOk) return saved;
    return r.Status == SettingStatus::Met ? kExitOk : kExitNotMet;
}

} // namespace vt
