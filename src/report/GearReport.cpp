// The gear options of valvetrace-report: the design read as a gear (a gear file, or a
// .dvt as the classic gear), then written, described, solved over a turn or tabulated.
#include "report/GearReport.h"

#include "analysis/EventsTable.h"
#include "analysis/EventsText.h"
#include "gearfile/GearFile.h"
#include "gears/kinds/ClassicGear.h"
#include "model/Defaults.h"
#include "model/Format.h"
#include "model/RevArmSets.h"
#include "report/GearText.h"
#include "report/Report.h"

#include <cmath>
#include <memory>
#include <optional>

namespace vt {

namespace {

using gears::GearDesign;

constexpr const char* kProgram = "valvetrace-report: ";

std::optional<GearDesign> LoadGear(const std::string& path, std::string& message) {
    if (IsGearFileName(path)) {
        GearDesign d;
        const GearFileResult r = OpenGearFile(d, path);
        message = r.message;
        return r.ok ? std::optional(std::move(d)) : std::nullopt;
    }
    const auto s = std::make_unique<State>();
    const DesignLoad load = LoadReportDesign(*s, path);
    message = load.message;
    return load.ok ? std::optional(gears::ClassicDesign(*s)) : std::nullopt;
}

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

// The events table of a gear file: the classic gear's through the program's own engine;
// the other gears' come with the design tools on the gear engine.
int Table(const ReportOptions& o, const GearDesign& d, std::ostream& out, std::ostream& err) {
    if (d.Kind != &gears::ClassicGear()) {
        err << kProgram << "the events table of a " << d.Kind->Caption()
            << " design is not available yet; --describe and --pins read it\n";
        return kExitUsage;
    }
    const auto s = std::make_unique<State>();
    StartUp(*s);
    gears::ApplyClassicDesign(d, *s);
    RevArmSetForm form;
    DrawRevArmSetForm(*s, form);
    const EventsTable t = ComputeEventsTable(*s, DefaultEventRows(*s));
    out << (o.csv ? FormatEventsCsv(t) : FormatEventsText(t));
    return kExitOk;
}

} // namespace

int RunGearReport(const ReportOptions& o, std::ostream& out, std::ostream& err) {
    std::string message;
    const std::optional<GearDesign> d = LoadGear(o.design, message);
    if (!d) {
        err << kProgram << "cannot read the design \"" << o.design << "\": " << message << "\n";
        return kExitDesign;
    }
    if (!o.gear.exportPath.empty()) return Export(o, *d, err);
    if (o.gear.describe) {
        out << (o.csv ? DescribeGearCsv(*d) : DescribeGearText(*d));
        return kExitOk;
    }
    if (o.gear.pins) return Pins(o, *d, out, err);
    return Table(o, *d, out, err);
}

} // namespace vt
