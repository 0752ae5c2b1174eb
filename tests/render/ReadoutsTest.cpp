// The readouts: fixed texts and places, the cut-off after each closing of a steam port,
// the undo line with the font factors, the banner of the dynamic variables.
#include "render/Readouts.h"

#include "model/Controls.h"
#include "model/DynVars.h"
#include "render/RecordingCanvas.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <string>

namespace vt {
namespace {

struct ReadoutsTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    RecordingCanvas Frame() {
        TickModel(*c);
        RecordingCanvas r;
        DrawReadouts(r, *c, colors::Black);
        return r;
    }
    static const CanvasCall* Find(const RecordingCanvas& r, const std::string& prefix) {
        for (const CanvasCall& call : r.Calls())
            if (call.kind == CanvasCall::Text && call.text.rfind(prefix, 0) == 0) return &call;
        return nullptr;
    }
};

TEST_F(ReadoutsTest, FixedReadoutsAtStart) {
    c->RunStep = 0;
    const RecordingCanvas r = Frame();
    struct Row {
        const char* text;
        int x, y;
    } rows[] = {{"Pan Vert", 199, 25},
                {"Zoom", 199, 53},
                {"Rev Arm  6.023  ", 459, 25},
                {"Driv Ang   0.00  ", 459, 39},
                {"Step Ang 10.00  ", 459, 53},
                {"Piston %   0.00  ", 545, 25},
                {"ValveCen -0.181  ", 545, 37},
                {"ValveFSt  0.025  ", 545, 49}};
    for (const Row& row : rows) {
        const CanvasCall* call = Find(r, row.text);
        ASSERT_NE(call, nullptr) << row.text;
        EXPECT_EQ(call->text, row.text);
        EXPECT_EQ(call->c[0], row.x) << row.text;
        EXPECT_EQ(call->c[1], row.y) << row.text;
        EXPECT_EQ(call->pen, colors::Black);
    }
    EXPECT_EQ(Find(r, "FrontCO% "), nullptr); // stopped: no cut-off readout
}

TEST_F(ReadoutsTest, CutOffAfterEachClosingAtTenDegrees) {
    c->RevArmPos = c->RevArmSet[2]; // normal forward
    std::string front, rear;
    for (int i = 0; i < 72; ++i) { // two turns
        const RecordingCanvas r = Frame();
        ASSERT_NE(Find(r, "FrontCO% "), nullptr);
        ASSERT_NE(Find(r, "RearCO% "), nullptr);
        front = c->FrontCOText;
        rear = c->RearCOText;
    }
    ASSERT_FALSE(front.empty());
    ASSERT_FALSE(rear.empty());
    const double f = std::stod(front), b = std::stod(rear);
    RecordProperty("front_cutoff", front);
    RecordProperty("rear_cutoff", rear);
    // Normal forward sets the cut-off of this gear in the seventies of per cent.
    EXPECT_GT(f, 60.0);
    EXPECT_LT(f, 90.0);
    EXPECT_GT(b, 60.0);
    EXPECT_LT(b, 90.0);
    EXPECT_EQ(front.size(), 4u); // 4:1
}

TEST_F(ReadoutsTest, NothingIsUpdatedWhileTheScreenDataIsOff) {
    c->ScreenDataOn = false;
    c->RevArmPos = c->RevArmSet[2];
    for (int i = 0; i < 72; ++i) {
        const RecordingCanvas r = Frame();
        EXPECT_TRUE(r.Calls(CanvasCall::Text).empty());
    }
    EXPECT_TRUE(c->FrontCOText.empty());
    EXPECT_EQ(c->PrevPistonPos, 0.0f);
}

TEST_F(ReadoutsTest, UndoLineFollowsTheFontFactor) {
    c->UndoOn = true;
    c->EditChanged = true;
    PushUndo(*c);
    c->UndoId[1] = 2;
    c->UndoOld[1] = 3.0f;
    c->UndoNew[1] = 3.5f;
    c->UndoName[1] = "Stroke";
    c->EditChanged = false;
    const CanvasCall* line = nullptr;
    RecordingCanvas small = Frame();
    line = Find(small, " 1- Stroke");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->c[0], 320);
    EXPECT_EQ(line->c[1], 73);
    EXPECT_EQ(UndoButtonTop(*c), 72);
    c->FontScaleX = 1.27f;
    c->FontScaleY = 1.22f;
    c->DynVarsOn = true;
    RecordingCanvas large = Frame();
    line = Find(large, " 1- Stroke");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->c[0], 406); // round(320 x 1.27)
    EXPECT_EQ(line->c[1], 163); // round(128 x 1.27): the horizontal factor for both
    EXPECT_EQ(UndoButtonTop(*c), 161);
}

TEST_F(ReadoutsTest, DynamicVariableBannerOrList) {
    c->DynVarsOn = true;
    RecordingCanvas r = Frame();
    const CanvasCall* banner = Find(r, "* First Select Dimensions *");
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->pen, colors::Red);
    VisitDimension(*c, 2);
    r = Frame();
    EXPECT_EQ(Find(r, "* First"), nullptr);
    const CanvasCall* name = Find(r, "Stroke");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->c[0], 377);
    EXPECT_EQ(name->c[1], 71);
    EXPECT_NE(Find(r, " 3.000"), nullptr);
}

TEST_F(ReadoutsTest, PivotDataRowsAndDistance) {
    c->PivotDataOn = true;
    c->PivotSel[1] = 7;
    c->PivotSelOn[1] = 1;
    c->PivotSel[2] = 16;
    c->PivotSelOn[2] = 1;
    const RecordingCanvas r = Frame();
    ASSERT_NE(Find(r, "    Pivot Data"), nullptr);
    const CanvasCall* v = Find(r, "  1.300");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->c[0], 12);
    EXPECT_EQ(v->c[1], 150);
    const CanvasCall* d = Find(r, "  2.242"); // from (8.13, 1.3) to (6, 2)
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->c[1], 155);
}

} // namespace
} // namespace vt
