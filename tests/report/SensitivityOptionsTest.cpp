// valvetrace-report's sensitivity options: what they take, and what they refuse and why.
#include "report/ReportOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

ParsedArgs Parse(std::vector<std::string> args) { return ParseReportArgs(args); }

TEST(SensitivityOptions, PositionToleranceAndWearSeries) {
    const ParsedArgs p = Parse({"--tolerance", "0.001", "a.dvt", "--sensitivity", "Normal-Fwd",
                                "--tolerance", "PivotX[7]=0.01", "--wear", "0,0.005,0.02"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_TRUE(p.options.sensitivity);
    EXPECT_EQ(p.options.position, "Normal-Fwd");
    EXPECT_EQ(p.options.tolerances, (std::vector<std::string>{"0.001", "PivotX[7]=0.01"}));
    EXPECT_EQ(p.options.wear, (std::vector<double>{0, 0.005, 0.02}));
    EXPECT_TRUE(Parse({"--sensitivity", "-0.75", "a.dvt"}).ok);
}

TEST(SensitivityOptions, WrongValuesSayWhat) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"a.dvt", "--sensitivity", "halfway"}, "--sensitivity: the position must be full-fwd"},
        {{"a.dvt", "--sensitivity"}, "--sensitivity needs a value"},
        {{"a.dvt", "--sensitivity", "mid", "--wear", "0.01,-1"},
         "--wear: each lost motion must be a number from 0 to 1 (model units), separated by "
         "commas, not 0.01,-1"},
        {{"a.dvt", "--sensitivity", "mid", "--tolerance", "ValveStemLen=x"},
         "--tolerance: the tolerance must be a number of at least 0, not x"},
        {{"a.dvt", "--sensitivity", "mid", "--tolerance", "=0.1"}, "--tolerance: give a dimension"},
        {{"a.dvt", "--wear", "0.01"}, "--tolerance and --wear go with --sensitivity POSITION"},
    };
    for (const auto& c : cases) {
        const ParsedArgs p = Parse(c.args);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.error.rfind(c.error, 0), 0u) << p.error;
    }
}

} // namespace
} // namespace vt
