// valvetrace-report's gear options without Qt: a .dvt exported as a gear file gives the
// same pins and events as the .dvt; the pins' CSV keeps the gear's rods and lines to the
// digits it prints; wrong gear command lines say what is wrong.
#include "report/Report.h"

#include "files/FileTestSupport.h"
#include "gearfile/GearFile.h"
#include "gears/kinds/Walschaerts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace vt {
namespace {

struct Outcome {
    int exit;
    std::string out, err;
};

Outcome Report(std::vector<std::string> args) {
    const ParsedArgs p = ParseReportArgs(args);
    if (!p.ok) return {kExitUsage, "", p.error};
    std::ostringstream out, err;
    const int exit = RunReport(p.options, out, err, nullptr);
    return {exit, out.str(), err.str()};
}

TEST(GearReport, AnExportedDesignHasTheDvtsPinsAndEvents) {
    test::ScratchFolder dir;
    for (const char* name : {"Nominal", "Crossed Rods", "Negative Lifting Arm", "Long Travel"}) {
        const std::string dvt = std::string(VT_DATA_DIR) + "/" + name + ".dvt";
        const std::string gear = dir.Path(std::string(name) + ".vgear");
        const Outcome exported = Report({"--export-gear", gear, dvt});
        ASSERT_EQ(exported.exit, kExitOk) << exported.err;
        for (const char* position : {"full-fwd", "normal-rev", "0.3"}) {
            const Outcome a = Report({"--pins", "10", position, dvt});
            const Outcome b = Report({"--pins", "10", position, gear});
            ASSERT_EQ(a.exit, kExitOk) << name << a.err;
            EXPECT_EQ(a.out, b.out) << name << " at " << position;
        }
        const Outcome a = Report({"--csv", dvt}), b = Report({"--csv", gear});
        ASSERT_EQ(b.exit, kExitOk) << b.err;
        EXPECT_EQ(a.out, b.out) << name;
    }
}

// The CSV as columns by header name.
std::map<std::string, std::vector<double>> Columns(const std::string& csv) {
    std::istringstream in(csv);
    std::string line, cell;
    std::getline(in, line);
    std::vector<std::string> names;
    for (std::istringstream h(line); std::getline(h, cell, ',');) names.push_back(cell);
    std::map<std::string, std::vector<double>> columns;
    while (std::getline(in, line)) {
        std::istringstream row(line);
        for (const std::string& n : names) {
            std::getline(row, cell, ',');
            columns[n].push_back(std::stod(cell));
        }
    }
    return columns;
}

TEST(GearReport, PinsKeepTheRodsAndLinesToTheirPrintedDigits) {
    test::ScratchFolder dir;
    const gears::GearDesign d = gears::Walschaerts().Sample();
    ASSERT_TRUE(SaveGearFile(d, dir.Path("W.vgear")).ok);
    const Outcome r = Report({"--pins", "7.5", "normal-fwd", dir.Path("W.vgear")});
    ASSERT_EQ(r.exit, kExitOk) << r.err;
    auto c = Columns(r.out);
    ASSERT_EQ(c["crank_deg"].size(), 48u);
    const double radius = d.Value("StrokeLen") / 2, rod = d.Value("MainRodLen");
    for (std::size_t i = 0; i < 48; ++i) {
        const double theta = c["crank_deg"][i] * M_PI / 180;
        EXPECT_NEAR(c["CrankPin_x"][i], radius * std::cos(theta), 1e-9);
        EXPECT_NEAR(c["CrankPin_y"][i], -radius * std::sin(theta), 1e-9);
        EXPECT_NEAR(c["Crosshead_y"][i], d.Value("CylCLHeight"), 1e-9);
        EXPECT_NEAR(std::hypot(c["Crosshead_x"][i] - c["CrankPin_x"][i],
                               c["Crosshead_y"][i] - c["CrankPin_y"][i]), rod, 1e-8);
        EXPECT_NEAR(std::hypot(c["LinkFoot_x"][i] - c["ReturnCrankPin_x"][i],
                               c["LinkFoot_y"][i] - c["ReturnCrankPin_y"][i]),
                    d.Value("EccRodLen"), 1e-8);
    }
    EXPECT_EQ(c["valve_x"].size(), 48u);
}

TEST(GearReport, WrongGearCommandLinesSayWhat) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--pins", "0", "mid", "a.dvt"}, "--pins: STEP must be"},
        {{"--pins", "10", "sideways", "a.dvt"}, "--pins: the position must be"},
        {{"--describe", "--pins", "10", "mid", "a.dvt"}, "only one of --export-gear"},
        {{"--describe", "--sensitivity", "mid", "a.dvt"}, "--describe does not go with"},
        {{"--export-gear", "b.vgear", "a.vgear"}, "--export-gear takes a .dvt design"},
        {{"--diagrams", "out", "a.vgear"}, "--diagrams draws a .dvt design"},
    };
    for (const auto& c : cases) {
        const ParsedArgs p = ParseReportArgs(c.args);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.error.rfind(c.error, 0), 0u) << p.error;
    }
}

} // namespace
} // namespace vt
