// The view moved by the wheel and by "Fit": the point under the cursor stays, the scale
// keeps to its limits, the fitted box fills its area, and the gear's extent is found on
// a copy, without beeps, around everything a turn draws.
#include "model/GearExtent.h"
#include "model/Controls.h"
#include "model/View.h"

#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt {
namespace {

// The model point under pixel (px, py).
struct ModelPoint {
    double x, y;
};
ModelPoint Under(const ViewState& v, double px, double py) {
    return {(px - v.ViewOffsetX) / v.ViewScale, -(py - v.ViewOffsetY) / v.ViewScale};
}

TEST(ZoomAbout, KeepsThePointUnderTheCursorAndStopsAtTheLimits) {
    auto c = test::BuiltIn();
    const double px = 901.5, py = 433;
    const ModelPoint before = Under(*c, px, py);
    for (double factor : {1.2, 1.2, 3.7, 0.5, 1 / 1.2}) {
        ASSERT_TRUE(ZoomAbout(*c, px, py, factor));
        EXPECT_NEAR(before.x * c->ViewScale + c->ViewOffsetX, px, 0.5);
        EXPECT_NEAR(-before.y * c->ViewScale + c->ViewOffsetY, py, 0.5);
    }
    EXPECT_EQ(c->ZoomRefScale, c->ViewScale);
    EXPECT_EQ(c->ZoomRefOffsetX, c->ViewOffsetX);

    c->ViewScale = 2900;
    ZoomAbout(*c, px, py, 1.2);
    EXPECT_EQ(c->ViewScale, 3000.0f);
    const float x = c->ViewOffsetX, y = c->ViewOffsetY;
    ZoomAbout(*c, px, py, 1.2); // at the limit nothing moves
    EXPECT_EQ(c->ViewScale, 3000.0f);
    EXPECT_EQ(c->ViewOffsetX, x);
    EXPECT_EQ(c->ViewOffsetY, y);
    c->ViewScale = 0.6f;
    ZoomAbout(*c, px, py, 1 / 1.44);
    EXPECT_EQ(c->ViewScale, 0.5f);

    c->ViewScale = 0; // a broken view is left alone
    EXPECT_FALSE(ZoomAbout(*c, px, py, 1.2));
    EXPECT_EQ(c->ViewScale, 0.0f);
}

TEST(FitView, FillsTheAreaCentredAndKeepsTheLimits) {
    auto c = test::BuiltIn();
    ASSERT_TRUE(FitView(*c, {-2, -1, 18, 3}, {10, 150, 1010, 650})); // 20 x 4 units into 1000 x 500
    EXPECT_FLOAT_EQ(c->ViewScale, 50.0f);
    EXPECT_EQ(ScreenX(*c, -2), 10);
    EXPECT_EQ(ScreenX(*c, 18), 1010);
    EXPECT_EQ(ScreenY(*c, 1), 400); // the box's middle on the area's middle row
    EXPECT_EQ(c->ZoomRefScale, 50.0f);

    ASSERT_TRUE(FitView(*c, {0, 0, 1e-9, 1e-9}, {0, 0, 100, 100})); // a point: the largest zoom
    EXPECT_EQ(c->ViewScale, 3000.0f);
    ASSERT_TRUE(FitView(*c, {0, 0, 1e6, 1}, {0, 0, 100, 100}));
    EXPECT_EQ(c->ViewScale, 0.5f);

    const float scale = c->ViewScale, x = c->ViewOffsetX;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(FitView(*c, {0, 0, 10, 10}, {0, 0, 100, -5})); // a window too small
    EXPECT_FALSE(FitView(*c, {nan, 0, 10, 10}, {0, 0, 100, 100}));
    EXPECT_EQ(c->ViewScale, scale);
    EXPECT_EQ(c->ViewOffsetX, x);
}

TEST(GearExtent, HoldsEveryPivotOfATurnTheWheelAndTheCylinder) {
    auto c = test::BuiltIn();
    c->RevArmPos = c->RevArmSet[2];
    c->RockerLowerLen = 0; // impossible geometry: every solve beeps
    const float angle = c->DriverAngle, viewX = c->ViewOffsetX;
    const Extent e = GearExtent(*c);
    EXPECT_EQ(c.beeps(), 0);
    EXPECT_EQ(c->DriverAngle, angle);
    EXPECT_EQ(c->ViewOffsetX, viewX);

    auto d = test::BuiltIn();
    d->RevArmPos = d->RevArmSet[2];
    const Extent g = GearExtent(*d);
    EXPECT_LE(g.x0, -d->DriverDia / 2);
    EXPECT_GE(g.x1, d->CylCtrToDriverCtr + d->CylBoreLen / 2);
    const double slack = 1e-3; // the sweep's step and its 1/1024 grid
    for (float a = 0.5f; a < 360; a += 7.25f) {
        const State at = test::SolvedAt(*d, d->RevArmPos, a);
        for (int i : {2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 15, 21, 22}) {
            EXPECT_GE(at.PivotX[i], g.x0 - slack) << i;
            EXPECT_LE(at.PivotX[i], g.x1 + slack) << i;
            EXPECT_GE(at.PivotY[i], g.y0 - slack) << i;
            EXPECT_LE(at.PivotY[i], g.y1 + slack) << i;
        }
    }
    EXPECT_TRUE(std::isfinite(e.x0 + e.x1 + e.y0 + e.y1));
}

} // namespace
} // namespace vt
