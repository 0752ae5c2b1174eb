// The guards clamp impossible values and beep only as the user and the search allow.
#include "model/Guards.h"

#include "support/Designs.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(Guards, DenomKeepsItsSignAwayFromZero) {
    auto c = test::BuiltIn();
    struct Case {
        float in, out;
        int beeps;
    } cases[] = {{0.0f, 0.00001f, 1},     {0.000005f, 0.00001f, 1}, {-0.000005f, -0.00001f, 1},
                 {0.00001f, 0.00001f, 0}, {-0.5f, -0.5f, 0},        {-0.0f, 0.00001f, 1}};
    for (const Case& k : cases) {
        c.resetBeeps();
        c->CalcDenom = k.in;
        GuardDenom(*c);
        EXPECT_FLOAT_EQ(c->CalcDenom, k.out) << k.in;
        EXPECT_EQ(c.beeps(), k.beeps) << k.in;
    }
}

TEST(Guards, RootTakesTheMagnitude) {
    auto c = test::BuiltIn();
    EXPECT_DOUBLE_EQ(GuardedRoot(*c, -4.0), 2.0);
    EXPECT_EQ(c.beeps(), 1);
    EXPECT_DOUBLE_EQ(GuardedRoot(*c, 9.0), 3.0);
    EXPECT_EQ(c.beeps(), 1);
}

TEST(Guards, CosClampIsSilentDuringTheCoarseSearch) {
    auto c = test::BuiltIn();
    c->SearchStep = 0.5f;
    EXPECT_FLOAT_EQ(float(GuardedArcCosArg(*c, 1.7)), 0.999999f);
    EXPECT_FLOAT_EQ(float(GuardedArcCosArg(*c, -1.7)), -0.999999f);
    EXPECT_EQ(c.beeps(), 0);
    c->SearchStep = 0.004f;
    EXPECT_FLOAT_EQ(float(GuardedArcCosArg(*c, 1.0000001)), 0.999999f);
    EXPECT_EQ(c.beeps(), 1);
    EXPECT_FLOAT_EQ(float(GuardedArcCosArg(*c, 0.25)), 0.25f);
    EXPECT_EQ(c.beeps(), 1);
}

TEST(Guards, ErrorBeepObeysTheSetting) {
    auto c = test::BuiltIn();
    c->ErrorBeepOn = false;
    c->CalcDenom = 0;
    GuardDenom(*c);
    EXPECT_EQ(c.beeps(), 0);
    ErrorBeep(*c);
    EXPECT_EQ(c.beeps(), 0);
    c->ErrorBeepOn = true;
    ErrorBeep(*c);
    EXPECT_EQ(c.beeps(), 1);
    c->hooks.Beep = nullptr; // an unbound hook is silent: no empty call is made
    EXPECT_NO_THROW(ErrorBeep(*c));
}

} // namespace
} // namespace vt
