// View arithmetic: spring-loaded bar steps, pan and zoom with their clamps, Norm and
// centring on a point.
#include "model/View.h"

#include "support/Designs.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(SpringBar, ArrowAndPageClicksFromRest) {
    SpringBar bar;
    EXPECT_FLOAT_EQ(SpringStep(bar, 1, 10, 10), 0.1f);   // arrow right
    EXPECT_FLOAT_EQ(SpringStep(bar, 0, 10, 10), 0.0f);   // the reset to 0 reports again
    EXPECT_FLOAT_EQ(SpringStep(bar, -1, 10, 10), -0.1f); // arrow left
    EXPECT_FLOAT_EQ(SpringStep(bar, 0, 10, 10), 0.0f);
    EXPECT_FLOAT_EQ(SpringStep(bar, 10, 10, 10), 1.0f);  // page right
    EXPECT_FLOAT_EQ(SpringStep(bar, 0, 10, 10), 0.0f);
    EXPECT_FLOAT_EQ(SpringStep(bar, -25, 1000, 25), -0.025f); // reference point page
    EXPECT_EQ(bar.ScrollPrev1, -25);
}

TEST(SpringBar, DragStepsTakeTheSignOfTheMotion) {
    SpringBar bar;
    bar.ScrollPrev1 = 0;
    bar.ScrollPrev2 = 3;
    EXPECT_FLOAT_EQ(SpringStep(bar, 5, 10, 10), 0.5f);   // further right than before
    bar.ScrollPrev1 = 0;
    bar.ScrollPrev2 = 7;
    EXPECT_FLOAT_EQ(SpringStep(bar, 4, 10, 10), -0.4f);  // right of rest but moving back
    bar.ScrollPrev1 = 0;
    bar.ScrollPrev2 = -7;
    EXPECT_FLOAT_EQ(SpringStep(bar, -4, 10, 10), 0.4f);  // left of rest, moving right
    bar.ScrollPrev1 = 0;
    bar.ScrollPrev2 = -2;
    EXPECT_FLOAT_EQ(SpringStep(bar, -6, 10, 10), -0.6f);
    bar.ScrollPrev1 = 0;
    bar.ScrollPrev2 = 6;
    EXPECT_FLOAT_EQ(SpringStep(bar, 6, 10, 10), 0.0f);   // equal to ScrollPrev2: no step
}

TEST(View, PanMovesTheZoomReference) {
    auto c = test::BuiltIn();
    PanHorizontal(*c, 2.5);
    PanVertical(*c, 1.0);
    EXPECT_FLOAT_EQ(c->ViewOffsetX, 112.5f);
    EXPECT_FLOAT_EQ(c->ViewOffsetY, 269.0f);
    EXPECT_EQ(c->ZoomRefOffsetX, c->ViewOffsetX);
    EXPECT_EQ(c->ZoomRefOffsetY, c->ViewOffsetY);
}

TEST(View, ZoomKeepsTheCentrePixelOfTheReference) {
    auto c = test::BuiltIn();
    Zoom(*c, 10); // +10 per cent
    EXPECT_FLOAT_EQ(c->ViewScale, 28.5f * 1.1f);
    EXPECT_FLOAT_EQ(c->ViewOffsetX, (110 - 320) * 1.1f + 320);
    EXPECT_FLOAT_EQ(c->ViewOffsetY, (270 - 240) * 1.1f + 240);
    EXPECT_EQ(c->ZoomRefScale, 28.5f); // the reference stays for the next step
    Zoom(*c, 10);
    EXPECT_NEAR(c->ViewScale, 28.5f * 1.21f, 1e-4);
}

TEST(View, ZoomClamps) {
    auto c = test::BuiltIn();
    c->ViewScale = 5000;
    Zoom(*c, 1);
    EXPECT_FLOAT_EQ(c->ViewScale, 3030.0f); // starts from 3000
    c->ViewScale = 0.52f;
    Zoom(*c, -20);
    EXPECT_EQ(c->ViewScale, 0.5f);
    // The offsets keep the values computed with the unclamped scale.
    EXPECT_FLOAT_EQ(c->ViewOffsetX, float((110 - 320) * (0.52f * 0.8) / 28.5 + 320));
}

TEST(View, NormSavesAndReturns) {
    auto c = test::BuiltIn();
    c->ViewScale = 99;
    c->ViewOffsetX = 7;
    NormView(*c);
    EXPECT_EQ(c->SavedViewScale, 99.0f);
    EXPECT_EQ(c->SavedViewOffsetX, 7.0f);
    EXPECT_EQ(c->ViewScale, 28.5f);
    EXPECT_EQ(c->ViewOffsetX, 110.0f);
    EXPECT_EQ(c->ZoomRefScale, 28.5f);
}

TEST(View, CentringAndThePanBarPositions) {
    auto c = test::BuiltIn();
    CentreOn(*c, 2.0, 1.0);
    EXPECT_FLOAT_EQ(c->ViewOffsetX, 320 - 57.0f);
    EXPECT_FLOAT_EQ(c->ViewOffsetY, 28.5f + 240);
    EXPECT_EQ(ScreenX(*c, 2.0), 320);
    EXPECT_EQ(ScreenY(*c, 1.0), 240);
    // At the normal view the bars stand at 0.
    NormView(*c);
    EXPECT_EQ(PanHorzPosFor(*c), 0);
    EXPECT_EQ(PanVertPosFor(*c), 0);
    CentreOn(*c, 0, 0);
    EXPECT_EQ(PanHorzPosFor(*c), -191); // (320 - 110) x 100 / -110
    EXPECT_EQ(PanVertPosFor(*c), -22);  // (240 - 270) x 200 / 270
}

} // namespace
} // namespace vt
