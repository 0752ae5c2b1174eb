// The Set Reverse Arm Positions rules: the reference scale by sense, the list ended at
// its first 0, the positions revealed as the user types, and the storing rules.
#include "model/RevArmSets.h"

#include "model/Real.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(RevArmSets, ReferenceScaleBySense) {
    auto c = test::BuiltIn();
    auto marks = RevArmScaleMarks(*c);
    const char* direct[] = {"Min 4.723", "Rev 4.983", "Cent 6.023", "Fwd 7.063", "Max 7.323"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(marks[i].text, direct[i]);
        EXPECT_EQ(marks[i].x, 10 + 65 * int(i));
    }
    c->LiftArmSense = -c->LiftArmSense;
    marks = RevArmScaleMarks(*c);
    const char* inverted[] = {"Max 7.323", "Rev 7.063", "Cent 6.023", "Fwd 4.983", "Min 4.723"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(marks[i].text, inverted[i]);
}

struct RevArmFormTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    RevArmSetForm f;
    void Five() {
        for (int k = 1; k <= 5; ++k) c->RevArmSet[k] = c->RevArmSet[0] + 0.1f * float(k);
        DrawRevArmSetForm(*c, f);
    }
};

TEST_F(RevArmFormTest, StartUpShowsThreePositionsAndTheNextField) {
    DrawRevArmSetForm(*c, f);
    EXPECT_EQ(c->RevArmCount, 3);
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(f.shown[std::size_t(k)]) << k;
    for (int k = 5; k <= 9; ++k) EXPECT_FALSE(f.shown[std::size_t(k)]) << k;
    EXPECT_EQ(f.text[1], "6.023");
    EXPECT_EQ(f.text[3], "4.983");
    EXPECT_EQ(f.text[4], "0.000");
    EXPECT_EQ(f.text[10], "1.500");
}

TEST_F(RevArmFormTest, AZeroEndsTheListAtTheNextDrawing) {
    Five();
    EXPECT_EQ(c->RevArmCount, 5);
    StoreRevArmPosition(*c, 3, "0");
    EXPECT_EQ(c->RevArmSet[4], c->RevArmSet[0] + 0.4f); // not before the drawing
    DrawRevArmSetForm(*c, f);
    EXPECT_EQ(c->RevArmCount, 2);
    for (int k = 3; k <= 9; ++k) EXPECT_EQ(c->RevArmSet[k], 0.0f) << k;
    EXPECT_TRUE(f.shown[3]);
    EXPECT_FALSE(f.shown[4]);
    EXPECT_FALSE(f.shown[5]);
}

TEST_F(RevArmFormTest, NineInUse) {
    for (int k = 1; k <= 9; ++k) c->RevArmSet[k] = 6.0f;
    DrawRevArmSetForm(*c, f);
    EXPECT_EQ(c->RevArmCount, 9);
    EXPECT_TRUE(f.shown[9]);
}

TEST_F(RevArmFormTest, TypingRevealsTheNextPosition) {
    DrawRevArmSetForm(*c, f);
    RevArmKeyPressed(f, 4);
    EXPECT_TRUE(f.shown[5]);
    RevArmKeyPressed(f, 9); // there is no tenth position
    EXPECT_FALSE(f.shown[10]);
}

TEST(RevArmSets, StoringPositions) {
    auto c = test::BuiltIn();
    const float cen = c->RevArmSet[0], max = c->RevArmCentMax;
    StoreRevArmPosition(*c, 2, "6.5");
    EXPECT_EQ(c->RevArmSet[2], 6.5f);
    // Beyond the travel either way: refused with the beep and the range.
    EXPECT_EQ(StoreRevArmPosition(*c, 2, "9"),
              "Refused 9.000: a position lies from 4.723 to 7.323");
    EXPECT_FALSE(StoreRevArmPosition(*c, 2, "-1").empty());
    EXPECT_EQ(c->RevArmSet[2], 6.5f);
    EXPECT_EQ(c.beeps(), 2);
    EXPECT_TRUE(StoreRevArmPosition(*c, 2, std::to_string(double(cen) + max - 1e-4)).empty());
    StoreRevArmPosition(*c, 4, "0");
    EXPECT_EQ(c->RevArmSet[4], 0.0f);
    StoreRevArmPosition(*c, 4, "");
    EXPECT_EQ(c->RevArmSet[4], 0.0f);
    // Position 1 is never 0: 0.001, here beyond the travel and so refused.
    const float first = c->RevArmSet[1];
    EXPECT_FALSE(StoreRevArmPosition(*c, 1, "0").empty());
    EXPECT_EQ(c->RevArmSet[1], first);
    c->RevArmSet[0] = 0.5f;
    StoreRevArmPosition(*c, 1, "0.000");
    EXPECT_EQ(c->RevArmSet[1], 0.001f);
}

TEST(RevArmSets, StoringTheVerticalScale) {
    auto c = test::BuiltIn();
    StoreVertScale(*c, "0.05");
    EXPECT_EQ(c->VertScale, 0.1f);
    StoreVertScale(*c, "0.1");
    EXPECT_EQ(c->VertScale, 0.1f);
    StoreVertScale(*c, "250");
    EXPECT_EQ(c->VertScale, 250.0f);
    StoreVertScale(*c, "-");
    EXPECT_EQ(c->VertScale, 250.0f);
}

} // namespace
} // namespace vt
