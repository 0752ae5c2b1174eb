// The events table's text and CSV: columns line up with their header, missing events
// show as "-" or an empty field, rows carry their labels and the figures their decimals.
#include "analysis/EventsText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace vt {
namespace {

EventsTable TwoRows() {
    EventsTable t;
    t.StepsPerDegree = 20;
    EventsRow a;
    a.Spec = {0.125f, true, RowSource::Sweep, 7};
    a.Front = {0.0125f, 0.3f, 0.5f, 0.9, 75.26, 95.5, 20.0};
    a.Rear = {0.011f, 0.28f, 0.49f, 1.0, 74.0, 95.0, 21.0};
    a.FullTravel = 4.25f;
    a.DieSlip = 0.375f;
    EventsRow b;
    b.Spec = {-1.5f, false, RowSource::Stored, 3};
    b.Front.Lead = -0.02f; // in mid gear the port never opens: no events
    t.Rows = {a, b};
    return t;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

long Fields(const std::string& line) { return std::count(line.begin(), line.end(), ',') + 1; }

TEST(EventsText, CsvHasAHeaderAndOneLineOfAsManyFieldsPerPosition) {
    const auto lines = Lines(FormatEventsCsv(TwoRows()));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("row,direction,rev_arm_pos,front_lead,", 0), 0u);
    EXPECT_EQ(Fields(lines[0]), 19);
    EXPECT_EQ(Fields(lines[1]), 19);
    EXPECT_EQ(Fields(lines[2]), 19);
    EXPECT_EQ(lines[1], "F7,Fwd,0.12500,0.01250,0.30000,0.900,75.260,95.500,20.000,0.50000,"
                        "0.01100,0.28000,1.000,74.000,95.000,21.000,0.49000,4.25000,0.37500");
    EXPECT_EQ(lines[2].rfind("S3,Rev,-1.50000,-0.02000,0.00000,,,,,0.00000,", 0), 0u);
}

TEST(EventsText, ListingHasTwoLinesPerPositionUnderTheColumnNames) {
    const auto lines = Lines(FormatEventsText(TwoRows()));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_NE(lines[0].find("0.05 degree steps"), std::string::npos);
    EXPECT_EQ(lines[2], "F7   Fwd    0.125  Front  0.013    0.300     0.9    75.3    95.5"
                        "    20.0   0.500   4.250   0.375");
    EXPECT_EQ(lines[3].substr(0, 24), std::string(19, ' ') + "Rear ");
    // Each figure ends under the end of its column's name.
    const std::size_t cut = lines[1].find("Cut%") + 4;
    EXPECT_EQ(lines[2].substr(cut - 4, 4), "75.3");
    EXPECT_EQ(lines[4].substr(cut - 4, 4), "   -");
    EXPECT_EQ(lines[4].rfind("S3   Rev   -1.500  Front -0.020", 0), 0u);
}

TEST(EventsText, ImpossibleGeometryIsSaidInWords) {
    EventsTable t = TwoRows();
    EXPECT_EQ(FormatEventsText(t).find("impossible"), std::string::npos);
    t.GuardBeeps = 12;
    EXPECT_NE(FormatEventsText(t).find("clamped impossible geometry 12 times"), std::string::npos);
}

} // namespace
} // namespace vt
