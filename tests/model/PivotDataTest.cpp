// The pivot data: the picks, the nearest pivot, and the table over a whole turn.
#include "model/PivotData.h"

#include "support/Designs.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace vt {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(PivotTable, RowsFromZeroByTheStepUpTo360) {
    auto c = test::BuiltIn();
    struct Case {
        float step;
        std::size_t rows;
        const char* last;
    } cases[] = {{10, 37, " 360.00"}, {45, 9, " 360.00"}, {7, 52, " 357.00"}};
    for (const Case& k : cases) {
        c->StepAngle = k.step;
        const auto lines = Lines(BuildPivotTable(*c, "d", "t"));
        ASSERT_EQ(lines.size(), 4 + k.rows) << k.step;
        EXPECT_EQ(lines.back().substr(0, 7), k.last) << k.step;
        EXPECT_EQ(lines[4].substr(0, 7), "   0.00");
    }
}

TEST(PivotTable, HeadersColumnsAndRestoredState) {
    auto c = test::BuiltIn();
    c->DriverAngle = 123;
    c->RunStep = 10;
    c->StepAngle = 90;
    c->PivotSel[1] = 7; // the rocker pivot, fixed at (8.13, 1.3)
    c->PivotSelOn[1] = 1;
    const auto lines = Lines(BuildPivotTable(*c, "8/12/26", "3:04:05"));
    EXPECT_EQ(lines[0], "Pivot Data   Nominal     8/12/26   3:04:05");
    EXPECT_EQ(lines[1], "       Reverse Arm   6.023      Step Angle  90.000");
    EXPECT_EQ(lines[4], "   0.00     1.300    8.130       0.000    0.000       0.000    0.000"
                        "       0.000    0.000       0.000    0.000       0.000    0.000");
    EXPECT_EQ(lines[2].find('\t'), std::string::npos);
    EXPECT_EQ(c->DriverAngle, 123.0f);
    EXPECT_EQ(c->RunStep, 10.0f);
}

TEST(PivotTable, NearestPivotLeavesOutTheReferencePointsAndPrefersTheLowerNumber) {
    auto c = test::BuiltIn();
    c->PivotX[19] = 8.13f; // reference point 1 right on the rocker pivot
    c->PivotY[19] = 1.3f;
    EXPECT_EQ(NearestPivot(*c, 8.13, 1.3, 24), 6); // pivot 6 is the copy of 7: lower wins
    EXPECT_EQ(NearestPivot(*c, 0.01, -0.01, 24), 1);
}

TEST(PivotData, ToggleSwitchesTheReferencePointsOnAndPicksFollowTheMouse) {
    auto c = test::BuiltIn();
    ViewControls v;
    SetPivotDataClick(*c, v);
    EXPECT_TRUE(c->PivotDataOn);
    EXPECT_TRUE(c->RefPointsOn);
    MousePicksPivot(*c, MouseButton::Left, 10, 165); // row 2's number
    EXPECT_EQ(c->PivotPickRow, 2);
    EXPECT_EQ(c->PivotSelOn[2], 1.0f);
    // Then a click near the crosshead line's left end picks the axle.
    MousePicksPivot(*c, MouseButton::Left, 111, 269);
    EXPECT_EQ(c->PivotSel[2], 1.0f);
    EXPECT_EQ(c->PivotPickRow, 0);
    SetPivotDataClick(*c, v);
    EXPECT_FALSE(c->PivotDataOn);
    EXPECT_TRUE(c->RefPointsOn);
}

} // namespace
} // namespace vt
