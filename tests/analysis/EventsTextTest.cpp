// The events table's text and CSV: columns line up with their header, missing events
// show as "-" or an empty field, admission carries its sign, rows carry their labels, a
// failed search its mark, and the figures their decimals.
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
    EventsRow a;
    a.Spec = {0.125, true, RowSource::Sweep, 7};
    a.Reverser = 0.125;
    // Front: pre-admission 9.5 degrees before the front dead centre.
    a.Front = {0.0125f, 0.3f, 0.5f, EventPoint{350.5, -9.5, 0.9}, EventPoint{120.25, 120.25, 75.26},
               EventPoint{165.0, 165.0, 95.5}, EventPoint{300.0, -60.0, 20.0}, 1, 1};
    // Rear: late admission 2 degrees after the rear dead centre.
    a.Rear = {-0.011f, 0.28f, 0.49f, EventPoint{182.0, 2.0, 0.04}, EventPoint{300.5, 120.5, 74.0},
              EventPoint{345.0, 165.0, 95.0}, EventPoint{120.0, -60.0, 21.0}, 1, 1};
    a.FullTravel = 4.25f;
    a.DieSlip = 0.375f;
    a.FrontDeadCentre = 357.5; // the cylinder's centre line above the axle
    a.RearDeadCentre = 176.625;
    a.Named = {GearPosition::MidGear, GearPosition::NormalForward};
    EventsRow b;
    b.Spec = {-1.5, false, RowSource::Stored, 3};
    b.Reverser = -1.5;
    b.Front.Lead = -0.02f; // in mid gear the port never opens: no events
    b.FailedSolves = 2;    // and the gear could not be assembled at some angles
    t.Rows = {a, b};
    t.ReverserLabel = "RevArm"; // a classic design's
    t.ReverserKey = "rev_arm_pos";
    return t;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> out(1);
    for (char ch : line) {
        if (ch == ',') out.emplace_back();
        else out.back() += ch;
    }
    return out;
}

std::size_t Column(const std::vector<std::string>& header, const std::string& name) {
    return std::size_t(std::find(header.begin(), header.end(), name) - header.begin());
}

TEST(EventsText, CsvHasAHeaderAndOneLineOfAsManyFieldsPerPosition) {
    const auto lines = Lines(FormatEventsCsv(TwoRows()));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("row,direction,rev_arm_pos,front_lead,front_max_steam_opening,"
                             "front_admission_deg_after_dc,front_admission_pct_after_dc,"
                             "front_cutoff_pct,",
                             0),
              0u);
    for (const auto& l : lines) EXPECT_EQ(Fields(l).size(), 33u);
    EXPECT_EQ(lines[1], "F7,Fwd,0.12500,"
                        "0.012500,0.300000,-9.5000,-0.9000,75.2600,95.5000,20.0000,0.500000,"
                        "350.5000,120.2500,165.0000,300.0000,"
                        "-0.011000,0.280000,2.0000,0.0400,74.0000,95.0000,21.0000,0.490000,"
                        "182.0000,300.5000,345.0000,120.0000,"
                        "4.250000,0.375000,357.5000,176.6250,1,mid normal-fwd");
    EXPECT_EQ(lines[2], "S3,Rev,-1.50000,-0.020000,0.000000,,,,,,0.000000,,,,,"
                        "0.000000,0.000000,,,,,,0.000000,,,,,0.000000,0.000000,0.0000,180.0000,"
                        "0,");
}

// Every event has its crank angle; admission is signed from the dead centre.
TEST(EventsText, CsvNamesTheSignOfAdmissionAndGivesEveryEventsCrankAngle) {
    const auto lines = Lines(FormatEventsCsv(TwoRows()));
    const auto header = Fields(lines[0]), row = Fields(lines[1]);
    for (const char* end : {"front", "rear"})
        for (const char* col : {"admission_crank_deg", "cutoff_crank_deg", "release_crank_deg",
                                "compression_crank_deg", "admission_deg_after_dc",
                                "admission_pct_after_dc"})
            EXPECT_LT(Column(header, std::string(end) + "_" + col), header.size()) << col;
    EXPECT_EQ(row[Column(header, "front_admission_pct_after_dc")], "-0.9000");
    EXPECT_EQ(row[Column(header, "rear_admission_pct_after_dc")], "0.0400");
    EXPECT_EQ(row[Column(header, "rear_admission_crank_deg")], "182.0000");
    EXPECT_EQ(row[Column(header, "search_ok")], "1");
}

TEST(EventsText, ListingHasTwoLinesPerPositionUnderTheColumnNames) {
    const auto lines = Lines(FormatEventsText(TwoRows()));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_NE(lines[0].find("each found to 0.0001 degrees of crank"), std::string::npos);
    EXPECT_NE(lines[1].find("negative before it (pre-admission)"), std::string::npos);
    const std::string& head = lines[2];
    // Lengths with four decimals, percentages and degrees with two; the row's names last.
    EXPECT_EQ(lines[3], "F7   Fwd    0.125  Front  0.0125   0.3000   -9.50   -0.90   75.26"
                        "   95.50   20.00   0.5000   4.2500   0.3750  mid gear, normal forward");
    EXPECT_EQ(lines[4], std::string(19, ' ') + "Rear  -0.0110   0.2800   +2.00   +0.04   74.00"
                                               "   95.00   21.00   0.4900");
    // Each figure ends under the end of its column's name.
    for (const char* name : {"Lead", "AdmDeg", "Adm%", "Cut%", "Comp%", "MaxExh", "DieSlip"}) {
        const std::size_t end = head.find(name) + std::string(name).size();
        EXPECT_NE(lines[3][end - 1], ' ') << name;
        EXPECT_EQ(lines[3][end], ' ') << name;
    }
    const std::size_t cut = head.find("Cut%") + 4;
    EXPECT_EQ(lines[5].substr(cut - 4, 4), "   -");
    EXPECT_EQ(lines[5].rfind("S3   Rev   -1.500  Front -0.0200", 0), 0u);
    EXPECT_EQ(head.substr(head.size() - 6), "  Gear");
}

TEST(EventsText, ARowWhoseSearchGaveUpIsMarkedAndExplained) {
    const auto lines = Lines(FormatEventsText(TwoRows()));
    EXPECT_NE(lines[3].back(), '!');
    EXPECT_EQ(lines[5].substr(lines[5].size() - 2), " !");
    EXPECT_EQ(lines[7].rfind("! 1 row: the gear could not be assembled", 0), 0u);
}

// The reverser's column is named as the design's kind names it.
TEST(EventsText, TheReverserColumnIsTheKindsOwn) {
    EventsTable t = TwoRows();
    t.ReverserLabel = "Setting";
    t.ReverserKey = "setting";
    EXPECT_NE(FormatEventsText(t).find("Dir  Setting  End"), std::string::npos);
    EXPECT_EQ(FormatEventsCsv(t).rfind("row,direction,setting,front_lead", 0), 0u);
}

} // namespace
} // namespace vt
