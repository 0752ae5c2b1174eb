// The solver and the mid-gear calculation against the plain pass of their formulas, for
// the designs that take the less common branches: pins set off their members' lines, and
// the lifting arm on the other side of the shaft.
#include "model/MidGear.h"
#include "model/Solver.h"
#include "support/Designs.h"
#include "support/PlainSolve.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

// The two passes round differently (the solver turns its angle sums into products of
// square roots) and agree within a few float steps; a step of the search decided the
// other way would show as about 1e-4.
constexpr double kPivotTolerance = 2e-5;
constexpr int kSolvedPivots[] = {2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14, 15, 18, 21, 22, 23, 24};

void ExpectSameGear(const State& actual, const State& expected, const char* design) {
    for (int p : kSolvedPivots) {
        EXPECT_NEAR(actual.PivotX[p], expected.PivotX[p], kPivotTolerance)
            << design << " pivot " << p << " at " << actual.DriverAngle << ", " << actual.RevArmPos;
        EXPECT_NEAR(actual.PivotY[p], expected.PivotY[p], kPivotTolerance)
            << design << " pivot " << p << " at " << actual.DriverAngle << ", " << actual.RevArmPos;
    }
    EXPECT_NEAR(actual.LinkAngle, expected.LinkAngle, kPivotTolerance) << design;
}

TEST(SolverFormulas, PivotsThroughTurnsInFullGearAndMidGear) {
    const struct {
        const char* name;
        test::CountingState (*make)();
    } designs[] = {{"offset pins", test::OffsetPins},
                   {"negative lifting arm", test::NegativeLiftingArm}};
    for (const auto& d : designs) {
        auto c = d.make();
        const float cent = c->RevArmSet[0];
        for (float pos : {cent - c->RevArmCentMax, cent, cent + c->RevArmCentNorm}) {
            for (int a = 0; a < 360; a += 15) {
                const State actual = test::SolvedAt(*c, pos, float(a));
                ExpectSameGear(actual, test::PlainSolve(actual), d.name);
            }
        }
        EXPECT_EQ(c.beeps(), 0) << d.name;
    }
}

TEST(SolverFormulas, MidGearWithOffsetPins) {
    auto c = test::OffsetPins();
    EXPECT_NEAR(c->RevArmSet[0], test::PlainMidGear(*c), 2e-5);
}

} // namespace
} // namespace vt
