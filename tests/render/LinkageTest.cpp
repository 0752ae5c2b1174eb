// The linkage drawing: which primitives, in which colours, from which pixels.
#include "render/Linkage.h"

#include "model/Controls.h"
#include "model/Real.h"
#include "model/Rounding.h"
#include "render/RecordingCanvas.h"
#include "render/Scene.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vt {
namespace {

struct LinkageTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    RecordingCanvas canvas;
    void SetUp() override {
        c->RunStep = 0;
        TickModel(*c);
        DrawScene(canvas, *c);
    }
    bool HasLine(Color pen, int m, int n) const {
        const auto lines = canvas.Calls(CanvasCall::Line);
        return std::any_of(lines.begin(), lines.end(), [&](const CanvasCall& l) {
            return l.pen == pen && l.c[0] == c->PivotScrX[m] && l.c[1] == c->PivotScrY[m] &&
                   l.c[2] == c->PivotScrX[n] && l.c[3] == c->PivotScrY[n];
        });
    }
};

TEST_F(LinkageTest, FrameStartsWhiteWithThePenWidth) {
    ASSERT_FALSE(canvas.Calls().empty());
    EXPECT_EQ(canvas.Calls().front().kind, CanvasCall::Clear);
    for (const CanvasCall& call : canvas.Calls(CanvasCall::Line)) EXPECT_EQ(call.penWidth, 1);
    c->LineWidth = 2;
    RecordingCanvas wide;
    DrawScene(wide, *c);
    for (const CanvasCall& call : wide.Calls(CanvasCall::Ellipse)) EXPECT_EQ(call.penWidth, 2);
}

TEST_F(LinkageTest, RodsInTheirColours) {
    EXPECT_TRUE(HasLine(colors::Lime, 22, 11));  // reverse eccentric rod
    EXPECT_TRUE(HasLine(colors::Blue, 21, 10));  // forward eccentric rod
    EXPECT_TRUE(HasLine(colors::Red, 2, 3));     // main rod
    EXPECT_TRUE(HasLine(colors::Fuchsia, 8, 7)); // rocker
    EXPECT_TRUE(HasLine(colors::Fuchsia, 7, 5));
    EXPECT_TRUE(HasLine(colors::Blue, 5, 4));    // valve rod
    EXPECT_TRUE(HasLine(colors::Aqua, 9, 15));   // lifting link
    EXPECT_TRUE(HasLine(colors::Lime, 15, 17));  // lifting arm
    EXPECT_TRUE(HasLine(colors::Lime, 17, 18));  // reverse arm
}

TEST_F(LinkageTest, ReachRodRunsLevelToTheAxle) {
    const auto lines = canvas.Calls(CanvasCall::Line);
    const CanvasCall& last = lines.back();
    EXPECT_EQ(last.pen, colors::Black);
    EXPECT_EQ(last.c[0], c->PivotScrX[18]);
    EXPECT_EQ(last.c[1], c->PivotScrY[18]);
    EXPECT_EQ(last.c[2], c->PivotScrX[1]);
    EXPECT_EQ(last.c[3], c->PivotScrY[18]);
}

TEST_F(LinkageTest, WheelAndPinCircles) {
    const auto ellipses = canvas.Calls(CanvasCall::Ellipse);
    ASSERT_EQ(ellipses.size(), 18u); // wheel, two sheaves, 15 pins
    // The wheel: radius 3.5 about the axle at (110, 270) with scale 28.5.
    const CanvasCall& wheel = ellipses[0];
    EXPECT_EQ(wheel.pen, colors::Black);
    EXPECT_EQ(wheel.c[0], ToPixel(110 - 3.5 * 28.5));
    EXPECT_EQ(wheel.c[1], ToPixel(270 + 3.5 * 28.5));
    EXPECT_EQ(wheel.c[2], ToPixel(110 + 3.5 * 28.5));
    EXPECT_EQ(wheel.c[3], ToPixel(270 - 3.5 * 28.5));
    EXPECT_EQ(ellipses[1].pen, colors::Lime); // reverse sheave
    EXPECT_EQ(ellipses[2].pen, colors::Blue); // forward sheave
    EXPECT_EQ(ellipses[3].c[2] - ellipses[3].c[0], ToPixel(110 + 0.56 * 28.5) - ToPixel(110 - 0.56 * 28.5));
}

TEST_F(LinkageTest, WheelArcRaysAtZeroDegrees) {
    const auto arcs = canvas.Calls(CanvasCall::Arc);
    ASSERT_EQ(arcs.size(), 2u); // the wheel's inner arc and the link
    const CanvasCall& arc = arcs[0];
    const double reach = 7 * 28.5;
    EXPECT_EQ(arc.c[4], ToPixel(110 + reach * std::cos(-110 * kPi / 180)));
    EXPECT_EQ(arc.c[5], ToPixel(270 + reach * std::sin(-110 * kPi / 180)));
    EXPECT_EQ(arc.c[6], ToPixel(110 + reach * std::cos(110 * kPi / 180)));
    EXPECT_EQ(arc.c[7], ToPixel(270 + reach * std::sin(110 * kPi / 180)));
    EXPECT_LT(arc.c[5], 270); // start ray points up-left in pixels
    EXPECT_GT(arc.c[7], 270); // end ray down-left
}

TEST_F(LinkageTest, LinkArcSpansTheRodPins) {
    const CanvasCall link = canvas.Calls(CanvasCall::Arc)[1];
    EXPECT_EQ(link.pen, colors::Red);
    EXPECT_EQ(link.c[4], c->PivotScrX[11]);
    EXPECT_GT(link.c[5], c->PivotScrY[11]); // just below the reverse rod pin
    EXPECT_EQ(link.c[6], c->PivotScrX[10]);
    EXPECT_LT(link.c[7], c->PivotScrY[10]); // just above the forward rod pin
}

TEST_F(LinkageTest, FixedPivotCrosses) {
    const auto lines = canvas.Calls(CanvasCall::Line);
    const int x = c->PivotScrX[7], y = c->PivotScrY[7];
    const bool found = std::any_of(lines.begin(), lines.end(), [&](const CanvasCall& l) {
        return l.pen == colors::Red && l.c[0] == x + 5 && l.c[1] == y - 5 && l.c[2] == x - 6 &&
               l.c[3] == y + 6;
    });
    EXPECT_TRUE(found);
}

} // namespace
} // namespace vt
