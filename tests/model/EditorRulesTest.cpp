// The dimension editors' rules without a window: field texts, what leaving a field writes
// (value, slot, undo entry, twin pivots), the reverse arm travel limits, Close and resets.
#include "model/EditorRules.h"

#include "model/DynVars.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt {
namespace {

struct EditorRulesTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    Controls ctl;
    void SetUp() override { InitRevArmBar(*c, ctl); }

    const DimensionInfo& Dim(int32_t id) const { return *FindDimension(id); }
    // The user types text into the field of dimension id and leaves it.
    void Type(int32_t id, const char* text) {
        c->EditChanged = true;
        DimensionFieldExit(*c, Dim(id), text);
    }
};

// An emptied field keeps its value; a size beyond 1e6 is refused with the beep and changes
// nothing; negative back sets and zero offsets are stored as typed.
TEST_F(EditorRulesTest, EmptyKeepsHugeIsRefusedTheRestIsStored) {
    const State before = *c;
    const std::string huge = "-" + std::string(40, '9');
    const struct {
        std::string text;
        FieldOutcome outcome;
    } entries[] = {{"", FieldOutcome::Kept},      {"-", FieldOutcome::Kept},
                   {".", FieldOutcome::Kept},     {"1000001", FieldOutcome::Refused},
                   {huge, FieldOutcome::Refused}};
    for (const auto& [text, outcome] : entries) {
        c->EditChanged = true;
        EXPECT_EQ(DimensionFieldExit(*c, Dim(2), text), outcome) << text;
        EXPECT_EQ(c->StrokeLen, before.StrokeLen) << text;
        EXPECT_EQ(NormFieldExit(*c, text), outcome) << text;
        EXPECT_EQ(MaxFieldExit(*c, ctl, text), outcome) << text;
    }
    EXPECT_EQ(c.beeps(), 6);
    EXPECT_EQ(c->RevArmCentNorm, before.RevArmCentNorm);
    EXPECT_EQ(c->RevArmCentMax, before.RevArmCentMax);
    EXPECT_EQ(c->UndoCount, 0);
    EXPECT_FALSE(c->EditChanged);
    Type(15, "-0.5");
    Type(26, "0");
    Type(2, "1000000");
    EXPECT_EQ(c->RockerUpperBackSet, -0.5f);
    EXPECT_EQ(c->LinkCentPivotVert, 0.0f);
    EXPECT_EQ(c->StrokeLen, 1e6f);
    EXPECT_EQ(c->UndoCount, 3);
}

TEST(EditorFieldText, ThreeDecimalsInAtLeastFiveCharactersCutToTen) {
    EXPECT_EQ(EditorFieldText(7), "7.000");
    EXPECT_EQ(EditorFieldText(0.6875f), "0.688");
    EXPECT_EQ(EditorFieldText(-1.04f), "-1.040");
    EXPECT_EQ(EditorFieldText(123456.5f), "123456.500");
    EXPECT_EQ(EditorFieldText(12345678.f), "12345678.0"); // cut, not rounded
}

TEST(ConvertFieldText, LeadingNumberOrZero) {
    EXPECT_FLOAT_EQ(ConvertFieldText("7.25"), 7.25f);
    EXPECT_FLOAT_EQ(ConvertFieldText("-.5"), -0.5f);
    EXPECT_FLOAT_EQ(ConvertFieldText("5-"), 5.0f);
    EXPECT_FLOAT_EQ(ConvertFieldText("12.5.3"), 12.5f);
    EXPECT_EQ(ConvertFieldText(""), 0.0f);
    EXPECT_EQ(ConvertFieldText("-"), 0.0f);
    EXPECT_EQ(ConvertFieldText("."), 0.0f);
    EXPECT_EQ(ConvertFieldText("abc"), 0.0f);
    // Pasted texts that a float cannot hold or that name no number stay finite.
    EXPECT_EQ(ConvertFieldText(std::string(60, '9')), std::numeric_limits<float>::max());
    EXPECT_EQ(ConvertFieldText("-" + std::string(400, '9')), -std::numeric_limits<float>::max());
    EXPECT_EQ(ConvertFieldText("nan"), 0.0f);
    EXPECT_EQ(ConvertFieldText("inf"), 0.0f);
}

TEST_F(EditorRulesTest, EccentricAnglesWrapIntoOneTurn) {
    Type(6, "370");
    EXPECT_EQ(c->EccFwdAngle, 10.0f);
    Type(6, "-30");
    EXPECT_EQ(c->EccFwdAngle, 330.0f);
    Type(7, "720");
    EXPECT_EQ(c->EccRevAngle, 0.0f);
    Type(7, "99999999999");
    EXPECT_GE(c->EccRevAngle, 0.0f);
    EXPECT_LT(c->EccRevAngle, 360.0f);
    EXPECT_EQ(c->DynVarValue[1], c->EccRevAngle); // the slot holds the wrapped value
}

TEST_F(EditorRulesTest, TypedExitMakesAnUndoEntryAndTheMostRecentSlot) {
    const float before = c->StrokeLen;
    Type(2, "3.5");
    EXPECT_EQ(c->StrokeLen, 3.5f);
    EXPECT_EQ(c->UndoCount, 1);
    EXPECT_EQ(c->UndoId[1], 2);
    EXPECT_EQ(c->UndoOld[1], before);
    EXPECT_EQ(c->UndoNew[1], 3.5f);
    EXPECT_EQ(c->UndoName[1], "Stroke");
    EXPECT_TRUE(c->UndoEnabled);
    EXPECT_EQ(c->DynVarId[1], 2);
    EXPECT_EQ(c->DynVarName[1], "Stroke");
    EXPECT_FALSE(c->EditChanged);
    Undo(*c);
    EXPECT_EQ(c->StrokeLen, before);
}

TEST_F(EditorRulesTest, LeavingWithoutTypingKeepsTheValueAndRecordsNoUndo) {
    c->EccCircleDia = 0.6875f;
    DimensionFieldExit(*c, Dim(4), std::nullopt);
    EXPECT_EQ(c->EccCircleDia, 0.6875f);
    EXPECT_EQ(c->DynVarId[1], 4);
    EXPECT_EQ(c->DynVarValue[1], 0.6875f);
    EXPECT_EQ(c->UndoCount, 0);
    EXPECT_EQ(c->UndoId[1], 0);
    // A second field pushes the first down the list.
    DimensionFieldExit(*c, Dim(122), std::nullopt);
    EXPECT_EQ(c->DynVarId[1], 122);
    EXPECT_EQ(c->DynVarId[2], 4);
    EXPECT_EQ(c->UndoCount, 0);
}

TEST_F(EditorRulesTest, TwinPivotsFollowTheirField) {
    const float x6 = c->PivotX[6];
    Type(17, "1.5");
    EXPECT_EQ(c->PivotY[7], 1.5f);
    EXPECT_EQ(c->PivotY[6], 1.5f);
    Type(18, "9");
    EXPECT_EQ(c->PivotX[7], 9.0f);
    EXPECT_EQ(c->PivotX[6], x6); // the horizontal value has no copy
    Type(24, "2.5");
    EXPECT_EQ(c->PivotY[17], 2.5f);
    Type(25, "6.5");
    EXPECT_EQ(c->PivotX[17], 6.5f);
}

TEST_F(EditorRulesTest, CylinderCentreLineAndValveStemMoveTheJointHeight) {
    ASSERT_FLOAT_EQ(c->ValveStemToCylCL, 2.062f);
    Type(102, "1");
    EXPECT_FLOAT_EQ(c->PivotY[4], 3.062f);
    Type(109, "2.562");
    EXPECT_FLOAT_EQ(c->PivotY[4], 3.562f);
    Type(103, "4"); // other fields leave it
    EXPECT_FLOAT_EQ(c->PivotY[4], 3.562f);
}

TEST_F(EditorRulesTest, NormAboveMaxPullsTheStoredPositionsWithin) {
    const float cent = c->RevArmSet[0];
    c->RevArmSet[1] = cent + 5;
    c->RevArmSet[2] = cent - 5;
    c->RevArmSet[3] = 0;
    c->RevArmSet[4] = cent + 0.5f;
    NormFieldExit(*c, "9");
    EXPECT_EQ(c->RevArmCentNorm, c->RevArmCentMax);
    EXPECT_FLOAT_EQ(c->RevArmSet[1], cent + c->RevArmCentMax);
    EXPECT_FLOAT_EQ(c->RevArmSet[2], cent - c->RevArmCentMax);
    EXPECT_EQ(c->RevArmSet[3], 0.0f); // a zero ends the list and stays
    EXPECT_FLOAT_EQ(c->RevArmSet[4], cent + 0.5f);
    EXPECT_EQ(c->UndoCount, 0);
    EXPECT_EQ(c->DynVarId[1], 0);
}

TEST_F(EditorRulesTest, NormWithinMaxLeavesThePositions) {
    c->RevArmSet[1] = c->RevArmSet[0] + 1.2f;
    NormFieldExit(*c, "0.5");
    EXPECT_EQ(c->RevArmCentNorm, 0.5f);
    EXPECT_FLOAT_EQ(c->RevArmSet[1], c->RevArmSet[0] + 1.2f);
}

TEST_F(EditorRulesTest, MaxBelowNormClampsAllNineAndSetsTheBarRange) {
    const float cent = c->RevArmSet[0];
    c->RevArmSet[1] = cent + 1.2f;
    c->RevArmSet[2] = 0; // zeros are clamped too
    ctl.RevArm.Pos = 1300;
    MaxFieldExit(*c, ctl, "0.3");
    EXPECT_EQ(c->RevArmCentMax, c->RevArmCentNorm);
    EXPECT_FLOAT_EQ(c->RevArmSet[1], cent + 1.04f);
    EXPECT_FLOAT_EQ(c->RevArmSet[2], cent - 1.04f);
    EXPECT_EQ(ctl.RevArm.Max, 1040);
    EXPECT_EQ(ctl.RevArm.Min, -1040);
    EXPECT_EQ(ctl.RevArm.Pos, 1040); // the bar moved into its new range
    MaxFieldExit(*c, ctl, "2");
    EXPECT_EQ(ctl.RevArm.Max, 2000);
}

TEST_F(EditorRulesTest, CloseRecalculatesMidGearAndCentresTheBar) {
    Type(6, "80");
    ctl.RevArm.Pos = 500;
    c->FrontCOText = "12.0";
    const float oldCent = c->RevArmSet[0];
    EditorCloseClick(*c, ctl);
    EXPECT_NE(c->RevArmSet[0], oldCent);
    EXPECT_EQ(ctl.RevArm.Pos, 0);
    EXPECT_TRUE(c->FrontCOText.empty());
    EXPECT_TRUE(c->RearCOText.empty());
}

TEST_F(EditorRulesTest, ResetOnMouseDownKeepsTheUndoHistoryAndTheClickClearsIt) {
    Type(2, "4");
    Type(105, "0.1");
    ResetFrameDimensions(*c, ctl, false);
    EXPECT_EQ(c->StrokeLen, 3.0f);
    EXPECT_FLOAT_EQ(c->CylSteamPortWidth, 0.1f); // the frame reset leaves the cylinder
    EXPECT_EQ(c->DynVarId[1], 0);
    EXPECT_EQ(c->UndoCount, 2);
    ResetCylDimensions(*c, false);
    EXPECT_NE(c->CylSteamPortWidth, 0.1f);
    EXPECT_EQ(c->UndoCount, 2);
    ResetCylDimensions(*c, true);
    EXPECT_EQ(c->UndoCount, 0);
    EXPECT_FALSE(c->UndoEnabled);
}

TEST_F(EditorRulesTest, OnlyTheFrameResetSetsTheBarRange) {
    MaxFieldExit(*c, ctl, "2");
    ResetCylDimensions(*c, true);
    EXPECT_EQ(ctl.RevArm.Max, 2000);
    ResetFrameDimensions(*c, ctl, true);
    EXPECT_EQ(ctl.RevArm.Max, 1300);
    EXPECT_EQ(c->RevArmCentMax, 1.3f);
}

} // namespace
} // namespace vt
