// Making, storing and clearing overlay entries through the dialog's rules and the main
// window's mouse handler: each type and mode, the beeps, the picks and their order.
#include "model/Lines.h"

#include "model/Controls.h"
#include "model/MouseDown.h"
#include "model/PivotData.h"
#include "model/View.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

struct LinesTest : ::testing::Test {
    test::CountingState s = test::BuiltIn();
    Controls c;
    int opened = 0; // times the mouse handler opened the dialog
    LinesDialogState& d = c.Lines;

    void SetUp() override {
        s->RunStep = 0; // motion stopped, as the prompts ask
        TickModel(*s);
        RefPointsClick(*s, c.View);
    }
    void RefPoints(double x1, double y1, double x2, double y2) {
        s->PivotX[19] = float(x1), s->PivotY[19] = float(y1);
        s->PivotX[20] = float(x2), s->PivotY[20] = float(y2);
    }
    // The pixel of a model point, where a click picks it.
    void Click(MouseButton b, double x, double y) {
        FormMouseDown(*s, c, b, ScreenX(*s, x), ScreenY(*s, y), [this] {
            ++opened;
            LinesFormActivate(*s, d);
        });
    }
    void Choose(int type, int color) {
        LinesFormActivate(*s, d);
        ASSERT_EQ(LineTypeClick(*s, d, type), LinesOutcome::Stay);
        LineColorClick(*s, d, color);
    }
};

TEST_F(LinesTest, FixedLineStoresThePointsAsTheyAre) {
    RefPoints(1.25, 2.5, 7.125, -3);
    s->CurLineNo = 4;
    Choose(0, 1);
    EXPECT_FALSE(d.DrawCloseEnabled);
    EXPECT_EQ(LineRefClick(*s, d, 0), LinesOutcome::Stay);
    EXPECT_TRUE(d.DrawCloseEnabled);
    EXPECT_FALSE(s->PickPromptOn);
    EXPECT_EQ(DrawCloseClick(*s, d), LinesOutcome::Close);
    EXPECT_EQ(s->LineType[4], 0.0f);
    EXPECT_EQ(s->LineColor[4], 255.0f);
    EXPECT_EQ(s->LineRefMode[4], 0.0f);
    EXPECT_EQ(s->LineP1Horz[4], 1.25f);
    EXPECT_EQ(s->LineP2Vert[4], -3.0f);
    EXPECT_EQ(d.Rows[4].Type, "Line");
    EXPECT_EQ(d.Rows[4].Color, "Red");
    EXPECT_EQ(d.Rows[4].Ref, "0 , 0");
    EXPECT_EQ(d.Rows[4].Field[0], "  2.500");
    EXPECT_EQ(d.Rows[4].Field[3], "  7.125");
    EXPECT_EQ(s->CurLineNo, 5);
    EXPECT_EQ(d.TypeChoice, -1);
    EXPECT_EQ(s->LineRefChoice, -1);
    EXPECT_FALSE(d.DrawCloseEnabled);
    EXPECT_EQ(s.beeps(), 0);
}

TEST_F(LinesTest, LineOnOnePivotPicksItWithALeftClick) {
    RefPoints(2.0, 1.0, 3.0, 1.5);
    Choose(0, 4);
    EXPECT_EQ(LineRefClick(*s, d, 1), LinesOutcome::Close);
    EXPECT_TRUE(s->PickPromptOn);
    EXPECT_EQ(s->CurLineNo, 0); // lowered until the dialog comes back
    Click(MouseButton::Left, s->PivotX[2] + 0.02, s->PivotY[2] - 0.01); // near the crank pin
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(s->CurLineNo, 1);
    EXPECT_EQ(s->LinePivot1[1], 2.0f);
    EXPECT_EQ(s->LineRef1X[1], s->PivotX[2]);
    ASSERT_EQ(DrawCloseClick(*s, d), LinesOutcome::Close);
    // Offsets from the pivot as it was picked, to three decimals.
    EXPECT_EQ(s->LineP1Horz[1], 0.5f); // 2.0 - 1.5
    EXPECT_FLOAT_EQ(s->LineP2Horz[1], 1.5f);
    EXPECT_FLOAT_EQ(s->LineP2Vert[1], 1.5f);
    EXPECT_EQ(s->CurLineNo, 2);
    EXPECT_FALSE(s->PickPromptOn);
}

TEST_F(LinesTest, LineOnTwoPivotsWaitsForALeftThenARightClick) {
    RefPoints(8.2, 1.4, 16.0, 0.1);
    s->CurLineNo = 3;
    s->LeftPickDone = false;
    Choose(0, 0);
    ASSERT_EQ(LineRefClick(*s, d, 3), LinesOutcome::Close);
    Click(MouseButton::Right, s->PivotX[3], s->PivotY[3]); // no left click yet
    EXPECT_EQ(opened, 0);
    Click(MouseButton::Left, s->PivotX[7], s->PivotY[7]);
    EXPECT_EQ(opened, 0);
    Click(MouseButton::Right, s->PivotX[3], s->PivotY[3]);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(s->LeftPickDone);
    EXPECT_EQ(s->CurLineNo, 3);
    EXPECT_EQ(s->LinePivot1[3], 6.0f); // pivot 6 stands on 7: the lower number wins
    EXPECT_EQ(s->LinePivot2[3], 3.0f);
    ASSERT_EQ(DrawCloseClick(*s, d), LinesOutcome::Close);
    EXPECT_FLOAT_EQ(s->LineP1Horz[3], 0.07f); // 8.2 - 8.13
    EXPECT_FLOAT_EQ(s->LineP2Vert[3], 0.1f);  // 0.1 - the crosshead's 0
    EXPECT_EQ(d.Rows[3].Ref, "Piv1/P2");
}

TEST_F(LinesTest, CirclesStoreTheRadius) {
    RefPoints(1, 1, 4, 5); // radius 5
    Choose(1, 5);
    LineRefClick(*s, d, 0);
    DrawCloseClick(*s, d);
    EXPECT_EQ(s->LineP2Horz[1], 5.0f);
    EXPECT_EQ(d.Rows[1].Field[2], "");
    EXPECT_EQ(d.Rows[1].Color, "Gray");
    EXPECT_EQ(s->LineColor[1], 8421504.0f);
    // On a pivot: the radius from reference point 1 as the dialog last saw it unchosen.
    RefPoints(1.5, 0, 1.5, 0.333333);
    Choose(1, 2);
    ASSERT_EQ(LineRefClick(*s, d, 1), LinesOutcome::Close);
    Click(MouseButton::Left, s->PivotX[2], s->PivotY[2]);
    DrawCloseClick(*s, d);
    EXPECT_EQ(s->LinePivot1[2], 2.0f);
    EXPECT_EQ(s->LineP2Horz[2], 0.333f); // three decimals
    EXPECT_EQ(s->LineRefMode[2], 1.0f);
}

TEST_F(LinesTest, ChoicesOutOfOrderBeepAndAreCleared) {
    RefPoints(0, 0, 0, 0);
    LinesFormActivate(*s, d);
    EXPECT_EQ(LineTypeClick(*s, d, 0), LinesOutcome::Close);
    EXPECT_EQ(d.TypeChoice, -1);
    EXPECT_EQ(s.beeps(), 1);
    RefPoints(1, 1, 2, 2);
    LineColorClick(*s, d, 3); // no type yet
    EXPECT_EQ(d.ColorChoice, -1);
    LineTypeClick(*s, d, 1);
    EXPECT_EQ(LineRefClick(*s, d, 0), LinesOutcome::Stay); // no colour yet
    EXPECT_EQ(s->LineRefChoice, -1);
    EXPECT_EQ(s.beeps(), 3);
    // A circle cannot follow a pivot and a fixed point, or two pivots: beep, cleared.
    for (int mode : {2, 3}) {
        LineTypeClick(*s, d, 1);
        LineColorClick(*s, d, 1);
        EXPECT_EQ(LineRefClick(*s, d, mode), LinesOutcome::Stay);
        EXPECT_EQ(s->LineType[1], -1.0f);
        EXPECT_EQ(s->LineRefMode[1], -1.0f);
        EXPECT_EQ(s->LineP1Horz[1], 0.0f);
        EXPECT_EQ(d.Rows[1].Type, "");
        EXPECT_FALSE(d.DrawCloseEnabled);
        EXPECT_FALSE(s->PickPromptOn);
        EXPECT_EQ(s->CurLineNo, 1);
    }
    EXPECT_EQ(s.beeps(), 5);
}

TEST_F(LinesTest, AfterTheTwentiethEntryTheNextOverwritesIt) {
    RefPoints(1, 2, 3, 4);
    s->CurLineNo = 19;
    for (int round = 0; round < 3; ++round) {
        Choose(0, round);
        LineRefClick(*s, d, 0);
        DrawCloseClick(*s, d);
    }
    EXPECT_EQ(s->CurLineNo, 20);
    EXPECT_EQ(s.beeps(), 2);
    EXPECT_EQ(s->LineColor[20], kLineColorTable[2].value);
    EXPECT_EQ(s->LineColor[19], 0.0f);
}

TEST_F(LinesTest, NearestPivotCoversTwentySixForTheOverlayAndTwentyFourForPivotData) {
    s->PivotX[25] = 30, s->PivotY[25] = 30;
    s->PivotX[26] = 31, s->PivotY[26] = 30;
    RefPoints(30.1, 30, 0, 0);
    EXPECT_EQ(NearestPivot(*s, 30.1, 30, 26), 25);
    EXPECT_EQ(NearestPivot(*s, 30.6, 30, 26), 26);
    EXPECT_EQ(NearestPivot(*s, 30.5, 30, 26), 25); // a tie goes to the lower number
    // The overlay's pick reaches pivot 25; the pivot data pick stops at 24.
    Choose(0, 0);
    LineRefClick(*s, d, 1);
    Click(MouseButton::Left, 30.1, 30);
    EXPECT_EQ(s->LinePivot1[1], 25.0f);
    SetPivotDataClick(*s, c.View);
    s->PivotPickRow = 1;
    Click(MouseButton::Left, 30.1, 30);
    EXPECT_NE(s->PivotSel[1], 25.0f);
    EXPECT_LE(s->PivotSel[1], 24.0f);
}

TEST_F(LinesTest, ALeftClickInTheDrawingAlwaysMovesReferencePointOne) {
    SetPivotDataClick(*s, c.View);
    s->PivotPickRow = 2; // a pivot data pick is waiting
    Click(MouseButton::Left, 5.0, 1.0);
    EXPECT_NEAR(s->PivotX[19], 5.0, 0.02);
    EXPECT_NEAR(s->PivotY[19], 1.0, 0.02);
    Choose(0, 0);
    LineRefClick(*s, d, 2); // an overlay pick is waiting
    Click(MouseButton::Left, 3.0, -1.0);
    EXPECT_NEAR(s->PivotX[19], 3.0, 0.02);
    EXPECT_EQ(opened, 1);
    FormMouseDown(*s, c, MouseButton::Left, 100, 50, [] {}); // above the drawing: no
    EXPECT_NEAR(s->PivotX[19], 3.0, 0.02);
}

TEST_F(LinesTest, FieldsFilterKeysAndTakeTheirText) {
    RefPoints(1, 1, 4, 5);
    Choose(1, 0); // row 1 shows "Circle"
    EXPECT_FALSE(AcceptLineFieldKey(d, 1, 2, "", '5'));
    EXPECT_FALSE(AcceptLineFieldKey(d, 1, 2, "1", '\b'));
    EXPECT_TRUE(AcceptLineFieldKey(d, 1, 3, "", '5'));
    EXPECT_TRUE(AcceptLineFieldKey(d, 2, 2, "", '-'));
    EXPECT_FALSE(AcceptLineFieldKey(d, 2, 2, "-1", '-'));
    EXPECT_FALSE(AcceptLineFieldKey(d, 2, 2, "1.5", '.'));
    EXPECT_FALSE(AcceptLineFieldKey(d, 2, 2, "1", 'x'));
    // An attached entry's field is the offset from its pivot, as typed.
    s->LineP1Vert[2] = 0.5f;
    LineFieldExit(*s, d, 2, 0, "-0.25");
    EXPECT_EQ(s->LineP1Vert[2], -0.25f);
    LineFieldExit(*s, d, 2, 0, "-");  // no number: the value stays
    LineFieldExit(*s, d, 2, 0, std::string(50, '9')); // beyond a float: stays
    EXPECT_EQ(s->LineP1Vert[2], -0.25f);
    LineFieldExit(*s, d, 2, 3, "12.5");
    EXPECT_EQ(s->LineP2Horz[2], 12.5f);
}

TEST_F(LinesTest, RefreshRebuildsTheRowsFromTheStoredCodes) {
    s->LineType[1] = 1, s->LineColor[1] = 65535, s->LineRefMode[1] = 1, s->LineP2Horz[1] = 2;
    s->LineType[2] = 0, s->LineColor[2] = 123, s->LineRefMode[2] = 9; // codes that name nothing
    d.Rows[3].Type = "Line"; // left from before; entry 3 is empty
    d.Rows[3].Field[1] = "  1.000";
    BlankLineLabels(d);
    EXPECT_EQ(d.Rows[3].Type, "");
    RefreshLineRows(*s, d);
    EXPECT_EQ(d.Rows[1].Type, "Circle");
    EXPECT_EQ(d.Rows[1].Color, "Yellow");
    EXPECT_EQ(d.Rows[1].Ref, "Pivot1");
    EXPECT_EQ(d.Rows[1].Field[3], "  2.000");
    EXPECT_EQ(d.Rows[2].Type, "Line");
    EXPECT_EQ(d.Rows[2].Color, "");
    EXPECT_EQ(d.Rows[2].Ref, "");
    EXPECT_EQ(d.Rows[3].Field[1], "");
}

TEST_F(LinesTest, RowClickSelectsTheEntryAndTheActivationKeepsItInTheTable) {
    RefPoints(1, 1, 2, 2);
    Choose(0, 0);
    LineRowClick(*s, d, 12);
    EXPECT_EQ(s->CurLineNo, 12);
    EXPECT_EQ(d.TypeChoice, -1);
    // Reopened again and again after a pick without "Draw Close": never past entry 20.
    s->CurLineNo = 20;
    s->LineRefChoice = 1;
    for (int i = 0; i < 3; ++i) LinesFormActivate(*s, d);
    EXPECT_EQ(s->CurLineNo, 20);
}

} // namespace
} // namespace vt
