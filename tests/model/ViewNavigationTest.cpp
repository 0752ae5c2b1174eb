// Fitting the view: the box fills its area centred within the scale limits, refused
// inputs change nothing, and the gear's box is found on a copy, without beeps. The wheel
// and the fit through the window are tested in tests/app/NavigationTest.cpp.
#include "model/GearExtent.h"
#include "model/View.h"

#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt {
namespace {

TEST(FitView, FillsTheAreaCentredWithinTheScaleLimits) {
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
}

TEST(FitView, RefusedInputsChangeNothing) {
    auto c = test::BuiltIn();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(FitView(*c, {0, 0, 10, 10}, {0, 0, 100, -5})); // a window too small
    EXPECT_FALSE(FitView(*c, {nan, 0, 10, 10}, {0, 0, 100, 100}));
    c->ViewScale = 0;
    EXPECT_FALSE(ZoomAbout(*c, 10, 10, 1.2)); // a broken view gives no point to zoom about
    EXPECT_EQ(c->ViewScale, 0.0f);
    EXPECT_EQ(c->ViewOffsetX, 110.0f);
    EXPECT_EQ(c->ViewOffsetY, 270.0f);
}

TEST(GearExtent, ReachesWheelToCylinderAndLeavesTheStateAndBeepsAlone) {
    auto c = test::BuiltIn();
    const Extent e = GearExtent(*c);
    EXPECT_EQ(e.x0, -c->DriverDia / 2);
    EXPECT_EQ(e.x1, c->CylCtrToDriverCtr + c->CylBoreLen / 2);
    EXPECT_EQ(e.y0, -c->DriverDia / 2);

    c->RockerLowerLen = 0; // impossible geometry: every solve beeps
    const float angle = c->DriverAngle;
    EXPECT_TRUE(std::isfinite(GearExtent(*c).y1));
    EXPECT_EQ(c.beeps(), 0);
    EXPECT_EQ(c->DriverAngle, angle);
}

} // namespace
} // namespace vt
