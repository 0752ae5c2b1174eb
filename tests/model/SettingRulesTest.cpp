// The setting dialogs' rules: reverse arm position, driver angle, step angle.
#include "model/SettingRules.h"

#include "support/ControlsTest.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using SettingRulesTest = test::ControlsFixture;

TEST_F(SettingRulesTest, ReverseArmTextsFollowTheSense) {
    const auto direct = RevArmPositionTexts(*c);
    EXPECT_EQ(direct[0], "Rev = 4.983");
    EXPECT_EQ(direct[1], "Cen = 6.023");
    EXPECT_EQ(direct[2], "Fwd = 7.063");
    EXPECT_EQ(direct[3], "Min = 4.723");
    EXPECT_EQ(direct[4], "Max = 7.323");
    EXPECT_EQ(RevArmEntryText(*c), "  6.023");
    c->EccSense = -1; // inverted: Max is listed first, Rev and Fwd swap sides
    const auto inverted = RevArmPositionTexts(*c);
    EXPECT_EQ(inverted[0], "Rev = 7.063");
    EXPECT_EQ(inverted[3], "Max = 7.323");
    EXPECT_EQ(inverted[4], "Min = 4.723");
}

TEST_F(SettingRulesTest, ReverseArmOkClampsAndMovesTheBar) {
    RevArmPositionOk(*c, k, "6.5");
    EXPECT_EQ(k.RevArm.Pos, 477); // round((6.5 - 6.0226) x 1000)
    EXPECT_EQ(c->DirectionText, "Fwd");
    RevArmPositionOk(*c, k, "99");
    EXPECT_EQ(k.RevArm.Pos, 1300);
    EXPECT_NEAR(c->RevArmPos, c->RevArmSet[0] + 1.3f, 1e-4);
    RevArmPositionOk(*c, k, "-"); // no number: the position stays
    EXPECT_EQ(k.RevArm.Pos, 1300);
}

TEST_F(SettingRulesTest, DriverAngleOkStopsAndSets) {
    EXPECT_EQ(DriverAngleEntryText(*c), "0.00"); // running
    DriverAngleOk(*c, k, "123.456");
    EXPECT_FALSE(k.Running);
    EXPECT_EQ(c->RunStep, 0.0f);
    EXPECT_EQ(k.DrvAng.Pos, 12346);
    EXPECT_FLOAT_EQ(c->DriverAngle, 123.46f);
    EXPECT_TRUE(k.DrvAng.Enabled);
    EXPECT_EQ(DriverAngleEntryText(*c), "123.46");
    DriverAngleOk(*c, k, "500");
    EXPECT_FLOAT_EQ(c->DriverAngle, 360.0f);
}

TEST_F(SettingRulesTest, StepAngleOkKeepsTheTypedValueAndTheMotion) {
    EXPECT_EQ(StepAngleEntryText(*c), "10.00");
    StepAngleOk(*c, k, "7.25");
    EXPECT_EQ(c->StepAngle, 7.25f); // not rounded to the bar's table
    EXPECT_TRUE(k.Running);
    EXPECT_EQ(c->RunStep, 7.25f);
    EXPECT_EQ(k.StepAng.Pos, 11441); // round(log10(725) x 4000) = round(11441.4)
    EXPECT_EQ(k.DrvAng.Small, 725);
    EXPECT_EQ(k.DrvAng.Large, 3625);
    EXPECT_TRUE(k.StepAngArmed);

    RunClick(*c, k); // stop
    StepAngleOk(*c, k, "100");
    EXPECT_EQ(c->StepAngle, 45.0f);
    EXPECT_FALSE(k.Running);
    EXPECT_EQ(c->RunStep, 0.0f);
    StepAngleOk(*c, k, "0");
    EXPECT_EQ(c->StepAngle, 0.01f);
    EXPECT_EQ(k.StepAng.Pos, 0);
}

TEST_F(SettingRulesTest, TheStepBarStaysArmedWhenItDoesNotMove) {
    StepAngleOk(*c, k, "10"); // the bar already stands at 12000
    EXPECT_EQ(k.StepAng.Pos, 12000);
    SBStepAngChange(*c, k, 11000); // the user's next move applies the table
    EXPECT_EQ(c->StepAngle, 5.0f);
}

} // namespace
} // namespace vt

namespace vt {
namespace {

TEST_F(SettingRulesTest, OkWithoutTypingTakesWhatTheEntryShowed) {
    // Driver angle while running shows 0.00: OK stops the motion at 0.
    c->DriverAngle = 200;
    DriverAngleOk(*c, k, DriverAngleEntryText(*c));
    EXPECT_EQ(c->DriverAngle, 0.0f);
    EXPECT_FALSE(k.Running);
    // Step angle while stopped shows 0.00: OK sets the smallest step.
    StepAngleOk(*c, k, StepAngleEntryText(*c));
    EXPECT_EQ(c->StepAngle, 0.01f);
    EXPECT_FALSE(k.Running);
}

} // namespace
} // namespace vt
