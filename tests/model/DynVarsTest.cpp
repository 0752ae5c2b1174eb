// Dynamic-variable slots, the bars' steps and the undo stack.
#include "model/DynVars.h"

#include "model/Dimensions.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt {
namespace {

constexpr int32_t kStroke = 2, kLinkRadius = 10, kEccFwd = 6;

struct DynVarsTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();

    // What a dimension field's exit does: write the typed value, offer it to the slots,
    // and record an undo entry when the user typed.
    void TypeInto(int32_t id, float value) {
        c->EditChanged = true;
        const bool recorded = PushUndo(*c);
        if (recorded) {
            c->UndoId[1] = id;
            c->UndoOld[1] = ReadDimension(*c, id);
        }
        WriteDimension(*c, id, value);
        if (recorded) {
            c->UndoNew[1] = value;
            c->UndoName[1] = FindDimension(id)->NameText;
        }
        VisitDimension(*c, id);
        c->EditChanged = false;
    }
};

TEST_F(DynVarsTest, RevisitUpdatesItsSlotInPlace) {
    VisitDimension(*c, kStroke);
    VisitDimension(*c, kLinkRadius);
    VisitDimension(*c, kStroke);
    EXPECT_EQ(c->DynVarName[1], "Link Radius");
    EXPECT_EQ(c->DynVarName[2], "Stroke");
    EXPECT_EQ(c->DynVarId[3], 0);
    EXPECT_EQ(c->DynVarName[3], kEmptyDynVarName);
}

TEST_F(DynVarsTest, FiveVisitsDropTheFirst) {
    for (int32_t id : {1, 2, 3, 4, 5}) VisitDimension(*c, id);
    EXPECT_EQ(c->DynVarId[1], 5);
    EXPECT_EQ(c->DynVarId[4], 2);
    for (int i = 1; i <= 4; ++i) EXPECT_NE(c->DynVarId[i], 1);
}

TEST_F(DynVarsTest, ArrowAndPageClicks) {
    VisitDimension(*c, kStroke);
    DynVarBarChange(*c, 1, 1);
    EXPECT_FLOAT_EQ(c->StrokeLen, 3.001f);
    EXPECT_EQ(c->BarLastPos[1], 0); // sprang back
    DynVarBarChange(*c, 1, 10);
    EXPECT_FLOAT_EQ(c->StrokeLen, 3.011f);

    VisitDimension(*c, kEccFwd); // now slot 1; Stroke moves to slot 2
    DynVarBarChange(*c, 1, 1);
    EXPECT_FLOAT_EQ(c->EccFwdAngle, 62.1f);
    DynVarBarChange(*c, 1, 10);
    EXPECT_FLOAT_EQ(c->EccFwdAngle, 63.1f);
    DynVarBarChange(*c, 2, -1);
    EXPECT_FLOAT_EQ(c->StrokeLen, 3.010f);
}

TEST_F(DynVarsTest, EccentricAngleWrapsIntoRange) {
    c->EccFwdAngle = 359.95f;
    VisitDimension(*c, kEccFwd);
    DynVarBarChange(*c, 1, 1);
    EXPECT_NEAR(c->EccFwdAngle, 0.05f, 0.0001f);
    c->EccFwdAngle = std::numeric_limits<float>::infinity(); // a damaged file: no hang
    VisitDimension(*c, kEccFwd);
    DynVarBarChange(*c, 1, 1);
    EXPECT_TRUE(std::isinf(c->EccFwdAngle));
}

TEST_F(DynVarsTest, TwinsFollowTheBar) {
    VisitDimension(*c, 17); // rocker pivot height
    DynVarBarChange(*c, 1, 10);
    EXPECT_FLOAT_EQ(c->PivotY[7], 1.31f);
    EXPECT_FLOAT_EQ(c->PivotY[6], 1.31f);
    VisitDimension(*c, 102); // cylinder centre line
    DynVarBarChange(*c, 1, 10);
    EXPECT_FLOAT_EQ(c->PivotY[3], 0.01f);
    EXPECT_FLOAT_EQ(c->PivotY[4], 2.072f);
}

TEST_F(DynVarsTest, TypedChangeThenUndo) {
    TypeInto(kStroke, 3.5f);
    EXPECT_EQ(c->UndoCount, 1);
    EXPECT_TRUE(c->UndoEnabled);
    BuildUndoStatus(*c);
    EXPECT_EQ(c->UndoStatusText, " 1- Stroke  3.500 to  3.000");
    Undo(*c);
    EXPECT_EQ(c->StrokeLen, 3.0f);
    EXPECT_EQ(c->UndoCount, 0);
    EXPECT_FALSE(c->UndoEnabled);
    EXPECT_EQ(c->DynVarValue[1], 3.0f); // the slot shows the reverted value
    Undo(*c); // on an empty stack: nothing but the button
    EXPECT_EQ(c->StrokeLen, 3.0f);
}

// A change too small for 3 decimals shows as many more (up to 6) as tell the values apart.
TEST_F(DynVarsTest, UndoLineShowsTheDecimalsOfTheChange) {
    const struct {
        float from, to;
        const char* line;
    } cases[] = {
        {3.191f, 3.19138f, " 1- Stroke  3.1914 to  3.1910"},
        {1.0f, 1.000001f, " 1- Stroke  1.000001 to  1.000000"},
        {-2.0f, -2.00004f, " 1- Stroke -2.00004 to -2.00000"},
        {3.0f, 3.0f, " 1- Stroke  3.000 to  3.000"},
    };
    for (const auto& k : cases) {
        c->StrokeLen = k.from;
        TypeInto(kStroke, k.to);
        c->UndoCount = 1;
        BuildUndoStatus(*c);
        EXPECT_EQ(c->UndoStatusText, k.line);
    }
}

TEST_F(DynVarsTest, VisitWithoutTypingRecordsNoUndo) {
    VisitDimension(*c, kStroke);
    EXPECT_FALSE(PushUndo(*c));
    EXPECT_EQ(c->UndoCount, 0);
}

TEST_F(DynVarsTest, TwentyFiveChangesKeepTwenty) {
    for (int i = 1; i <= 25; ++i) TypeInto(kStroke, 3.0f + 0.1f * float(i));
    EXPECT_EQ(c->UndoCount, 20);
    for (int i = 0; i < 20; ++i) Undo(*c);
    EXPECT_EQ(c->UndoCount, 0);
    EXPECT_EQ(c->UndoId[1], 0);
    EXPECT_FLOAT_EQ(c->StrokeLen, 3.0f + 0.1f * 5); // the five oldest were dropped
}

TEST_F(DynVarsTest, AGestureIsOneUndoEntry) {
    VisitDimension(*c, kStroke);
    DynVarBarFocus(*c, 1);
    for (int i = 0; i < 5; ++i) DynVarBarChange(*c, 1, 1);
    DynVarBarEndScroll(*c, 1);
    EXPECT_EQ(c->UndoCount, 1);
    EXPECT_FLOAT_EQ(c->UndoOld[1], 3.0f);
    EXPECT_FLOAT_EQ(c->UndoNew[1], 3.005f);
    EXPECT_FALSE(c->EditChanged);
    Undo(*c);
    EXPECT_FLOAT_EQ(c->StrokeLen, 3.0f);
}

} // namespace
} // namespace vt
