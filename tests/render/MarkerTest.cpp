// The dimension marker: its views, blink, end and the editor it asks for, and its lines
// drawn from this frame's pixels.
#include "render/Marker.h"

#include "model/Controls.h"
#include "render/RecordingCanvas.h"
#include "render/Scene.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <vector>

namespace vt {
namespace {

struct MarkerTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    RecordingCanvas last;
    void SetUp() override { c->RunStep = 0; }
    // One tick of the main window with the scene drawn; what the marker asked for.
    MarkerOutcome Frame() {
        TickModel(*c);
        last = RecordingCanvas();
        return DrawScene(last, *c);
    }
    // The calls the marker drew at pen width 3 (its line) after the readouts.
    std::vector<CanvasCall> MarkerLines() const {
        std::vector<CanvasCall> out;
        for (const CanvasCall& call : last.Calls(CanvasCall::Line))
            if (call.penWidth == 3) out.push_back(call);
        return out;
    }
    // The label in the marker's size; an empty text when there is none.
    CanvasCall Label() const {
        for (const CanvasCall& call : last.Calls(CanvasCall::Text))
            if (call.fontSize == 14) return call;
        return {};
    }
};

TEST_F(MarkerTest, ViewsTakeTheTableScaleOverGraphicZoom) {
    c->GraphicZoom = 7.5f;
    MarkerView v;
    ASSERT_TRUE(MarkerViewFor(*c, 1, v));
    EXPECT_FLOAT_EQ(v.Scale, 30);
    EXPECT_FALSE(v.KeepOffsets);
    EXPECT_EQ(v.OffsetX, 290);
    EXPECT_EQ(v.OffsetY, 212);
    c->GraphicZoom = 15;
    for (int32_t no : {1, 3, 26, 28, 101, 106, 122}) {
        MarkerView half;
        c->GraphicZoom = 7.5f;
        ASSERT_TRUE(MarkerViewFor(*c, no, v)) << no;
        c->GraphicZoom = 15;
        ASSERT_TRUE(MarkerViewFor(*c, no, half));
        EXPECT_FLOAT_EQ(half.Scale, v.Scale / 2) << no;
    }
    EXPECT_FALSE(MarkerViewFor(*c, 29, v));
    EXPECT_FALSE(MarkerViewFor(*c, 100, v));
    EXPECT_FALSE(MarkerViewFor(*c, 123, v));
}

TEST_F(MarkerTest, MainRodAndCylinderPlaceKeepTheUsersOffsets) {
    for (int32_t no : {3, 101}) {
        c->ViewOffsetX = 123;
        c->ViewOffsetY = 321;
        c->MarkerNo = no;
        Frame();
        EXPECT_EQ(c->ViewOffsetX, 123) << no;
        EXPECT_EQ(c->ViewOffsetY, 321) << no;
        EXPECT_FLOAT_EQ(c->ViewScale, 28.5f) << no;
        EndMarkerOnClick(*c);
        Frame();
    }
    c->MarkerNo = 103;
    Frame();
    EXPECT_EQ(c->ViewOffsetX, -500);
    EXPECT_EQ(c->ViewOffsetY, 285);
    EXPECT_FLOAT_EQ(c->ViewScale, 55);
}

TEST_F(MarkerTest, BlinksThreeFramesRedThreeBlackBesideItsBlackLabel) {
    c->MarkerNo = 8;
    std::vector<Color> pens;
    for (int i = 0; i < 8; ++i) {
        Frame();
        const auto lines = MarkerLines();
        ASSERT_EQ(lines.size(), 1u);
        pens.push_back(lines[0].pen);
        const CanvasCall label = Label();
        EXPECT_EQ(label.text, "Eccentric Forward Rod");
        EXPECT_EQ(label.c[0], 30);
        EXPECT_EQ(label.c[1], 75);
        EXPECT_EQ(label.pen, colors::Black); // only the line blinks
    }
    const Color R = colors::Red, B = colors::Black;
    EXPECT_EQ(pens, (std::vector<Color>{R, R, R, B, B, B, R, R}));
}

TEST_F(MarkerTest, LinesRunFromThisFramesPixels) {
    c->MarkerNo = 3;
    Frame();
    Frame(); // the marker's view in force for the pixels too
    auto lines = MarkerLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].c[0], c->PivotScrX[2]);
    EXPECT_EQ(lines[0].c[1], c->PivotScrY[2]);
    EXPECT_EQ(lines[0].c[2], c->PivotScrX[3]);
    EXPECT_EQ(lines[0].c[3], c->PivotScrY[3]);

    EndMarkerOnClick(*c);
    Frame();
    c->MarkerNo = 6; // crank pin, driver centre, eccentric: two segments
    Frame();
    lines = MarkerLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].c[2], c->PivotScrX[1]);
    EXPECT_EQ(lines[1].c[2], c->PivotScrX[12]);
}

TEST_F(MarkerTest, TravelRowsDrawContrastingHalves) {
    for (int32_t no : {26, 27}) {
        c->MarkerNo = no;
        Frame();
        Frame();
        const auto lines = MarkerLines();
        ASSERT_EQ(lines.size(), 2u) << no;
        EXPECT_EQ(lines[0].pen, colors::Red);
        EXPECT_EQ(lines[1].pen, colors::Black);
        EXPECT_EQ(lines[0].c[1], c->PivotScrY[18] + 5);
        const int32_t centre = lines[0].c[2];
        // The two halves are as long as each other: mid gear +- the travel.
        EXPECT_NEAR(centre - lines[0].c[0], lines[1].c[2] - centre, 1);
        EndMarkerOnClick(*c);
        Frame();
    }
}

TEST_F(MarkerTest, EndsAfterAThousandFramesAndRestoresTheView) {
    c->ViewScale = 40;
    c->ViewOffsetX = 77;
    c->ViewOffsetY = 88;
    c->MarkerNo = 104;
    MarkerOutcome out;
    for (int i = 0; i < 1000; ++i) {
        out = Frame();
        ASSERT_EQ(out.close, MarkerEditor::Cylinder);
        ASSERT_EQ(out.reopen, MarkerEditor::None) << i;
    }
    EXPECT_EQ(c->SavedViewScale, 40);
    out = Frame();
    EXPECT_EQ(out.reopen, MarkerEditor::Cylinder);
    EXPECT_EQ(c->MarkerNo, 0);
    EXPECT_EQ(c->HighlightFrames, 0);
    EXPECT_EQ(c->HighlightBlink, 0);
    EXPECT_EQ(c->ViewScale, 40);
    EXPECT_EQ(c->ViewOffsetX, 77);
    EXPECT_EQ(c->ViewOffsetY, 88);
    out = Frame();
    EXPECT_EQ(out.close, MarkerEditor::None);
    EXPECT_EQ(MarkerLines().size(), 0u);
}

TEST_F(MarkerTest, AClickEndsItAtTheNextFrame) {
    EndMarkerOnClick(*c); // no marker: nothing to end
    EXPECT_EQ(c->HighlightFrames, 0);
    c->MarkerNo = 12;
    EXPECT_EQ(Frame().close, MarkerEditor::Frame);
    Frame();
    EndMarkerOnClick(*c);
    const MarkerOutcome out = Frame();
    EXPECT_EQ(out.reopen, MarkerEditor::Frame);
    EXPECT_EQ(c->MarkerNo, 0);
}

TEST_F(MarkerTest, DrawnWithTheScreenDataOff) {
    Controls ctl;
    ScreenDataClick(*c, ctl);
    ASSERT_FALSE(c->ScreenDataOn);
    c->MarkerNo = 1;
    Frame();
    EXPECT_EQ(MarkerLines().size(), 1u);
    EXPECT_EQ(Label().text, "Driver Dia");
}

TEST_F(MarkerTest, EveryMarkerStaysBoundedOnADegenerateDesign) {
    c->LiftingArmLen = 0;
    c->DriverDia = 3e38f;
    c->PivotY[9] = std::numeric_limits<float>::quiet_NaN();
    for (int32_t no = 1; no <= 122; ++no) {
        MarkerView v;
        if (!MarkerViewFor(*c, no, v)) continue;
        c->MarkerNo = no;
        Frame();
        const auto lines = MarkerLines();
        EXPECT_FALSE(lines.empty()) << no;
        for (const CanvasCall& l : lines)
            for (int k = 0; k < 4; ++k) EXPECT_LE(std::abs(l.c[k]), 1'000'005) << no;
        EndMarkerOnClick(*c);
        Frame();
    }
}

} // namespace
} // namespace vt
