// The description and the pins' CSV of a gear design; see GearText.h.
#include "report/GearText.h"

#include "gearfile/GearFile.h"
#include "gears/PortFace.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace vt {

namespace {

using gears::GearDesign;

// One line of the description: a dimension or a derived lap.
struct Row {
    std::string name, caption, value, unit;
};

// The shortest text that reads back as exactly this number.
std::string Exact(double v) {
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    return std::string(buf, end);
}

std::string UnitText(const GearDesign& d, gears::UnitKind u) {
    switch (u) {
    case gears::UnitKind::Length: return std::string(gears::UnitName(d.Unit));
    case gears::UnitKind::Angle: return "deg";
    case gears::UnitKind::Choice: break;
    }
    return "";
}

std::vector<Row> DescriptionRows(const GearDesign& d) {
    std::vector<Row> rows;
    const auto dims = d.Kind->Dimensions();
    for (std::size_t i = 0; i < dims.size(); ++i) {
        const double v = d.Values[i];
        rows.push_back({dims[i].Name, dims[i].Caption,
                        dims[i].Unit == gears::UnitKind::Choice ? ChoiceText(dims[i], v) : Exact(v),
                        UnitText(d, dims[i].Unit)});
    }
    const gears::Laps laps = gears::LapsOf(d.Kind->Face(d));
    const std::string unit(gears::UnitName(d.Unit));
    rows.push_back({"front_steam_lap", "Front steam lap (+ lap / - clearance)",
                    Exact(laps.FrontSteam), unit});
    rows.push_back({"rear_steam_lap", "Rear steam lap (+ lap / - clearance)",
                    Exact(laps.RearSteam), unit});
    rows.push_back({"front_exhaust_lap", "Front exhaust lap (+ lap / - clearance)",
                    Exact(laps.FrontExhaust), unit});
    rows.push_back({"rear_exhaust_lap", "Rear exhaust lap (+ lap / - clearance)",
                    Exact(laps.RearExhaust), unit});
    return rows;
}

std::string BodyPins(const GearDesign& d, const gears::BodyInfo& body) {
    std::string pins;
    for (int p : body.Pins) {
        if (!pins.empty()) pins += ' ';
        pins += d.Kind->Pins()[std::size_t(p)].Name;
    }
    return pins;
}

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted(1, '"');
    for (char c : text) quoted.append(c == '"' ? 2 : 1, c);
    return quoted += '"';
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.resize(width, ' ');
    return text;
}

std::string Coordinate(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%#.12g", v);
    return buf;
}

std::string PinsHeader(const GearDesign& d) {
    std::string h = "crank_deg";
    for (const gears::PinInfo& p : d.Kind->Pins()) {
        (h += ',') += p.Name;
        (h += "_x,") += p.Name;
        h += "_y";
    }
    return h += ",valve_x\n";
}

std::string PinsRow(double crank, const gears::GearPose& pose, std::size_t pins) {
    char angle[32];
    std::snprintf(angle, sizeof angle, "%.10g", crank);
    std::string row = angle;
    const auto cell = [&](double v) { (row += ',') += pose.Ok() ? Coordinate(v) : ""; };
    for (std::size_t i = 0; i < pins; ++i) {
        cell(pose.Pins[i].x());
        cell(pose.Pins[i].y());
    }
    cell(pose.Valve);
    return row += '\n';
}

} // namespace

std::string DescribeGearText(const GearDesign& d) {
    std::string text = std::string(d.Kind->Caption()) + " (" + std::string(d.Kind->Name()) +
                       "): " + d.Name + "\nLength unit: " + std::string(gears::UnitName(d.Unit)) +
                       "; angles in degrees\n\nDimensions and laps\n";
    for (const Row& r : DescriptionRows(d))
        text += "  " + Padded(r.name, 22) + " " + Padded(r.caption, 40) + " " +
                Padded(r.value, 22) + " " + r.unit + "\n";
    text += "\nBodies and the pins each carries\n";
    for (const gears::BodyInfo& b : d.Kind->Bodies())
        text += "  " + Padded(b.Name, 22) + " " + BodyPins(d, b) + "\n";
    return text;
}

std::string DescribeGearCsv(const GearDesign& d) {
    std::string csv = "name,caption,value,unit\n";
    for (const Row& r : DescriptionRows(d))
        csv += Field(r.name) + "," + Field(r.caption) + "," + Field(r.value) + "," +
               Field(r.unit) + "\n";
    for (const gears::BodyInfo& b : d.Kind->Bodies())
        csv += "body," + Field(b.Name) + "," + BodyPins(d, b) + "\n";
    return csv;
}

PinsCsv PinsOverATurn(const GearDesign& d, double setting, double step) {
    PinsCsv r{PinsHeader(d), {}};
    const auto solver = d.Kind->MakeSolver(d);
    const std::size_t pins = d.Kind->Pins().size();
    gears::GearPose pose;
    for (long k = 0; double(k) * step < 360.0 - 1e-9; ++k) {
        const double crank = double(k) * step;
        solver->Solve(crank, setting, pose);
        if (!pose.Ok() && r.failed.empty()) r.failed = pose.Failed;
        r.csv += PinsRow(crank, pose, pins);
    }
    return r;
}

} // namespace vt
