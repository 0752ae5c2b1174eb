// The view controls: spring-loaded bars, Norm, presets, reference point buttons.
#include "model/ViewControls.h"

#include "support/Designs.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

struct ViewControlsTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    ViewControls v;
};

TEST_F(ViewControlsTest, ArrowAndPageClicksPanZoomAndSpringBack) {
    SpringBarChange(*c, v, SpringBarId::PanHorz, 1);
    EXPECT_FLOAT_EQ(c->ViewOffsetX, 110.1f);
    EXPECT_TRUE(v.NormEnabled);
    const SpringBar& horz = v.Bars[int(SpringBarId::PanHorz)];
    EXPECT_EQ(horz.ScrollPrev1, 0); // the spring-back reported 0 last
    EXPECT_EQ(horz.ScrollPrev2, 1);
    SpringBarChange(*c, v, SpringBarId::PanHorz, 1); // a second click moves again
    EXPECT_FLOAT_EQ(c->ViewOffsetX, 110.2f);
    SpringBarChange(*c, v, SpringBarId::PanVert, 10);
    EXPECT_FLOAT_EQ(c->ViewOffsetY, 269.0f);
    SpringBarChange(*c, v, SpringBarId::Zoom, -10);
    EXPECT_FLOAT_EQ(c->ViewScale, 28.5f * 0.99f);
}

TEST_F(ViewControlsTest, ReferencePointBars) {
    SpringBarChange(*c, v, SpringBarId::Ref1Vert, 1);
    EXPECT_FLOAT_EQ(c->PivotY[19], 0.001f);
    EXPECT_TRUE(v.RefPtZeroEnabled[0]);
    EXPECT_FALSE(v.RefPtZeroEnabled[1]);
    SpringBarChange(*c, v, SpringBarId::Ref2Horz, -25);
    EXPECT_FLOAT_EQ(c->PivotX[20], -0.025f);
    EXPECT_FALSE(v.NormEnabled); // the view did not move
    RefPtZeroClick(*c, v, 2);
    EXPECT_EQ(c->PivotX[20], 0.0f);
    EXPECT_FALSE(v.RefPtZeroEnabled[1]);
}

TEST_F(ViewControlsTest, PresetsStoreAfterPAndRecallOtherwise) {
    c->ViewScale = 80;
    c->ViewOffsetX = 12;
    Preset0Click(*c, v);
    EXPECT_FALSE(v.P0Enabled);
    PresetClick(*c, v, 3); // stores the captured view under 3
    EXPECT_EQ(c->PresetView[3].Scale, 80.0f);
    EXPECT_TRUE(v.P0Enabled);
    PresetClick(*c, v, 1); // recalls
    EXPECT_EQ(c->ViewScale, 62.0f);
    EXPECT_EQ(c->ViewOffsetX, 310.0f);
    PresetClick(*c, v, 3);
    EXPECT_EQ(c->ViewScale, 80.0f);
}

TEST_F(ViewControlsTest, PThenNormDoesNotStore) {
    Preset0Click(*c, v);
    NormClick(*c, v);
    EXPECT_TRUE(v.P0Enabled);
    EXPECT_FALSE(v.NormEnabled);
    PresetClick(*c, v, 2);
    EXPECT_EQ(c->PresetView[2].Scale, 50.0f); // recalled, not overwritten
    EXPECT_EQ(c->ViewScale, 50.0f);
}

TEST_F(ViewControlsTest, RefPointButtonCentresThenPansByTheBarsStep) {
    RefPtClick(*c, v, 1); // point 1 at the origin
    // Centred: offsets (320, 240); the horizontal bar then stands at -191 and its
    // handling pans by -19.1 pixels, the vertical at -22 and pans down by 2.2.
    EXPECT_FLOAT_EQ(c->ViewOffsetX, 320.0f - 19.1f);
    EXPECT_FLOAT_EQ(c->ViewOffsetY, 240.0f + 2.2f);
    EXPECT_TRUE(v.NormEnabled);
}

TEST_F(ViewControlsTest, ReferencePointsToggle) {
    c->PivotDataOn = true;
    RefPointsClick(*c, v);
    EXPECT_TRUE(c->RefPointsOn);
    EXPECT_TRUE(v.RefPtEnabled[0] && v.RefPtEnabled[1] && v.DrawLinesEnabled);
    RefPointsClick(*c, v);
    EXPECT_FALSE(c->RefPointsOn);
    EXPECT_FALSE(c->PivotDataOn);
    EXPECT_FALSE(v.RefPtEnabled[0] || v.DrawLinesEnabled);
}

TEST_F(ViewControlsTest, PanZoomItemFollowsItsCaption) {
    SetPanZoomClick(v);
    EXPECT_EQ(v.PanZoomCaption, "SetP&anZoom Off");
    EXPECT_TRUE(v.PanZoomBarsShown);
    SetPanZoomClick(v);
    EXPECT_EQ(v.PanZoomCaption, "SetP&anZoom On");
    EXPECT_FALSE(v.PanZoomBarsShown);
    v.PanZoomCaption = "SetP&anZoom On"; // as the screen data toggle leaves it
    SetPanZoomClick(v);
    EXPECT_TRUE(v.PanZoomBarsShown);
}

} // namespace
} // namespace vt
