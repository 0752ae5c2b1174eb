// The gear options of valvetrace-report on the design read as a gear: written as a gear
// file, described, or solved over a turn.
#include "report/GearReport.h"

#include "gearfile/GearFile.h"
#include "model/Format.h"
#include "report/GearText.h"
#include "report/Report.h"

#include <cmath>
#include <optional>

namespace vt {

namespace {

using gears::GearDesign;

constexpr const char* kProgram = "valvetrace-report: ";

int Export(const ReportOptions& o, const GearDesign& d, std::ostream& err) {
    const GearFileResult r = SaveGearFile(d, o.gear.exportPath);
    if (r.ok) return kExitOk;
    err << kProgram << "cannot write the gear file \"" << o.gear.exportPath
        << "\": " << r.message << "; any file of that name is as it was\n";
    return kExitDesign;
}

// The reverser setting of --pins: a named position, or an offset within full gear.
std::optional<double> PinsSetting(const GearDesign& d, const std::string& text) {
    for (gears::NamedPosition p : gears::kNamedPositions)
        if (text == gears::PositionName(p)) return gears::SettingOf(d, p);
    double offset = 0;
    const double full = gears::SettingOf(d, gears::NamedPosition::FullForward);
    if (ParseDecimal(text, offset) && std::abs(offset) <= std::abs(full)) return offset;
    return std::nullopt;
}

int Pins(const ReportOptions& o, const GearDesign& d, std::ostream& out, std::ostream& err) {
    const std::optional<double> setting = PinsSetting(d, o.gear.pinsPosition);
    if (!setting) {
        err << kProgram << "--pins: the offset " << o.gear.pinsPosition
            << " is beyond full gear (+-"
            << std::abs(gears::SettingOf(d, gears::NamedPosition::FullForward)) << ")\n";
        return kExitUsage;
    }
    const PinsCsv pins = PinsOverATurn(d, *setting, o.gear.pinsStep);
    out << pins.csv;
    if (pins.failed.empty()) return kExitOk;
    err << kProgram << "the gear cannot be assembled at every crank angle: " << pins.failed
        << " fails (its rows are left empty)\n";
    return kExitNotMet;
}

} // namespace

int RunGearReport(const ReportOptions& o, const GearDesign& d, std::ostream& out,
                  std::ostream& err) {
    if (!o.gear.exportPath.empty()) return Export(o, d, err);
    if (o.gear.describe) {
        out << (o.csv ? DescribeGearCsv(d) : DescribeGearText(d));
        return kExitOk;
    }
    return Pins(o, d, out, err);
}

} // namespace vt
