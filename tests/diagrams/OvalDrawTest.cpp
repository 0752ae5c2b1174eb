// The oval diagram on a recording canvas, built-in design with the positions mid gear,
// normal forward and normal reverse: grid and labels, the closed curves against the
// solver and the piston function, the curve numbers, and the guards of that function.
#include "diagrams/OvalDraw.h"

#include "diagrams/Recorded.h"
#include "diagrams/ValveDiagramTest.h"
#include "model/Format.h"
#include "model/Rounding.h"
#include "model/Solver.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {

using test::CountLines;
using test::CurveSegments;
using test::FindText;
using test::TextsAt;

struct OvalDrawTest : test::ValveDiagramTest<DrawOvalDiagram, 426> {
    int Column(double angle) const {
        const double a = angle * 3.14159265358979323846 / 180;
        const double l = c->MainRodLen, s = c->StrokeLen;
        return ToPixel((std::cos(a) + 2 * (std::sqrt(l * l - std::pow(std::sin(a) * s / 2, 2)) - l) / s) *
                           270.5 + 314);
    }
};

TEST_F(OvalDrawTest, GridAndLabelsAtTheirPlaces) {
    const RecordingCanvas r = Draw();
    int shortMarks = 0, longMarks = 0;
    for (int i = 1; i <= 9; ++i) {
        for (int x = 71; x <= 557; x += 27) shortMarks += CountLines(r, x, 32 * i + 52, x, 32 * i + 58);
        for (int x = 98; x <= 530; x += 54) longMarks += CountLines(r, x, 32 * i + 50, x, 32 * i + 60);
    }
    EXPECT_EQ(shortMarks, 9 * 19);
    EXPECT_EQ(longMarks, 9 * 9);
    EXPECT_EQ(CountLines(r, 44, 84, 44, 346), 1);
    EXPECT_EQ(CountLines(r, 584, 84, 584, 346), 1);
    const struct {
        const char* text;
        int x, y;
    } texts[] = {{"100", 45, 353}, {"90", 91, 353},  {"50", 307, 353},
                 {"10", 523, 353}, {"0", 577, 348},  {"Percent Piston Travel", 186, 367},
                 {"Forward End --->", 386, 367},     {"0.6", 15, 60},
                 {"Units Travel", 9, 32},            {"Reverse Arm Positions", 500, 0}};
    for (const auto& t : texts) {
        bool found = false;
        for (const CanvasCall& call : TextsAt(r, t.x, t.y)) found = found || call.text == t.text;
        EXPECT_TRUE(found) << t.text << " at " << t.x << ", " << t.y;
    }
    // The port labels stand where the oval leaves room for them.
    EXPECT_EQ(FindText(r, "Front Steam Port Open")->c[0], 430);
    EXPECT_EQ(FindText(r, "Front Exhaust Port Open")->c[0], 75);
    EXPECT_EQ(FindText(r, "Rear Steam Port Max")->c[0], 75);
    EXPECT_EQ(FindText(r, "Rear Exhaust Port Open")->c[0], 430);
    int portLines = 0;
    for (const CanvasCall& l : r.Calls(CanvasCall::Line)) portLines += l.c[0] == 15 && l.c[2] == 584;
    EXPECT_EQ(portLines, 6);
}

TEST_F(OvalDrawTest, ClosedCurvesOfFortyFiveSegmentsOnThePistonAxis) {
    const RecordingCanvas r = Draw();
    const std::vector<CanvasCall> segs = CurveSegments(r);
    ASSERT_EQ(segs.size(), 3u * 45u);
    for (int k = 1; k <= 3; ++k) {
        const float pos = c->RevArmSet[k];
        const CanvasCall& first = segs[std::size_t(45 * (k - 1))];
        const CanvasCall& last = segs[std::size_t(45 * k - 1)];
        EXPECT_EQ(first.c[0], Column(32));
        EXPECT_EQ(first.c[1], Row(TravelAt(pos, 32)));
        EXPECT_EQ(first.c[2], Column(24));
        EXPECT_EQ(last.c[2], first.c[0]); // closed: back at 32 degrees
        EXPECT_EQ(last.c[3], first.c[1]);
        int leftmost = 1000, rightmost = 0;
        for (int i = 0; i < 45; ++i) {
            const CanvasCall& seg = segs[std::size_t(45 * (k - 1) + i)];
            if (i > 0) {
                EXPECT_EQ(seg.c[0], segs[std::size_t(45 * (k - 1) + i - 1)].c[2]);
            }
            leftmost = std::min(leftmost, seg.c[2]);
            rightmost = std::max(rightmost, seg.c[2]);
        }
        EXPECT_EQ(rightmost, 584); // through 0 degrees, the front dead centre
        EXPECT_EQ(leftmost, Column(176)); // 180 is stepped over: 184 and 176 are the ends
    }
}

TEST_F(OvalDrawTest, CurveNumbersNearTwoSeventyTwoAndEightyDegrees) {
    const RecordingCanvas r = Draw();
    ASSERT_GT(c->ValveLenRear, c->SteamPortWidthRear);
    for (int k = 1; k <= 3; ++k) {
        const float pos = c->RevArmSet[k];
        const std::string number = std::string(" ").append(std::to_string(k));
        // The value of the step before: 280 and 88 degrees.
        const int y272 = ToPixel(204 - TravelAt(pos, 280) * 375 / 1.5);
        const int y80 = ToPixel(213 - TravelAt(pos, 88) * 375 / 1.5);
        bool at272 = false, at80 = false;
        for (const CanvasCall& t : TextsAt(r, 300, y272)) at272 = at272 || (t.text == number && t.bold);
        for (const CanvasCall& t : TextsAt(r, 334, y80)) at80 = at80 || (t.text == number && t.bold);
        EXPECT_TRUE(at272) << k;
        EXPECT_TRUE(at80) << k;
    }
    EXPECT_EQ(test::CountTexts(r, " 1"), 2);

    c->ValveLenRear = c->SteamPortWidthRear; // the offsets change places
    const RecordingCanvas other = Draw();
    const float pos = c->RevArmSet[1];
    EXPECT_EQ(TextsAt(other, 300, ToPixel(213 - TravelAt(pos, 280) * 375 / 1.5)).size(), 1u);
    EXPECT_EQ(TextsAt(other, 334, ToPixel(204 - TravelAt(pos, 88) * 375 / 1.5)).size(), 1u);
}

TEST_F(OvalDrawTest, MidGearColumnAndTheGearRestored) {
    c->DriverAngle = 211.5f;
    c->RevArmPos = 5.5f;
    const RecordingCanvas r = Draw();
    EXPECT_EQ(test::CountTexts(r, "ExCl"), 1); // only position 1 is in mid gear
    EXPECT_EQ(TextsAt(r, 592, 195).at(0).text, FormatFixed(c->LapUpper, 6, 3));
    EXPECT_EQ(c->DriverAngle, 211.5f);
    EXPECT_EQ(c->RevArmPos, 5.5f);
}

TEST_F(OvalDrawTest, PistonColumnEndsAndGuards) {
    const double d = c->StrokeLen;
    EXPECT_EQ(PistonColumn(*c, 0, d), 584);   // 584.5, to even
    EXPECT_EQ(PistonColumn(*c, 180, d), 44);  // 43.5, to even
    EXPECT_EQ(PistonColumn(*c, 90, d), Column(90));
    EXPECT_EQ(c.beeps(), 0);

    // A main rod shorter than half the stroke: the root of the magnitude, with the beep.
    c->MainRodLen = 1.0f;
    c->StrokeLen = 3.0f;
    const int x = PistonColumn(*c, 90, 3.0);
    EXPECT_EQ(x, ToPixel((2 * (std::sqrt(1.25) - 1.0) / 3.0) * 270.5 + 314));
    EXPECT_EQ(c.beeps(), 1);

    // The whole diagram stays finite; a zero stroke beeps through the divisor guard.
    c->StrokeLen = 0;
    c.resetBeeps();
    const RecordingCanvas r = Draw();
    EXPECT_GT(c.beeps(), 0);
    for (const CanvasCall& seg : CurveSegments(r)) {
        EXPECT_LE(std::abs(seg.c[0]), kPixelLimit);
        EXPECT_LE(std::abs(seg.c[2]), kPixelLimit);
    }
}

} // namespace
} // namespace vt
