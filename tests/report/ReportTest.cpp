// valvetrace-report without Qt: the command line, the dimension names it takes, the
// sweep against the table at the design's own value, and what a refused design says.
#include "report/Report.h"

#include "analysis/DimensionSweep.h"
#include "analysis/EventsTable.h"
#include "gears/kinds/ClassicGear.h"
#include "model/Dimensions.h"
#include "model/Controls.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace vt {
namespace {

ParsedArgs Parse(std::vector<std::string> args) { return ParseReportArgs(args); }

TEST(ReportOptions, OptionsInAnyOrderAroundOneDesign) {
    const ParsedArgs p = Parse({"--csv", "a.dvt", "--sweep", "Main Rod Length", "-2.5", "4", "3"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.design, "a.dvt");
    EXPECT_TRUE(p.options.csv);
    EXPECT_TRUE(p.options.sweep);
    EXPECT_EQ(p.options.sweepName, "Main Rod Length");
    EXPECT_EQ(p.options.sweepFrom, -2.5);
    EXPECT_EQ(p.options.sweepTo, 4.0);
    EXPECT_EQ(p.options.sweepSteps, 3);
    EXPECT_TRUE(Parse({"--help"}).ok);
    EXPECT_EQ(Parse({"x.dvt", "--diagrams", "out"}).options.diagramsDir, "out");
}

TEST(ReportOptions, WrongCommandLinesSayWhat) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{}, "no design file given"},
        {{"a.dvt", "b.dvt"}, "only one design file, not also b.dvt"},
        {{"a.dvt", "--png"}, "unknown option --png"},
        {{"a.dvt", "--diagrams"}, "--diagrams needs a folder"},
        {{"a.dvt", "--sweep", "MainRodLen", "1", "2"}, "--sweep needs NAME FROM TO STEPS"},
        {{"a.dvt", "--sweep", "MainRodLen", "one", "2", "3"}, "--sweep: FROM is not a number: one"},
        {{"a.dvt", "--sweep", "MainRodLen", "1", "2", "0"},
         "--sweep: STEPS must be a whole number from 1 to 10000: 0"},
    };
    for (const auto& c : cases) {
        const ParsedArgs p = Parse(c.args);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.error, c.error);
    }
}

TEST(ReportOptions, SetValveTakesTheTargetsUpToTheNextOption) {
    const ParsedArgs p = Parse({"--set-valve", "lead-equal@full-fwd", "cutoff=75@normal-fwd*2",
                                "--vary", "ValveStemLen=3:3.4", "--out", "n.dvt", "a.dvt"});
    ASSERT_TRUE(p.ok) << p.error;
    ASSERT_EQ(p.options.targets.size(), 2u);
    EXPECT_EQ(TargetText(p.options.targets[1]), "cutoff=75@normal-fwd*2");
    ASSERT_EQ(p.options.vary.size(), 1u);
    EXPECT_EQ(p.options.vary[0].High, 3.4);
    EXPECT_EQ(p.options.outPath, "n.dvt");
    EXPECT_EQ(p.options.design, "a.dvt");
    const struct {
        std::vector<std::string> args;
        const char* error;
    } wrong[] = {
        {{"--set-valve", "--vary", "X", "a.dvt"}, "--set-valve needs a target, as lead-equal@full-fwd"},
        {{"--set-valve", "lead-equal@mid", "a.dvt"},
         "--set-valve needs a dimension to vary, as --vary ValveStemLen"},
        {{"--vary", "X", "a.dvt"}, "--vary and --out go with --set-valve"},
        {{"--set-valve", "lead@mid", "--vary", "X", "a.dvt"},
         "--set-valve: lead needs a value, as lead=0.02"},
        {{"--set-valve", "lead-equal@mid", "--vary", "X", "--csv", "a.dvt"},
         "--set-valve does not go with --csv: the setting prints its listing only"},
    };
    for (const auto& w : wrong) EXPECT_EQ(Parse(w.args).error, w.error);
}

TEST(ReportSweep, DimensionsByNameTextOrFieldNameIgnoringCase) {
    const DimensionInfo* byText = FindDimensionByName("  main ROD length ");
    ASSERT_NE(byText, nullptr);
    EXPECT_STREQ(byText->Name, "MainRodLen");
    EXPECT_EQ(FindDimensionByName("mainrodlen"), byText);
    ASSERT_NE(FindDimensionByName("RevArmCentNorm"), nullptr); // a row without a name text
    ASSERT_NE(FindDimensionByName("ValveLenFront"), nullptr);  // a cylinder dimension
    EXPECT_EQ(FindDimensionByName("Boiler Pressure"), nullptr);
    EXPECT_EQ(FindDimensionByName(""), nullptr);
}

// A sweep through the design's own value gives the table's figures at the normal
// positions; other values move them, and the design itself keeps its value.
TEST(ReportSweep, TheDesignsOwnValueGivesTheTablesFigures) {
    const auto s = std::make_unique<State>();
    ASSERT_TRUE(LoadReportDesign(*s, VT_DATA_DIR "/Nominal.dvt").ok);
    const gears::GearDesign d = gears::ClassicDesign(*s);
    const int i = d.Kind->DimensionIndex("EccRodFwdLen");
    const double own = d.Values[std::size_t(i)];
    const DimensionSweep w = SweepDimension(d, i, own - 1, own + 1, 2);
    ASSERT_EQ(w.Points.size(), 3u);
    EXPECT_EQ(s->EccRodFwdLen, float(own));
    const EventsRowSpec rows[] = {{s->RevArmCentNorm, true, RowSource::Stored, 1},
                                  {-s->RevArmCentNorm, false, RowSource::Stored, 2}};
    const EventsTable t = ComputeEventsTable(d, rows);
    const SweepPoint& mid = w.Points[1];
    EXPECT_EQ(mid.Forward.Front.CutOff, t.Rows[0].Front.CutOff);
    EXPECT_EQ(mid.Reverse.Rear.Release, t.Rows[1].Rear.Release);
    EXPECT_EQ(mid.Forward.Rear.Lead, t.Rows[0].Rear.Lead);
    EXPECT_NE(w.Points[0].Forward.Front.Lead, mid.Forward.Front.Lead);
}

TEST(Report, ARefusedDesignIsNamedWithTheReasonAndPrintsNothing) {
    ReportOptions o;
    o.design = VT_REPORT_DATA_DIR "/Truncated.dvt";
    std::ostringstream out, err;
    EXPECT_EQ(RunReport(o, out, err, nullptr), kExitDesign);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "valvetrace-report: cannot read the design \"" + o.design +
                             "\": Read beyond end of file\n");
}

TEST(Report, DiagramsThatCannotBeWrittenSayWhereAndWhy) {
    ReportOptions o;
    o.design = VT_DATA_DIR "/Nominal.dvt";
    o.diagramsDir = "/no/such";
    std::ostringstream out, err;
    const auto failing = [](State&, const std::string&) { return std::string("disk full"); };
    EXPECT_EQ(RunReport(o, out, err, failing), kExitDiagrams);
    EXPECT_NE(out.str().find("F18  Fwd"), std::string::npos); // the table came first
    EXPECT_EQ(err.str(),
              "valvetrace-report: cannot write the diagrams into \"/no/such\": disk full\n");
}

std::vector<char> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The saved design is the file it came from with the values found, and nothing else.
TEST(Report, SetValveSavesTheFileWithTheValuesFoundOnly) {
    ReportOptions o;
    o.design = VT_REPORT_DATA_DIR "/Long Stem.dvt";
    o.setValve = true;
    o.targets = {*ParseTarget("lead-equal@normal-fwd").target};
    o.vary = {{"Valve Stem", {}, {}}};
    o.outPath = (std::filesystem::temp_directory_path() / "vt_set_valve_out.dvt").string();
    std::filesystem::remove(o.outPath);
    std::ostringstream out, err;
    ASSERT_EQ(RunReport(o, out, err, nullptr), kExitOk) << err.str();
    EXPECT_NE(out.str().find("Status: met\n"), std::string::npos);
    std::vector<char> before = Bytes(o.design), after = Bytes(o.outPath);
    ASSERT_EQ(after.size(), before.size());
    const auto s = std::make_unique<State>();
    ASSERT_TRUE(LoadReportDesign(*s, o.outPath).ok);
    EXPECT_NEAR(s->ValveStemLen, 3.1935, 0.0005); // 0.06 shorter: the leads equal again
    // The stem is the file's 49th float; the rest is as it was.
    std::memcpy(before.data() + 48 * 4, after.data() + 48 * 4, 4);
    EXPECT_EQ(after, before);
    std::filesystem::remove(o.outPath);
}

} // namespace
} // namespace vt
