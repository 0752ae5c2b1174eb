// The rules of the main window's controls and the model half of the timer tick.
#include "model/Controls.h"

#include "model/Defaults.h"
#include "model/Rounding.h"
#include "support/ControlsTest.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using ControlsTest = test::ControlsFixture;

TEST_F(ControlsTest, StartUpState) {
    EXPECT_STREQ(RunCaption(k), "Stop");
    EXPECT_FALSE(k.Step10Enabled);
    EXPECT_TRUE(k.Step1Enabled);
    EXPECT_FALSE(k.CenterEnabled);
    EXPECT_EQ(k.RevArm.Min, -1300);
    EXPECT_EQ(k.RevArm.Max, 1300);
    EXPECT_EQ(k.DrvAng.Pos, 1);
    EXPECT_EQ(k.StepAng.Pos, 12000);
    TickModel(*c);
    EXPECT_EQ(c->DriverAngle, 10.0f);
    TickModel(*c);
    EXPECT_EQ(c->DriverAngle, 20.0f);
}

TEST_F(ControlsTest, StoppingSetsTheBarAndRoundsTheAngle) {
    c->DriverAngle = 123.456f;
    RunClick(*c, k);
    EXPECT_STREQ(RunCaption(k), "Run");
    EXPECT_EQ(k.DrvAng.Pos, 12346);
    EXPECT_FLOAT_EQ(c->DriverAngle, 123.46f);
    EXPECT_EQ(c->RunStep, 0.0f);
    EXPECT_TRUE(k.DrvAng.Enabled);
    TickModel(*c);
    EXPECT_FLOAT_EQ(c->DriverAngle, 123.46f); // stopped: the tick solves but does not turn

    RunClick(*c, k);
    EXPECT_STREQ(RunCaption(k), "Stop");
    EXPECT_EQ(c->RunStep, 10.0f);
    EXPECT_FALSE(k.DrvAng.Enabled);
}

TEST_F(ControlsTest, TheTickFoldsTheAngleIntoRange) {
    c->DriverAngle = 355;
    TickModel(*c);
    EXPECT_FLOAT_EQ(c->DriverAngle, 5.0f);
    c->RunStep = 0;
    c->DriverAngle = 360.05f;
    TickModel(*c);
    EXPECT_FLOAT_EQ(c->DriverAngle, 360.05f);
    SBDrvAngChange(*c, k, -4000); // below 0 on the bar
    EXPECT_FLOAT_EQ(c->DriverAngle, -40.0f);
    TickModel(*c);
    EXPECT_FLOAT_EQ(c->DriverAngle, 320.0f);
}

TEST_F(ControlsTest, TheTickConvertsPivotsAndTheReverseArm) {
    c->RevArmPos = 7.0f;
    TickModel(*c);
    EXPECT_EQ(c->PivotScrX[1], 110);
    EXPECT_EQ(c->PivotScrY[1], 270);
    EXPECT_EQ(c->PivotScrX[18], ToPixel(7.0 * 28.5 + 110));
    EXPECT_EQ(c->PivotX[6], c->PivotX[7]);
    EXPECT_EQ(c->PivotScrX[7], ToPixel(8.13f * 28.5 + 110));
}

TEST_F(ControlsTest, ReverseArmBarFollowsTheSense) {
    SBRevArmChange(*c, k, 1040);
    EXPECT_FLOAT_EQ(c->RevArmPos, c->RevArmSet[0] + 1.04f);
    EXPECT_EQ(c->DirectionText, "Fwd");
    EXPECT_TRUE(k.CenterEnabled);
    EXPECT_FALSE(k.FwdEnabled); // exactly at normal forward
    EXPECT_TRUE(k.RevEnabled);

    c->FrontCOText = "20.0";
    SBRevArmChange(*c, k, -1);
    EXPECT_EQ(c->DirectionText, "Rev");
    EXPECT_TRUE(c->FrontCOText.empty());
    c->DriverAngle = 100;
    TickModel(*c);
    EXPECT_FLOAT_EQ(c->DriverAngle, 90.0f); // reverse gear turns the driver backwards

    c->EccSense = -1; // inverted sense mirrors the bar
    c->LiftArmSense = 1;
    SBRevArmChange(*c, k, 500);
    EXPECT_FLOAT_EQ(c->RevArmPos, c->RevArmSet[0] - 0.5f);
    EXPECT_EQ(c->DirectionText, "Fwd");
}

TEST_F(ControlsTest, ReverseArmButtons) {
    FwdClick(*c, k);
    EXPECT_FALSE(k.FwdEnabled);
    EXPECT_TRUE(k.RevEnabled);
    EXPECT_TRUE(k.CenterEnabled);
    EXPECT_EQ(k.RevArm.Pos, 1040);
    EXPECT_FLOAT_EQ(c->RevArmPos, c->RevArmSet[2]);

    RevClick(*c, k);
    EXPECT_FALSE(k.RevEnabled);
    EXPECT_TRUE(k.FwdEnabled);
    EXPECT_EQ(k.RevArm.Pos, -1040);
    EXPECT_FLOAT_EQ(c->RevArmPos, c->RevArmSet[3]);
    EXPECT_EQ(c->DirectionText, "Rev");

    CenterClick(*c, k);
    EXPECT_EQ(k.RevArm.Pos, 0);
    EXPECT_EQ(c->RevArmPos, c->RevArmSet[0]);
    EXPECT_FALSE(k.CenterEnabled);
    EXPECT_TRUE(k.FwdEnabled && k.RevEnabled);
    EXPECT_EQ(c->DirectionText, "Fwd");
}

TEST_F(ControlsTest, FwdStaysDisabledWhenTheBarDoesNotMove) {
    SBRevArmChange(*c, k, 1040);
    k.FwdEnabled = true;
    FwdClick(*c, k);
    EXPECT_FALSE(k.FwdEnabled);
    EXPECT_TRUE(k.RevEnabled && k.CenterEnabled);
}

TEST_F(ControlsTest, StepAngleBands) {
    struct Case {
        int32_t pos;
        float angle;
        int32_t small, large;
    } cases[] = {{0, 0.01f, 1, 5},        {704, 0.01f, 1, 5},      {705, 0.02f, 2, 10},
                 {8000, 1, 100, 500},     {11612, 5, 500, 2500},   {11613, 10, 1000, 4500},
                 {13591, 20, 2000, 4500}, {14409, 45, 4500, 4500}, {14613, 45, 4500, 4500}};
    for (const Case& k2 : cases) {
        SBStepAngChange(*c, k, k2.pos == k.StepAng.Pos ? k2.pos + 1 : k2.pos);
        SBStepAngChange(*c, k, k2.pos);
        EXPECT_FLOAT_EQ(c->StepAngle, k2.angle) << k2.pos;
        EXPECT_EQ(k.DrvAng.Small, k2.small) << k2.pos;
        EXPECT_EQ(k.DrvAng.Large, k2.large) << k2.pos;
        EXPECT_EQ(c->RunStep, c->StepAngle) << "running: the new step applies at once";
    }
}

TEST_F(ControlsTest, DisarmedStepBarKeepsATypedAngle) {
    c->StepAngle = 7.25f;
    k.StepAngArmed = false;
    SBStepAngChange(*c, k, 11000);
    EXPECT_EQ(c->StepAngle, 7.25f);
    EXPECT_TRUE(k.StepAngArmed);
    EXPECT_TRUE(k.Step1Enabled && k.Step10Enabled && k.Step45Enabled);
    SBStepAngChange(*c, k, 11001);
    EXPECT_EQ(c->StepAngle, 5.0f);
}

TEST_F(ControlsTest, StepAndAngleButtons) {
    AngleButtonClick(*c, k, 0);
    EXPECT_EQ(c->RunStep, 0.0f);
    EXPECT_STREQ(RunCaption(k), "Run");
    EXPECT_FALSE(k.Deg00Enabled);
    EXPECT_TRUE(k.Deg180Enabled);
    EXPECT_EQ(k.DrvAng.Pos, 0);

    StepButtonClick(*c, k, 45);
    EXPECT_EQ(c->RunStep, 0.0f); // stopped: the step waits for Run
    EXPECT_EQ(c->StepAngle, 45.0f);
    EXPECT_FALSE(k.Step45Enabled);
    EXPECT_TRUE(k.Step10Enabled);
    EXPECT_EQ(k.StepAng.Pos, 14613);

    AngleButtonClick(*c, k, 180);
    EXPECT_EQ(c->DriverAngle, 180.0f);
    EXPECT_EQ(k.DrvAng.Pos, 18000);
    EXPECT_TRUE(k.Deg00Enabled);
    EXPECT_FALSE(k.Deg180Enabled);

    RunClick(*c, k);
    EXPECT_EQ(c->RunStep, 45.0f);
    StepButtonClick(*c, k, 1);
    EXPECT_EQ(c->RunStep, 1.0f);
    EXPECT_EQ(k.StepAng.Pos, 8000);
}

TEST_F(ControlsTest, ActivationDisablesTheDriverAngleBar) {
    RunClick(*c, k); // stopped: bar enabled
    MainWindowActivated(k);
    EXPECT_FALSE(k.DrvAng.Enabled);
}

} // namespace
} // namespace vt
