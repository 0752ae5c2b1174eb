// The one evaluator of a changed design: each change starts from the nominal design, the
// eccentric angles are written wrapped as the editors write them, and a design that cannot
// be assembled at a place is told apart, with why, from one that can.
#include "analysis/DesignVariant.h"

#include "support/Designs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace vt {
namespace {

int IndexOf(std::string_view name) {
    const auto ids = IdDimensions();
    return int(std::find_if(ids.begin(), ids.end(),
                            [name](const DimensionInfo* d) { return d->Name == name; }) -
               ids.begin());
}

TEST(DesignVariant, EachChangeStartsFromTheNominalAndWrapsTheEccentricAngles) {
    const auto c = test::BuiltIn();
    const GearPlace place = *ParseGearPlace(*c, "normal-fwd");
    DesignVariant variant(*c, place);
    const PositionEvents nominal = variant.Events({});
    const DimensionChange longer[] = {{IndexOf("ValveStemLen"), c->ValveStemLen + 0.05}};
    EXPECT_NE(variant.Events(longer).Front.Lead, nominal.Front.Lead);
    EXPECT_EQ(variant.Events({}).Front.Lead, nominal.Front.Lead); // nothing left of the change
    const DimensionChange turned[] = {{IndexOf("EccFwdAngle"), c->EccFwdAngle + 360.0}};
    const PositionEvents e = variant.Events(turned);
    EXPECT_EQ(variant.Design().Value("EccFwdAngle"), c->EccFwdAngle);
    EXPECT_EQ(e.Front.Lead, nominal.Front.Lead);
    EXPECT_EQ(e.Rear.CutOff, nominal.Rear.CutOff);
}

// A reverse arm of 1 reaches mid gear +- 1 only: normal forward (1.04) cannot be assembled.
TEST(DesignVariant, SaysWhereAndWhyTheDesignCannotBeAssembled) {
    auto c = test::BuiltIn();
    c->RevArmLen = 1.0f;
    EXPECT_EQ(AssemblyFailure(*c, *ParseGearPlace(*c, "-0.9")), "");
    const std::string why = AssemblyFailure(*c, *ParseGearPlace(*c, "normal-fwd"));
    EXPECT_EQ(why, "the design cannot be assembled at +1.040 from mid gear (forward): the "
                   "reverse arm cannot be assembled at 68 of the crank angles tried");
}

} // namespace
} // namespace vt
