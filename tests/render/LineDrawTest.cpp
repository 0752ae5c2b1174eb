// The overlay stage on a recording canvas: each type and mode at its pixels as the pivots
// move, the pens, and entries whose stored numbers name no pivot or no colour.
#include "render/LineDraw.h"

#include "model/Controls.h"
#include "render/RecordingCanvas.h"
#include "render/Scene.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt {
namespace {

struct LineDrawTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    RecordingCanvas canvas;
    void SetUp() override {
        c->ViewScale = 20;
        c->ViewOffsetX = 100.5f; // halves round to even: pixel positions are exact
        c->ViewOffsetY = 300;
    }
    void Entry(int n, float type, float mode, float color, float h1, float v1, float h2, float v2) {
        c->LineType[n] = type;
        c->LineRefMode[n] = mode;
        c->LineColor[n] = color;
        c->LineP1Horz[n] = h1;
        c->LineP1Vert[n] = v1;
        c->LineP2Horz[n] = h2;
        c->LineP2Vert[n] = v2;
    }
    std::vector<CanvasCall> Draw(CanvasCall::Kind kind) {
        canvas = RecordingCanvas();
        DrawOverlay(canvas, *c);
        return canvas.Calls(kind);
    }
    static std::vector<int> Coords(const CanvasCall& call) { return {call.c[0], call.c[1], call.c[2], call.c[3]}; }
};

TEST_F(LineDrawTest, FixedLineAndCircle) {
    Entry(1, 0, 0, 255, 1, 2, 3.5f, -1);
    Entry(2, 1, 0, 0x8000, 2, 1, 0.5f, 99); // circle: radius 0.5 about (2, 1); P2Vert unused
    const auto lines = Draw(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 1u);
    // x = round(100.5 + 20 x): 120.5 -> 120, 170.5 -> 170; y = round(300 - 20 y).
    EXPECT_EQ(Coords(lines[0]), (std::vector<int>{120, 260, 170, 320}));
    EXPECT_EQ(lines[0].pen, colors::Red);
    const auto circles = canvas.Calls(CanvasCall::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    // Box (round(OX + S(cx - R)), round(OY - S(cy + R))) to (... + 1): 130.5 -> 130,
    // 150.5 + 1 -> 152 (151.5 rounds to even).
    EXPECT_EQ(Coords(circles[0]), (std::vector<int>{130, 270, 152, 291}));
    EXPECT_EQ(circles[0].pen, colors::DarkGreen);
}

TEST_F(LineDrawTest, AttachedEntriesFollowTheirPivots) {
    Entry(1, 0, 1, 0xFF0000, 0.5f, 0.25f, -0.5f, 1); // both ends with pivot p1
    c->LinePivot1[1] = 5;
    Entry(2, 0, 2, 0, 0.5f, 0, 4, 2); // point 1 with p1, point 2 fixed
    c->LinePivot1[2] = 5;
    Entry(3, 0, 3, 0, 0, 0, 1, 1); // point 1 with p1, point 2 with p2
    c->LinePivot1[3] = 5;
    c->LinePivot2[3] = 9;
    Entry(4, 1, 1, 0, 0.5f, 0, 0.25f, 0); // circle about p1 + offset
    c->LinePivot1[4] = 5;
    for (float x5 : {3.0f, 6.0f}) { // the pivots move: the entries move with them
        c->PivotX[5] = x5;
        c->PivotY[5] = 2;
        c->PivotX[9] = 7;
        c->PivotY[9] = -1;
        const auto lines = Draw(CanvasCall::Line);
        ASSERT_EQ(lines.size(), 3u);
        const int px = int(std::nearbyint(100.5 + 20 * x5));
        EXPECT_EQ(Coords(lines[0]), (std::vector<int>{px + 10, 255, px - 10, 240})) << x5;
        EXPECT_EQ(Coords(lines[1]), (std::vector<int>{px + 10, 260, 180, 260})) << x5;
        EXPECT_EQ(Coords(lines[2]), (std::vector<int>{px, 260, 260, 300})) << x5;
        EXPECT_EQ(lines[0].pen, colors::Blue);
        const auto circles = canvas.Calls(CanvasCall::Ellipse);
        ASSERT_EQ(circles.size(), 1u);
        EXPECT_EQ(circles[0].c[1], 255); // round(300 - 20 (2 + 0.25))
        EXPECT_EQ(circles[0].c[3], 266);
    }
}

TEST_F(LineDrawTest, CombinationsAndNumbersThatNameNothingDrawNothing) {
    Entry(1, 1, 2, 0, 0, 0, 1, 1); // circle tied in mode 2 or 3: nothing
    Entry(2, 1, 3, 0, 0, 0, 1, 1);
    Entry(3, 0, 1, 0, 0, 0, 1, 1);
    c->LinePivot1[3] = 27; // outside the pivot table
    Entry(4, 0, 3, 0, 0, 0, 1, 1);
    c->LinePivot1[4] = 2;
    c->LinePivot2[4] = -0.6f; // rounds to -1
    Entry(5, 0, 1, 0, 0, 0, 1, 1);
    c->LinePivot1[5] = std::numeric_limits<float>::quiet_NaN();
    Entry(6, 2, 0, 0, 0, 0, 1, 1); // no such type
    Entry(7, 0, 4, 0, 0, 0, 1, 1); // no such mode
    EXPECT_TRUE(Draw(CanvasCall::Line).empty());
    EXPECT_TRUE(canvas.Calls(CanvasCall::Ellipse).empty());
    // Edges of the table still draw: 26.4 is pivot 26, -0.4 pivot 0.
    c->LinePivot1[3] = 26.4f;
    c->LinePivot2[4] = -0.4f;
    EXPECT_EQ(Draw(CanvasCall::Line).size(), 2u);
}

TEST_F(LineDrawTest, PensAndThePenLeftForTheReferencePoints) {
    EXPECT_EQ(LinePen(-1), colors::Black);
    EXPECT_EQ(LinePen(65535), colors::Yellow);
    EXPECT_EQ(LinePen(8421504), colors::Gray);
    EXPECT_EQ(LinePen(16777216), colors::Black); // beyond 0xFFFFFF
    EXPECT_EQ(LinePen(-2), colors::Black);
    EXPECT_EQ(LinePen(std::numeric_limits<float>::infinity()), colors::Black);
    EXPECT_EQ(DrawOverlay(canvas, *c), colors::Black); // entry 20 empty
    c->LineColor[20] = 255;
    c->LineColor[1] = 0xFF0000;
    EXPECT_EQ(DrawOverlay(canvas, *c), colors::Red);
}

TEST_F(LineDrawTest, TheSceneDrawsTheReferencePointsInThePenOfEntryTwenty) {
    c->RefPointsOn = true;
    c->LineColor[20] = 0xFFFF;
    TickModel(*c);
    DrawScene(canvas, *c);
    const auto lines = canvas.Calls(CanvasCall::Line);
    ASSERT_GE(lines.size(), 4u);
    // The two crosses are the last four lines of the frame.
    for (std::size_t i = lines.size() - 4; i < lines.size(); ++i) EXPECT_EQ(lines[i].pen, colors::Yellow);
}

} // namespace
} // namespace vt
