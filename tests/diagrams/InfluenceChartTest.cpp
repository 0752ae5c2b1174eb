// The influence chart on the recording canvas: bars in the order given, lengths in
// proportion from one zero line, raising bars right in blue, lowering ones left in red.
#include "diagrams/InfluenceChart.h"

#include "render/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace vt {
namespace {

TEST(InfluenceChart, BarsFromOneZeroLineInProportionAndColour) {
    RecordingCanvas c(kInfluenceChartWidth, kInfluenceChartHeight);
    const std::vector<InfluenceBar> bars{
        {"Rocker Pivot Horz", -200, "-200.0"}, {"Valve Stem", 100, "100.0"},
        {"Link Radius", 50, "50.00"}};
    DrawInfluenceChart(c, "Front cut-off", bars);
    // Each bar is a run of horizontal lines of one colour; its extent per bar, by row.
    std::map<int, std::pair<int, int>> extent; // top row -> (left, right)
    std::map<int, Color> colour;
    int zero = -1;
    for (const CanvasCall& l : c.Calls(CanvasCall::Line)) {
        if (l.c[0] == l.c[2]) {
            zero = l.c[0]; // the upright zero line
            continue;
        }
        const int bar = (l.c[1] - 34) / 28;
        extent[bar] = {l.c[0], l.c[2]};
        colour[bar] = l.pen;
    }
    ASSERT_EQ(extent.size(), 3u);
    EXPECT_EQ(extent[0].second, zero); // lowers: ends at the zero line, on its left
    EXPECT_EQ(extent[1].first, zero);  // raises: starts there, on its right
    EXPECT_EQ(colour[0], kLowersColor);
    EXPECT_EQ(colour[1], kRaisesColor);
    const int longest = extent[0].second - extent[0].first;
    EXPECT_NEAR(extent[1].second - extent[1].first, longest / 2.0, 0.5);
    EXPECT_NEAR(extent[2].second - extent[2].first, longest / 4.0, 0.5);
    const auto texts = c.Calls(CanvasCall::Text);
    ASSERT_GE(texts.size(), 7u);
    EXPECT_EQ(texts[0].text, "Front cut-off");
    EXPECT_EQ(texts[1].text, "Rocker Pivot Horz");
    EXPECT_EQ(texts[2].text, "-200.0");
}

} // namespace
} // namespace vt
