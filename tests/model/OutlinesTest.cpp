// Outline points of the cylinder section in screen pixels under the start-up view.
#include "model/Outlines.h"

#include "model/Rounding.h"
#include "model/Solver.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(Outlines, CylinderPointsFollowTheViewTransform) {
    auto c = test::BuiltIn();
    BuildCylinderOutline(*c);
    // Point 5: rear end of the bore top, X = 16 - 2 = 14, Y = 2.125 / 2.
    EXPECT_EQ(c->CylOutlineX[5], ToPixel(14 * 28.5 + 110));
    EXPECT_EQ(c->CylOutlineY[5], ToPixel(-1.0625 * 28.5 + 270));
    // Points 0 and 13 bound the exhaust opening in the chest top.
    EXPECT_EQ(c->CylOutlineX[0], ToPixel((16 - 0.1875) * 28.5 + 110));
    EXPECT_EQ(c->CylOutlineX[13], ToPixel((16 + 0.1875) * 28.5 + 110));
    EXPECT_EQ(c->CylOutlineY[0], c->CylOutlineY[13]);
    // The front passage mirrors the rear one for the symmetric built-in design.
    EXPECT_EQ(c->CylOutlineX[9] + c->CylOutlineX[3], 2 * ToPixel(16 * 28.5 + 110));
}

// Under a view of 100 pixels a unit from the origin, with the port face at 1.75, the
// rear points take the rear dimensions and the front points the front ones.
TEST(Outlines, EachSideOfTheSectionTakesItsOwnDimensions) {
    auto c = test::UnequalPorts();
    c->ViewScale = 100;
    c->ViewOffsetX = c->ViewOffsetY = 0;
    BuildCylinderOutline(*c);
    EXPECT_EQ(c->CylOutlineX[3], 1552);  // 16 - 0.1875 - 0.16 - 0.13 = 15.5225
    EXPECT_EQ(c->CylOutlineX[4], 1552);
    EXPECT_EQ(c->CylOutlineX[16], 1565); // 16 - 0.1875 - 0.16 = 15.6525
    EXPECT_EQ(c->CylOutlineX[17], 1565);
    EXPECT_EQ(c->CylOutlineX[20], 1639); // 16 + 0.1875 + 0.2 = 16.3875
    EXPECT_EQ(c->CylOutlineX[21], 1639);
    EXPECT_EQ(c->CylOutlineX[9], 1656);  // 16 + 0.1875 + 0.2 + 0.175 = 16.5625
    EXPECT_EQ(c->CylOutlineX[10], 1656);
    // Both walls of the exhaust port drop by the rear steam port: 1.75 - 0.13 = 1.62.
    EXPECT_EQ(c->CylOutlineY[14], -162);
    EXPECT_EQ(c->CylOutlineY[23], -162);

    c->PivotX[4] = 12.909f; // valve centre 12.909 + 3.191 = 16.1
    BuildPistonValveOutline(*c);
    for (int i : {5, 6, 13}) EXPECT_EQ(c->PistonValveX[i], 1545) << i; // 16.1 - 0.65
    for (int i : {7, 8}) EXPECT_EQ(c->PistonValveX[i], 1680) << i;     // 16.1 + 0.7
    for (int i : {9, 10}) EXPECT_EQ(c->PistonValveX[i], 1645) << i;    // 16.1 + 0.35
    for (int i : {11, 12}) EXPECT_EQ(c->PistonValveX[i], 1580) << i;   // 16.1 - 0.3
}

TEST(Outlines, ValveCavityTopIsAThirdOfTheWayDown) {
    auto c = test::BuiltIn();
    c->DriverAngle = 40;
    SolveLinkage(*c);
    BuildPistonValveOutline(*c);
    const int32_t y6 = c->PistonValveY[6], y8 = c->PistonValveY[8];
    EXPECT_EQ(c->PistonValveY[10], y6 + (y8 - y6) / 3);
    EXPECT_EQ(c->PistonValveY[11], c->PistonValveY[10]);
    EXPECT_LT(y6, y8); // the valve's top lies above the port face on screen
    // The piston stands at the crosshead plus the piston rod.
    EXPECT_EQ(c->PistonValveX[0], ToPixel((double(c->PivotX[3]) + 6.0 + 0.25) * 28.5 + 110));
}

TEST(Outlines, FarOffViewsStayWithinThePixelBound) {
    auto c = test::BuiltIn();
    c->ViewScale = 3e30f;
    c->ViewOffsetX = -1e30f;
    BuildCylinderOutline(*c);
    BuildPistonValveOutline(*c);
    for (int32_t x : c->CylOutlineX) EXPECT_LE(std::abs(x), kPixelLimit);
    for (int32_t y : c->PistonValveY) EXPECT_LE(std::abs(y), kPixelLimit);
}

} // namespace
} // namespace vt
