// The sine diagram on a recording canvas, built-in design with the positions mid gear,
// normal forward and normal reverse: grid and labels, the curves against the solver, the
// travel scale, the port lines, the mid-gear column, and the gear put back.
#include "diagrams/SineDraw.h"

#include "diagrams/Recorded.h"
#include "diagrams/ValveDiagramTest.h"
#include "model/Real.h"
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

using SineDrawTest = test::ValveDiagramTest<DrawSineDiagram, 414>;

TEST_F(SineDrawTest, GridAndLabelsAtTheirPlaces) {
    const RecordingCanvas r = Draw();
    int shortMarks = 0, longMarks = 0;
    for (int i = 1; i <= 9; ++i) {
        for (int x = 60; x <= 580; x += 10) shortMarks += CountLines(r, x, 32 * i + 53, x, 32 * i + 57);
        for (int x = 90; x <= 540; x += 90) longMarks += CountLines(r, x, 32 * i + 50, x, 32 * i + 60);
    }
    EXPECT_EQ(shortMarks, 9 * 53);
    EXPECT_EQ(longMarks, 9 * 6);
    EXPECT_EQ(CountLines(r, 50, 85, 50, 89), 0); // the short marks start at x = 60
    const struct {
        const char* text;
        int x, y;
    } texts[] = {{"0", 86, 353},       {"90", 173, 353},          {"180", 260, 353},
                 {"270", 350, 353},    {"0", 446, 353},           {"90", 533, 353},
                 {"Front", 9, 46},     {"Rear", 9, 374},          {"Units Travel", 9, 32},
                 {"Scale =", 9, 18},   {"1.5", 50, 18},           {"Reverse Arm Positions", 500, 0},
                 {"Center", 520, 13},  {" 6.023", 580, 13},       {"Driver Clockwise Rotation --->", 86, 367}};
    for (const auto& t : texts) {
        bool found = false;
        for (const CanvasCall& call : TextsAt(r, t.x, t.y)) found = found || call.text == t.text;
        EXPECT_TRUE(found) << t.text << " at " << t.x << ", " << t.y;
    }
}

bool IsLegendStroke(const CanvasCall& l) {
    return l.c[0] == 506 && l.c[2] == 528 && l.c[1] == l.c[3];
}

// The curves' segments, without the legend's short strokes.
std::vector<CanvasCall> SweepSegments(const RecordingCanvas& r) {
    std::vector<CanvasCall> segs = CurveSegments(r);
    std::erase_if(segs, IsLegendStroke);
    return segs;
}

// Legend row k's colour: its number's, checked against the stroke beside it.
Color LegendColor(const RecordingCanvas& r, int k) {
    const int y = 12 * k + 12;
    const std::vector<CanvasCall> number = TextsAt(r, 545, y);
    if (number.size() != 1) return colors::White;
    for (const CanvasCall& l : r.Calls(CanvasCall::Line))
        if (IsLegendStroke(l) && l.c[1] == y + 5)
            return l.pen == number[0].pen ? l.pen : colors::White;
    return colors::White;
}

TEST_F(SineDrawTest, OneCurveOfSixtySixSegmentsPerPositionFollowingTheSolver) {
    const RecordingCanvas r = Draw();
    const std::vector<CanvasCall> segs = SweepSegments(r);
    ASSERT_EQ(segs.size(), 3u * 66u);
    for (int k = 1; k <= 3; ++k) {
        const float pos = c->RevArmSet[k];
        const CanvasCall& first = segs[std::size_t(66 * (k - 1))];
        const CanvasCall& last = segs[std::size_t(66 * k - 1)];
        EXPECT_EQ(first.c[0], 58);
        EXPECT_EQ(first.c[1], Row(TravelAt(pos, 328)));
        EXPECT_EQ(last.c[2], 586);
        EXPECT_EQ(last.c[3], Row(TravelAt(pos, 136)));
        // Angle 0 (360) falls on x = 90 and again on 450; 90 degrees on x = 180.
        for (int i = 0; i < 66; ++i) {
            const CanvasCall& seg = segs[std::size_t(66 * (k - 1) + i)];
            EXPECT_EQ(seg.pen, LegendColor(r, k));
            EXPECT_EQ(seg.c[2] - seg.c[0], 8);
            if (seg.c[2] == 90 || seg.c[2] == 450) {
                EXPECT_EQ(seg.c[3], Row(TravelAt(pos, 360)));
            }
            if (seg.c[2] == 180) {
                EXPECT_EQ(seg.c[3], Row(TravelAt(pos, 90)));
            }
            if (i > 0) {
                EXPECT_EQ(seg.c[1], segs[std::size_t(66 * (k - 1) + i - 1)].c[3]);
            }
        }
        // The curve's number in bold where the curve starts.
        bool numbered = false;
        for (const CanvasCall& t : TextsAt(r, 45, first.c[1]))
            numbered = numbered || (t.text == std::string(" ").append(std::to_string(k)) &&
                                    t.bold && t.pen == first.pen);
        EXPECT_TRUE(numbered) << k;
    }
}

// Each position in its own colour, keyed by its legend row; none black, green or red,
// which the grid and the port lines use.
TEST_F(SineDrawTest, EachPositionHasItsOwnColourKeyedInTheLegend) {
    c->RevArmCount = 9;
    const RecordingCanvas r = Draw();
    std::vector<Color> seen;
    for (int k = 1; k <= 9; ++k) {
        const Color color = LegendColor(r, k);
        for (Color other : {colors::White, colors::Black, colors::Lime, colors::Red})
            EXPECT_NE(color, other) << k;
        for (Color earlier : seen) EXPECT_NE(color, earlier) << k;
        seen.push_back(color);
    }
}

TEST_F(SineDrawTest, LegendRowsWithDirectionWords) {
    c->RevArmSet[1] = c->RevArmSet[0];
    const RecordingCanvas r = Draw();
    const char* words[] = {"Cen", "Fwd", "Rev"};
    for (int k = 1; k <= 3; ++k) {
        const int y = 12 * k + 12;
        ASSERT_EQ(TextsAt(r, 545, y).size(), 1u);
        EXPECT_EQ(TextsAt(r, 545, y)[0].text, "    " + std::to_string(k));
        EXPECT_EQ(TextsAt(r, 533, y)[0].text, words[k - 1]);
    }
    EXPECT_EQ(TextsAt(r, 580, 48)[0].text, " 4.983");
    EXPECT_TRUE(TextsAt(r, 545, 60).empty()); // three positions only
}

TEST_F(SineDrawTest, TravelScaleMarksAtOnePointFiveAndFour) {
    const auto marks = [](const RecordingCanvas& r, int x0) {
        std::vector<int> rows;
        for (const CanvasCall& l : r.Calls(CanvasCall::Line))
            if (l.c[0] == x0 && l.c[2] == 44 && l.c[1] == l.c[3]) rows.push_back(l.c[1]);
        return rows;
    };
    RecordingCanvas r = Draw();
    std::vector<int> minor = marks(r, 39), major = marks(r, 36);
    ASSERT_EQ(minor.size(), 61u); // h = -30..30, every 0.02 unit 5 pixels apart
    EXPECT_EQ(minor.front(), 65);
    EXPECT_EQ(minor.back(), 365);
    ASSERT_EQ(major.size(), 13u); // -0.6 .. 0.6
    EXPECT_EQ(major.front(), 65);
    EXPECT_EQ(FindText(r, "0.6")->c[1], 60); // positive values above the zero line
    EXPECT_EQ(FindText(r, "-0.6")->c[1], 360);
    EXPECT_EQ(FindText(r, "0.6")->c[0], 14);

    c->VertScale = 4; // g = 16: every fifth mark of each kind remains
    r = Draw();
    minor = marks(r, 39);
    major = marks(r, 36);
    ASSERT_EQ(minor.size(), 33u); // multiples of 0.1 from -1.6 to 1.6
    EXPECT_EQ(minor.front(), ToPixel(215 - 80 * 7.5 / 4));
    ASSERT_EQ(major.size(), 7u); // -1.5, -1.0, ... 1.5
    EXPECT_EQ(major.front(), ToPixel(215 - 15 * 37.5 / 4));
    EXPECT_NE(FindText(r, "1.5"), nullptr);
    EXPECT_EQ(FindText(r, "0.1"), nullptr);
    EXPECT_EQ(FindText(r, "4.0")->c[0], 50);
}

TEST_F(SineDrawTest, AnyVertScaleFromAFileDrawsInBoundedWork) {
    for (float vs : {600.0f, 1.0e9f, 1.0e30f, std::numeric_limits<float>::infinity(), 0.0f, -3.0f,
                     std::nanf("")}) {
        c->VertScale = vs;
        c->RevArmCount = 1;
        const RecordingCanvas r = Draw();
        EXPECT_LT(r.Calls().size(), 4000u) << vs;
    }
    // Beyond the literal loop every window row within the scale's span has one mark.
    c->VertScale = 600;
    const RecordingCanvas r = Draw();
    int minor = 0;
    for (int y = 0; y < 414; ++y) minor += CountLines(r, 39, y, 44, y);
    EXPECT_EQ(minor, 301); // rows 65 to 365, as the 4801 marks of the literal scale cover
}

TEST_F(SineDrawTest, PortLinesAndTheirLabels) {
    const RecordingCanvas r = Draw();
    const double perUnit = 375 / 1.5;
    const struct {
        double travel;
        int side;
        Color pen;
        const char* label;
        int labelX, labelDy;
    } ports[] = {
        {c->FrontSteamOpenTravel, -1, colors::Lime, "Front Steam Port Open", 60, -16},
        {c->FrontSteamMaxTravel, -1, colors::Lime, "Front Steam Port Max", 60, 1},
        {c->FrontExhOpenTravel, -1, colors::Lime, "Front Exhaust Port Open", 230, 1},
        {c->RearSteamOpenTravel, 1, colors::Red, "Rear Steam Port Open", 230, 1},
        {c->RearSteamMaxTravel, 1, colors::Red, "Rear Steam Port Max", 230, -16},
        {c->RearExhOpenTravel, 1, colors::Red, "Rear Exhaust Port Open", 60, -16},
    };
    for (const auto& p : ports) {
        const int y = ToPixel(215 + p.side * p.travel * perUnit);
        bool line = false;
        for (const CanvasCall& l : r.Calls(CanvasCall::Line))
            line = line || (l.c[0] == 15 && l.c[2] == 583 && l.c[1] == y && l.c[3] == y && l.pen == p.pen);
        EXPECT_TRUE(line) << p.label;
        const CanvasCall* t = FindText(r, p.label);
        ASSERT_NE(t, nullptr) << p.label;
        EXPECT_EQ(t->c[0], p.labelX);
        EXPECT_EQ(t->c[1], ToPixel(215 + p.labelDy + p.side * p.travel * perUnit)) << p.label;
        EXPECT_EQ(t->pen, colors::Black);
    }
}

TEST_F(SineDrawTest, MidGearColumnWithinFiveHundredthsOfTheCentre) {
    c->RevArmCount = 1;
    const float cen = c->RevArmSet[0];
    c->RevArmSet[1] = cen;
    EXPECT_NE(FindText(Draw(), "ExCl"), nullptr);
    c->RevArmSet[1] = cen + 0.049f;
    EXPECT_NE(FindText(Draw(), "ExCl"), nullptr);
    c->RevArmSet[1] = cen - 0.049f;
    EXPECT_NE(FindText(Draw(), "ExCl"), nullptr);
    c->RevArmSet[1] = std::nextafter(F32(double(cen) + 0.05), 100.0f);
    EXPECT_EQ(FindText(Draw(), "ExCl"), nullptr);
    c->RevArmSet[1] = cen - 0.06f;
    const RecordingCanvas r = Draw();
    EXPECT_EQ(FindText(r, "Lead"), nullptr);
    EXPECT_TRUE(TextsAt(r, 592, 166).empty());
}

// The leads of the column against the solver: the largest sampled ValveTravel minus
// LapLower, and the negated smallest minus LapUpper, over the 67 angles of the sweep.
TEST_F(SineDrawTest, MidGearLeadAndLapAgreeWithTheSolver) {
    c->RevArmCount = 1;
    const float pos = c->RevArmSet[0] + 0.02f;
    c->RevArmSet[1] = pos;
    double vmax = -1e9, vmin = 1e9;
    for (int j = 7; j <= 73; ++j) {
        float a = float(8 * j + 272);
        while (a > 360) a -= 360;
        const double v = TravelAt(pos, a);
        vmax = std::max(vmax, v);
        vmin = std::min(vmin, v);
    }
    const RecordingCanvas r = Draw();
    const auto value = [&](int y) {
        const std::vector<CanvasCall> t = TextsAt(r, 592, y);
        EXPECT_EQ(t.size(), 1u) << y;
        return t.empty() ? 1e9 : std::stod(t[0].text);
    };
    ASSERT_GT(c->ValveLenRear, c->SteamPortWidthRear);
    EXPECT_NEAR(value(166), vmax - c->LapLower, 0.0015);
    EXPECT_NEAR(value(295), -vmin - c->LapUpper, 0.0015);
    EXPECT_NEAR(value(195), c->LapUpper, 0.0005);
    EXPECT_NEAR(value(266), c->LapLower, 0.0005);
    EXPECT_NEAR(value(224), c->ExClUpper, 0.0005);
    EXPECT_NEAR(value(237), c->ExClLower, 0.0005);
    for (const auto& [y, text] : {std::pair{153, "Lead"}, {182, "Lap"}, {211, "ExCl"}, {253, "Lap"}, {282, "Lead"}})
        EXPECT_EQ(TextsAt(r, 595, y).at(0).text, text);

    // A valve no longer than its port: the laps and clearances are measured from the
    // middle of the valve rod joint's travel.
    c->ValveLenRear = c->SteamPortWidthRear;
    const RecordingCanvas shortValve = Draw();
    const double lap = std::stod(TextsAt(shortValve, 592, 195).at(0).text);
    const double exCl = std::stod(TextsAt(shortValve, 592, 224).at(0).text);
    EXPECT_GT(std::abs(lap - c->LapUpper), 1.0); // PivotX[4] lies far from 0
    EXPECT_NEAR(exCl - lap, c->ExClUpper - c->LapUpper, 0.0015);
}

TEST_F(SineDrawTest, GearPositionRestoredExactly) {
    c->DriverAngle = 123.456f;
    c->RevArmPos = 6.54321f;
    c->RevArmCount = 9;
    for (int k = 4; k <= 9; ++k) c->RevArmSet[k] = c->RevArmSet[0] + 0.1f * float(k - 6);
    const RecordingCanvas r = Draw();
    EXPECT_EQ(c->DriverAngle, 123.456f);
    EXPECT_EQ(c->RevArmPos, 6.54321f);
    EXPECT_EQ(c->PlotRevArmPos, c->RevArmSet[9]);
    EXPECT_EQ(SweepSegments(r).size(), 9u * 66u);
}

} // namespace
} // namespace vt
