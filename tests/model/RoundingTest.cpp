// The one real-to-integer conversion: half to even, clamped, defined for every input.
#include "model/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(ToPixel(0.5), 0);
    EXPECT_EQ(ToPixel(1.5), 2);
    EXPECT_EQ(ToPixel(2.5), 2);
    EXPECT_EQ(ToPixel(-0.5), 0);
    EXPECT_EQ(ToPixel(-1.5), -2);
    EXPECT_EQ(ToPixel(-2.5), -2);
    EXPECT_EQ(ToPixel(2.5000001), 3);
    EXPECT_EQ(ToPixel(-2.4999999), -2);
}

TEST(Rounding, NonFiniteAndHugeInputsAreClamped) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ToPixel(std::nan("")), 0);
    EXPECT_EQ(ToPixel(inf), kPixelLimit);
    EXPECT_EQ(ToPixel(-inf), -kPixelLimit);
    EXPECT_EQ(ToPixel(1e300), kPixelLimit);
    EXPECT_EQ(ToPixel(-3e9), -kPixelLimit);
    EXPECT_EQ(ToPixel(999999.4), 999999);
}

TEST(Rounding, CustomRangeKeepsNaNInsideIt) {
    EXPECT_EQ(RoundClamped(0x00FFFFFF + 0.2, 0, 0x00FFFFFF), 0x00FFFFFF);
    EXPECT_EQ(RoundClamped(-7.0, 0, 255), 0);
    EXPECT_EQ(RoundClamped(std::nan(""), 1, 20), 1);
    EXPECT_EQ(RoundClamped(std::nan(""), -20, -1), -1);
    EXPECT_EQ(RoundClamped(12.5, 1, 20), 12);
}

} // namespace
} // namespace vt
