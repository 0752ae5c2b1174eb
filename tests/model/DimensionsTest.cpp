// The dimension tables and the by-id write with its twin pivots.
#include "model/Dimensions.h"

#include "support/Designs.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vt {
namespace {

TEST(Dimensions, IdsAreUniqueAndFindable) {
    std::set<int32_t> ids;
    for (const auto& d : FrameDimensionTable()) {
        if (d.Id) {
            EXPECT_TRUE(ids.insert(d.Id).second) << d.Id;
        }
    }
    for (const auto& d : CylDimensionTable()) EXPECT_TRUE(ids.insert(d.Id).second) << d.Id;
    EXPECT_EQ(ids.size(), 26u + 22u);
    for (int32_t id : ids) ASSERT_NE(FindDimension(id), nullptr) << id;
    EXPECT_EQ(FindDimension(0), nullptr);
    EXPECT_EQ(FindDimension(27), nullptr);
    EXPECT_EQ(FindDimension(123), nullptr);
}

TEST(Dimensions, NameTextsAreTheProgramsOwn) {
    EXPECT_STREQ(FindDimension(9)->NameText, "Eccemtric Reverse Rod");
    EXPECT_STREQ(FindDimension(26)->NameText, "Link Cent Pivot  Vert");
    EXPECT_STREQ(FindDimension(26)->Name, "LinkCentPivotVert");
    EXPECT_STREQ(FindDimension(102)->NameText, "Cyl CL above Driver ctr");
    EXPECT_STREQ(FrameDimensionTable()[12].Name, "LinkEccRodPivotVert");
    EXPECT_STREQ(CylDimensionTable()[12].NameText, "Steam Port Width  Rear");
    for (const auto& d : FrameDimensionTable()) EXPECT_LE(std::string(d.NameText).size(), 25u);
    for (const auto& d : CylDimensionTable()) EXPECT_LE(std::string(d.NameText).size(), 25u);
}

TEST(Dimensions, WritesKeepTheTwinsInStep) {
    auto c = test::BuiltIn();
    c->FrontCOText = "25.0";
    ASSERT_TRUE(WriteDimension(*c, 102, 0.5f));
    EXPECT_EQ(c->PivotY[3], 0.5f);
    EXPECT_FLOAT_EQ(c->PivotY[4], 2.562f);
    EXPECT_TRUE(c->FrontCOText.empty());
    ASSERT_TRUE(WriteDimension(*c, 109, 2.0f));
    EXPECT_FLOAT_EQ(c->PivotY[4], 2.5f);
    WriteDimension(*c, 17, 1.4f);
    EXPECT_EQ(c->PivotY[7], 1.4f);
    EXPECT_EQ(c->PivotY[6], 1.4f);
    WriteDimension(*c, 18, 8.0f);
    EXPECT_EQ(c->PivotX[6], 8.0f);
    WriteDimension(*c, 24, 2.5f);
    EXPECT_EQ(c->PivotY[16], 2.5f);
    EXPECT_EQ(c->PivotY[17], 2.5f);
    WriteDimension(*c, 25, 6.5f);
    EXPECT_EQ(c->PivotX[17], 6.5f);
    EXPECT_FALSE(WriteDimension(*c, 0, 1.0f));
    EXPECT_EQ(c->PivotX[1], 0.0f);
    EXPECT_EQ(c->PivotY[1], 0.0f);
}

} // namespace
} // namespace vt
