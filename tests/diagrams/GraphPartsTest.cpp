// What every graph window draws besides its diagram: the legend's direction words by the
// gear's sense, the dynamic-variable block and its banner, the undo line that is one
// drawing behind unless the dynamic variables show, and the font factors.
#include "diagrams/GraphParts.h"

#include "diagrams/Recorded.h"
#include "model/DynVars.h"
#include "model/Format.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::TextsAt;

TEST(GraphParts, DirectionWordsBySense) {
    auto c = test::BuiltIn();
    const float cen = c->RevArmSet[0];
    ASSERT_GT(c->LiftArmSense * c->EccSense, 0);
    EXPECT_EQ(DirectionWord(*c, cen + 0.001f), "Fwd");
    EXPECT_EQ(DirectionWord(*c, cen - 0.001f), "Rev");
    EXPECT_EQ(DirectionWord(*c, cen), "Cen");
    c->EccSense = -1; // inverted sense
    EXPECT_EQ(DirectionWord(*c, cen + 0.001f), "Rev");
    EXPECT_EQ(DirectionWord(*c, cen - 0.001f), "Fwd");
    EXPECT_EQ(DirectionWord(*c, cen), "Cen");
}

TEST(GraphParts, LegendMovesWithTheFontFactors) {
    auto c = test::BuiltIn();
    c->FontScaleX = 1.27f;
    c->FontScaleY = 1.22f;
    RecordingCanvas r(632, 414);
    DrawLegendHead(r, *c);
    DrawLegendRow(r, *c, 2);
    EXPECT_EQ(TextsAt(r, 635, 0).at(0).text, "Reverse Arm Positions"); // 500 x 1.27
    EXPECT_EQ(TextsAt(r, 660, 13).at(0).text, "Center");                // 520 x 1.27, y fixed
    EXPECT_EQ(TextsAt(r, 692, 41).at(0).text, "    2");                 // 545 x 1.27; 29 + 12
    EXPECT_EQ(TextsAt(r, 677, 41).at(0).text, "Fwd");
    EXPECT_EQ(TextsAt(r, 737, 41).at(0).text, " 7.063");
}

struct FooterTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    RecordingCanvas Footer() {
        RecordingCanvas r(632, 414);
        DrawGraphFooter(r, *c);
        return r;
    }
};

TEST_F(FooterTest, NothingWhileBothAreOff) { EXPECT_TRUE(Footer().Calls().empty()); }

TEST_F(FooterTest, BannerInRedWhileNoSlotIsChosen) {
    c->DynVarsOn = true;
    const RecordingCanvas r = Footer();
    ASSERT_EQ(r.Calls(CanvasCall::Text).size(), 3u);
    for (const auto& [y, text] : {std::pair{2, "*******************************"},
                                  {12, "* First Select Dimensions *"},
                                  {26, "*******************************"}}) {
        ASSERT_EQ(TextsAt(r, 235, y).size(), 1u) << y;
        EXPECT_EQ(TextsAt(r, 235, y)[0].text, text);
        EXPECT_EQ(TextsAt(r, 235, y)[0].pen, colors::Red);
    }
}

TEST_F(FooterTest, SlotNamesAndValuesWithTheFontFactors) {
    c->DynVarsOn = true;
    for (int id : {2, 3, 10, 19}) VisitDimension(*c, id);
    c->FontScaleX = 1.27f;
    c->FontScaleY = 1.22f;
    const RecordingCanvas r = Footer();
    ASSERT_EQ(r.Calls(CanvasCall::Text).size(), 8u);
    const int rows[] = {2, 17, 32, 46}; // 2, then 14, 26, 38 x 1.22
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(TextsAt(r, 298, rows[k - 1]).at(0).text, c->DynVarName[k]);
        EXPECT_EQ(TextsAt(r, 461, rows[k - 1]).at(0).text, FormatFixed(c->DynVarValue[k], 6, 3));
        EXPECT_EQ(TextsAt(r, 461, rows[k - 1]).at(0).pen, colors::Black);
    }
}

TEST_F(FooterTest, UndoLineIsTheOneTheLastDrawingBuilt) {
    c->UndoOn = true;
    c->UndoStatusText = "earlier";
    c->UndoCount = 1;
    c->UndoName[1] = "Stroke";
    c->UndoNew[1] = 3.5f;
    c->UndoOld[1] = 3.0f;
    const std::string fresh = " 1- Stroke  3.500 to  3.000" + std::string(46, ' ');
    RecordingCanvas r = Footer();
    ASSERT_EQ(r.Calls(CanvasCall::Text).size(), 1u);
    EXPECT_EQ(TextsAt(r, 150, 55).at(0).text, "earlier");
    EXPECT_EQ(c->UndoStatusText, fresh);
    r = Footer(); // the second drawing shows it
    EXPECT_EQ(TextsAt(r, 150, 55).at(0).text, fresh);

    // With the dynamic variables on, the fresh line is written over the old at once.
    c->DynVarsOn = true;
    c->UndoStatusText = "earlier";
    r = Footer();
    const std::vector<CanvasCall> lines = TextsAt(r, 150, 55);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "earlier");
    EXPECT_EQ(lines[1].text, fresh);
}

} // namespace
} // namespace vt
