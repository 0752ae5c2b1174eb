// Start-up values, the mid-gear calculation and the reset to the built-in design.
#include "model/Defaults.h"

#include "model/Dimensions.h"
#include "model/DynVars.h"
#include "model/EditorRules.h"
#include "model/MidGear.h"
#include "support/Designs.h"
#include "support/PlainSolve.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {

TEST(StartUp, MidGearAndTheReverseArmScale) {
    auto c = test::BuiltIn();
    EXPECT_NEAR(c->RevArmSet[0], 6.0226f, 0.00005f);
    EXPECT_EQ(c->RevArmSet[1], c->RevArmSet[0]);
    EXPECT_NEAR(c->RevArmSet[2], 7.0626f, 0.00005f);
    EXPECT_NEAR(c->RevArmSet[3], 4.9826f, 0.00005f);
    EXPECT_EQ(c->RevArmPos, c->RevArmSet[0]);
    EXPECT_EQ(RevArmBarLimit(*c), 1300);
    EXPECT_EQ(c->RevArmCount, 1);
    EXPECT_EQ(c.beeps(), 0);
    EXPECT_TRUE(SenseIsDirect(*c));
}

TEST(StartUp, GeneralValues) {
    auto c = test::BuiltIn();
    EXPECT_EQ(c->DriverAngle, 0.0f);
    EXPECT_EQ(c->RunStep, 10.0f);
    EXPECT_EQ(c->StepAngle, 10.0f);
    EXPECT_EQ(c->DataSetName, "Nominal");
    EXPECT_EQ(c->DirectionText, "Fwd");
    EXPECT_EQ(c->DynVarName[0], "             ??");
    EXPECT_EQ(c->DynVarInc, 0.001f);
    EXPECT_EQ(c->GraphicZoom, 7.5f);
    EXPECT_EQ(c->VertScale, 1.5f);
    EXPECT_EQ(c->ViewScale, 28.5f);
    EXPECT_EQ(c->ZoomRefOffsetX, 110.0f);
    EXPECT_EQ(c->NormViewOffsetY, 270.0f);
    EXPECT_EQ(c->PresetView[5].OffsetX, -3450.0f);
    EXPECT_EQ(c->LineType[20], -1.0f);
    EXPECT_EQ(c->LineColor[1], -1.0f);
    EXPECT_TRUE(c->ErrorBeepOn);
    EXPECT_TRUE(c->ScreenDataOn);
    EXPECT_FALSE(c->SteamDispOn);
    EXPECT_EQ(c->SolveTol, 0.0001f);
    EXPECT_FLOAT_EQ(c->PivotY[4], 2.062f);
    EXPECT_EQ(c->PivotX[6], 8.13f);
    EXPECT_EQ(c->PivotY[17], 2.0f);
    EXPECT_EQ(c->FrameSpare, 2.75f);
}

TEST(MidGear, KeepsTheDriverAngle) {
    auto c = test::BuiltIn();
    c->DriverAngle = 137;
    FindRevArmCent(*c);
    EXPECT_EQ(c->DriverAngle, 137.0f);
    EXPECT_NEAR(c->RevArmSet[0], 6.0226f, 0.00005f);
}

TEST(MidGear, ZeroLiftingArmBecomesTiny) {
    auto c = test::BuiltIn();
    c->LiftingArmLen = 0;
    FindRevArmCent(*c);
    EXPECT_EQ(c->LiftingArmLen, 0.00001f);
    EXPECT_FALSE(std::isnan(c->RevArmPos));
}

TEST(MidGear, UnreachableArmIsClampedWithABeep) {
    auto c = test::BuiltIn();
    c->LiftingArmLen = 0.1f; // arm and link far too short to reach the link
    c->LiftingLinkLen = 0.1f;
    c.resetBeeps();
    FindRevArmCent(*c);
    EXPECT_GE(c.beeps(), 1);
    EXPECT_TRUE(std::isfinite(c->RevArmPos));
    EXPECT_LE(std::abs(c->RevArmPos - c->PivotX[17]), c->RevArmLen + 1e-5f);
}

TEST(MidGear, NegativeLiftingArmFindsItsOwnMidGear) {
    auto c = test::NegativeLiftingArm();
    // The arm on the other side of the shaft turns the triangle's angle by pi.
    EXPECT_NEAR(c->RevArmSet[0], test::PlainMidGear(*c), 2e-5);
    EXPECT_FLOAT_EQ(c->RevArmSet[2] - c->RevArmSet[0], 1.04f);
}

TEST(Reset, RestoresEveryDefaultAndClearsTheSessionTools) {
    auto c = test::BuiltIn();
    auto fresh = test::BuiltIn();
    for (const DimensionInfo& d : FrameDimensionTable()) d.Ref(*c) = d.Ref(*c) * 1.1f + 0.3f;
    for (const DimensionInfo& d : CylDimensionTable()) d.Ref(*c) = d.Ref(*c) * 0.9f + 0.1f;
    c->DataSetName = "Test";
    c->DynVarsOn = c->UndoOn = true;
    c->DynVarId[1] = 3;
    c->UndoCount = 4;
    c->UndoId[1] = 3;
    c->VertScale = 4;
    c->ViewScale = 99;
    c->RevArmPos = 1;

    Controls ctl;
    ResetAllDimensions(*c, ctl);
    for (const DimensionInfo& d : FrameDimensionTable())
        EXPECT_EQ(d.Ref(*c), d.Ref(*fresh)) << d.Name;
    for (const DimensionInfo& d : CylDimensionTable())
        EXPECT_EQ(d.Ref(*c), d.Ref(*fresh)) << d.Name;
    EXPECT_EQ(c->PivotX[6], 8.13f);
    EXPECT_EQ(c->PivotX[17], 6.0f);
    EXPECT_FLOAT_EQ(c->PivotY[4], 2.062f);
    EXPECT_EQ(c->PivotX[1], 0.0f);
    EXPECT_EQ(c->PivotY[1], 0.0f);
    EXPECT_EQ(c->RevArmPos, fresh->RevArmSet[0]);
    EXPECT_EQ(c->DataSetName, "Nominal");
    EXPECT_FALSE(c->DynVarsOn);
    EXPECT_FALSE(c->UndoOn);
    EXPECT_EQ(c->DynVarId[1], 0);
    EXPECT_EQ(c->UndoCount, 0);
    EXPECT_EQ(c->UndoId[1], 0);
    EXPECT_EQ(c->VertScale, 1.5f);
    EXPECT_EQ(c->ViewScale, 28.5f);
    EXPECT_EQ(c->SavedViewScale, 99.0f);
    EXPECT_EQ(ctl.RevArm.Max, 1300); // the range from the built-in Max
    EXPECT_EQ(ctl.RevArm.Min, -1300);
}

} // namespace
} // namespace vt
