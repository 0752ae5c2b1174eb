// Baker gear: what its sample shows beyond the properties every gear's sample is checked
// for (GearPropertiesTest) and its bodies (EngineTest).
#include "gears/kinds/Baker.h"
#include "gears/GearChecks.h"

#include <gtest/gtest.h>

namespace vt::gears {
namespace {

// The yoke's tilt does change the travel: full gear's is more than twice mid gear's.
TEST(Baker, FullGearMoreThanDoublesTheTravel) {
    const GearDesign d = Baker().Sample();
    auto s = d.Kind->MakeSolver(d);
    ASSERT_EQ(s->Failed(), nullptr);
    EXPECT_GT(test::FullTravel(*s, d.Value("FullGearAngle")), 2 * test::FullTravel(*s, 0));
}

} // namespace
} // namespace vt::gears
