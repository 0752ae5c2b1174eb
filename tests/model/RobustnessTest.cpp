// Random and adversarial designs (zero, negative, huge, tiny, NaN and infinite dimensions)
// through the mid-gear calculation and whole turns of the solver, valve events and
// outlines: every call returns, pixels stay bounded, the axle never moves.
#include "model/Dimensions.h"
#include "model/MidGear.h"
#include "model/Outlines.h"
#include "model/Rounding.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "support/Adversarial.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace vt {
namespace {

using test::Adversarial;

std::vector<float*> AllInputs(State& s) {
    std::vector<float*> v;
    for (const auto& d : FrameDimensionTable()) v.push_back(&d.Ref(s));
    for (const auto& d : CylDimensionTable()) v.push_back(&d.Ref(s));
    v.push_back(&s.PivotX[17]);
    v.push_back(&s.PivotY[17]);
    return v;
}

void CheckTurn(State& s) {
    for (int a = 0; a < 360; a += 10) {
        s.DriverAngle = float(a);
        SolveLinkage(s);
        ComputeValveEvents(s);
        BuildCylinderOutline(s);
        BuildPistonValveOutline(s);
        for (int i = 0; i < kCylOutlinePoints; ++i) {
            ASSERT_LE(std::abs(s.CylOutlineX[i]), kPixelLimit);
            ASSERT_LE(std::abs(s.CylOutlineY[i]), kPixelLimit);
        }
        ASSERT_EQ(s.PivotX[1], 0.0f);
        ASSERT_EQ(s.PivotY[1], 0.0f);
    }
}

TEST(Robustness, AdversarialDesignsAlwaysComplete) {
    std::mt19937 rng(20261208);
    auto nominal = test::BuiltIn();
    const std::vector<float*> defaults = AllInputs(*nominal);
    for (int design = 0; design < 2000; ++design) {
        auto c = test::BuiltIn();
        std::vector<float*> inputs = AllInputs(*c);
        const int changes = std::uniform_int_distribution<int>(1, 8)(rng);
        for (int k = 0; k < changes; ++k) {
            const auto i = std::uniform_int_distribution<std::size_t>(0, inputs.size() - 1)(rng);
            *inputs[i] = Adversarial(rng, *defaults[i]);
        }
        FindRevArmCent(*c);
        c->RevArmPos = c->RevArmSet[std::uniform_int_distribution<int>(0, 3)(rng)];
        CheckTurn(*c);
        (void)RevArmBarLimit(*c);
        if (HasFatalFailure()) FAIL() << "design " << design;
    }
}

TEST(Robustness, EveryDimensionNonFiniteInTurn) {
    for (float bad : {std::nanf(""), std::numeric_limits<float>::infinity(), 0.0f}) {
        auto c = test::BuiltIn();
        const std::vector<float*> inputs = AllInputs(*c);
        for (float* p : inputs) {
            const float saved = *p;
            *p = bad;
            FindRevArmCent(*c);
            CheckTurn(*c);
            *p = saved;
        }
    }
}

TEST(Robustness, NonFiniteRunTimeValues) {
    auto c = test::BuiltIn();
    for (float bad : {std::nanf(""), -std::numeric_limits<float>::infinity(), 1e38f}) {
        c->RevArmPos = bad;
        CheckTurn(*c);
        c->RevArmPos = c->RevArmSet[0];
        c->DriverAngle = bad;
        SolveLinkage(*c);
        ComputeValveEvents(*c);
    }
}

} // namespace
} // namespace vt
