// The steam diagram on a recording canvas with the built-in design: the sweep's start,
// length and continuation, the turning direction, the curves against the solver and the
// phase model, the cut-off figures, curve numbers, axis and labels, and the gear put back.
#include "diagrams/SteamDraw.h"

#include "diagrams/Probe.h"
#include "diagrams/Recorded.h"
#include "diagrams/SteamPhases.h"
#include "model/Format.h"
#include "model/MidGear.h"
#include "model/Rounding.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {

using test::CountLines;
using test::FindText;
using test::TextsAt;

struct SteamDrawTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    void SetUp() override {
        ASSERT_TRUE(SenseIsDirect(*c));
        c->RevArmCount = 1;
        c->RevArmSet[1] = c->RevArmSet[2]; // normal forward
    }
    RecordingCanvas Draw() {
        RecordingCanvas r(632, 414);
        DrawSteamDiagram(r, *c);
        return r;
    }
    std::vector<test::ProbedLine> Probe(Color pen) {
        test::AngleProbe p(*c);
        DrawSteamDiagram(p, *c);
        std::vector<test::ProbedLine> out;
        for (const auto& l : p.lines)
            if (l.pen == pen) out.push_back(l);
        return out;
    }
    // The piston position at one gear position, solved on a copy of the state.
    float PistonAt(float revArmPos, float angle) const {
        State copy = test::SolvedAt(*c, revArmPos, angle);
        ComputeValveEvents(copy);
        return copy.PistonPos;
    }
    static int X(double piston) { return ToPixel(584 - piston * 0.84375); }
};

float Wrapped(float a) {
    while (a > 360) a -= 360;
    while (a < 0) a += 360;
    return a;
}

TEST_F(SteamDrawTest, OnePositionStartsAtNinetySixAndEndsSixHundredDegreesOn) {
    const auto lines = Probe(colors::DarkGreen);
    ASSERT_GE(lines.size(), 90u);
    // The lines come from steps 61 to 150: angles 96 + 244 ... 96 + 600.
    EXPECT_EQ(lines.front().driverAngle, Wrapped(96 + 244));
    EXPECT_EQ(lines.back().driverAngle, Wrapped(96 + 600));
    int steps = 1;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].driverAngle == lines[i - 1].driverAngle) continue; // the cut-off's level run
        EXPECT_EQ(lines[i].driverAngle, Wrapped(lines[i - 1].driverAngle + 4));
        ++steps;
    }
    EXPECT_EQ(steps, 90);
    // The first line starts where step 60 left the piston.
    EXPECT_EQ(lines.front().x0, X(PistonAt(c->RevArmSet[1], Wrapped(96 + 240))));
}

TEST_F(SteamDrawTest, ASecondPositionStartsWhereTheFirstEnded) {
    c->RevArmCount = 2;
    c->RevArmSet[2] = c->RevArmSet[0] + c->RevArmCentMax; // full forward
    const auto lines = Probe(colors::DarkGreen);
    std::size_t second = 0;
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (lines[i].driverAngle == Wrapped(96 + 600 + 244)) second = i;
    ASSERT_GT(second, 0u);
    EXPECT_EQ(lines[second - 1].driverAngle, Wrapped(96 + 600)); // the first's last step
    EXPECT_EQ(lines.back().driverAngle, Wrapped(96 + 1200));
    EXPECT_EQ(lines[second].x0, X(PistonAt(c->RevArmSet[2], Wrapped(96 + 600 + 240))));
}

TEST_F(SteamDrawTest, TurningDirectionRule) {
    const float cen = c->RevArmSet[0];
    const struct {
        float lift, ecc, pos;
        bool forward;
    } cases[] = {
        {1, 1, cen, true},           {1, 1, cen + 0.1f, true},  {1, 1, cen - 0.1f, false},
        {-1, -1, cen, true},         {-1, 1, cen, false},       {-1, 1, cen - 0.1f, true},
        {1, -1, cen + 0.1f, false},  {0, 1, cen + 0.1f, false}, {1, 0, cen - 0.1f, false},
        {0, -1, cen - 0.1f, false},
    };
    for (const auto& k : cases) {
        c->LiftArmSense = k.lift;
        c->EccSense = k.ecc;
        c->RevArmPos = k.pos;
        EXPECT_EQ(SteamTurnsForward(*c), k.forward) << k.lift << " " << k.ecc << " " << k.pos - cen;
    }
}

TEST_F(SteamDrawTest, AtTheCentreForwardWithPositiveSignsBackwardWithAZeroSign) {
    c->RevArmSet[1] = c->RevArmSet[0];
    auto lines = Probe(colors::DarkGreen);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].driverAngle, Wrapped(96 + 244));
    EXPECT_EQ(lines.back().driverAngle, Wrapped(96 + 600));

    c->LiftingArmLen = 0; // the lifting arm's sense follows its length at every solve
    SolveLinkage(*c);
    ASSERT_EQ(c->LiftArmSense, 0.0f);
    lines = Probe(colors::DarkGreen);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].driverAngle, Wrapped(96 - 244));
    EXPECT_EQ(lines.back().driverAngle, Wrapped(96 - 600));
}

// The model run by hand over the sweep of normal forward: the front end's pressure after
// each exhaust step is at least 5 and after each admission step at most 303; the drawn
// front curve never rises above the ceiling's row.
TEST_F(SteamDrawTest, FrontPressureWithinItsBoundsInExhaustAndAdmission) {
    SteamEnd front;
    c->RevArmPos = c->RevArmSet[1];
    c->DriverAngle = 96;
    float prevPiston = 0;
    int exhaustSteps = 0, admissionSteps = 0;
    for (int r = 1; r <= 150; ++r) {
        c->DriverAngle = Wrapped(c->DriverAngle + 4);
        SolveLinkage(*c);
        ComputeValveEvents(*c);
        const char before = front.Phase;
        const bool exhaustOpen = c->FrontExhOpening > 0, steamOpen = c->FrontSteamOpening > 0;
        StepSteamEnd(front, CylEnd::Front, {c->FrontSteamOpening, c->FrontExhOpening}, c->PistonPos,
                     prevPiston);
        prevPiston = c->PistonPos;
        if ((before == '1' || before == '4') && exhaustOpen) {
            ++exhaustSteps;
            EXPECT_GE(front.Pressure, 5.0f) << r;
        }
        if ((before == '2' || before == '3') && steamOpen) {
            ++admissionSteps;
            EXPECT_LE(front.Pressure, 303.0f) << r;
        }
    }
    EXPECT_GT(exhaustSteps, 20);
    EXPECT_GT(admissionSteps, 20);
    const int ceiling = ToPixel(343 - 303 * 0.9);
    for (const CanvasCall& l : Draw().Calls(CanvasCall::Line))
        if (l.pen == colors::DarkGreen) {
            EXPECT_GE(std::min(l.c[1], l.c[3]), ceiling);
        }
}

TEST_F(SteamDrawTest, CutOffFiguresOnTheirRowsRightForTheFrontLeftForTheRear) {
    c->RevArmCount = 3;
    c->RevArmSet[1] = c->RevArmSet[2];                    // normal forward
    c->RevArmSet[2] = c->RevArmSet[0] + c->RevArmCentMax; // full forward
    c->RevArmSet[3] = c->RevArmSet[0] + 0.5f;
    const RecordingCanvas r = Draw();
    double front[4] = {}, rear[4] = {};
    for (int k = 1; k <= 3; ++k) {
        const int y = 13 * k + 233;
        ASSERT_EQ(TextsAt(r, 588, y).size(), 1u) << k; // once, whatever cut-offs came before
        EXPECT_EQ(TextsAt(r, 588, y)[0].text, std::to_string(k));
        EXPECT_EQ(TextsAt(r, 588, y)[0].pen, colors::Black);
        ASSERT_EQ(TextsAt(r, 600, y).size(), 1u);
        ASSERT_EQ(TextsAt(r, 3, y).size(), 1u);
        EXPECT_EQ(TextsAt(r, 3, y)[0].text, std::to_string(k));
        ASSERT_EQ(TextsAt(r, 15, y).size(), 1u);
        front[k] = std::stod(TextsAt(r, 600, y)[0].text);
        rear[k] = std::stod(TextsAt(r, 15, y)[0].text);
        EXPECT_EQ(TextsAt(r, 600, y)[0].text.size(), 4u); // 4:1
    }
    EXPECT_TRUE(TextsAt(r, 588, 13 * 4 + 233).empty());
    // Later cut-off with more travel: normal < full forward; 0.5 from the centre lies between.
    EXPECT_GT(front[1], 60);
    EXPECT_GT(front[2], front[1]);
    EXPECT_LT(front[3], front[1]);
    EXPECT_GT(rear[2], rear[1]);
    const std::vector<CanvasCall> label = TextsAt(r, 587, 231);
    ASSERT_FALSE(label.empty());
    EXPECT_EQ(label[0].text, "%CutOff");
    EXPECT_EQ(label[0].pen, colors::DarkGreen);
    ASSERT_FALSE(TextsAt(r, 2, 231).empty());
    EXPECT_EQ(TextsAt(r, 2, 231)[0].text, "%CutOff");
    EXPECT_EQ(TextsAt(r, 2, 231)[0].pen, colors::Red);
}

// Each cut-off ends the curve level with the step before it and moves the step's start to
// the closing point: the next line starts at the end of the level one.
TEST_F(SteamDrawTest, CutOffLevelRunJoinsTheCurve) {
    const RecordingCanvas r = Draw();
    std::vector<CanvasCall> front;
    for (const CanvasCall& l : r.Calls(CanvasCall::Line))
        if (l.pen == colors::DarkGreen) front.push_back(l);
    const double percent = std::stod(TextsAt(r, 600, 246).at(0).text);
    const int cutX = X(percent * 6.4);
    int runs = 0;
    for (std::size_t i = 0; i + 1 < front.size(); ++i) {
        const CanvasCall& a = front[i];
        const CanvasCall& b = front[i + 1];
        if (a.c[1] != a.c[3] || std::abs(b.c[0] - a.c[2]) > 1 || b.c[1] != a.c[3]) continue;
        if (std::abs(a.c[2] - cutX) > 1) continue;
        ++runs;
    }
    EXPECT_GE(runs, 1); // the closing of the front port in the turn drawn
    EXPECT_EQ(front.size(), 91u);
}

TEST_F(SteamDrawTest, CurveNumbersInBoldOnTheirRows) {
    c->RevArmCount = 2;
    c->RevArmSet[2] = c->RevArmSet[0] + c->RevArmCentMax;
    const RecordingCanvas r = Draw();
    for (int k = 1; k <= 2; ++k) {
        bool front = false, rear = false;
        for (const CanvasCall& t : r.Calls(CanvasCall::Text)) {
            if (t.text != std::to_string(k) || !t.bold) continue;
            front = front || t.c[1] == 122;
            rear = rear || t.c[1] == 135;
            EXPECT_TRUE(t.c[1] == 122 || t.c[1] == 135);
            EXPECT_GT(t.c[0], 44 - 20);
            EXPECT_LT(t.c[0], 584);
        }
        EXPECT_TRUE(front) << k;
        EXPECT_TRUE(rear) << k;
    }
}

TEST_F(SteamDrawTest, AxisGridTitleAndLabels) {
    const RecordingCanvas r = Draw();
    int shortMarks = 0, longMarks = 0;
    for (int i = 1; i <= 9; ++i) {
        for (int j = 2; j <= 20; ++j) shortMarks += CountLines(r, 27 * j + 17, 32 * i + 52, 27 * j + 17, 32 * i + 58);
        for (int k = 2; k <= 10; ++k) longMarks += CountLines(r, 54 * k - 10, 32 * i + 50, 54 * k - 10, 32 * i + 60);
    }
    EXPECT_EQ(shortMarks, 9 * 19);
    EXPECT_EQ(longMarks, 9 * 9);
    EXPECT_EQ(CountLines(r, 44, 70, 44, 346), 1);
    EXPECT_EQ(CountLines(r, 584, 70, 584, 346), 1);
    EXPECT_EQ(CountLines(r, 45, 343, 585, 343), 1);
    const struct {
        const char* text;
        int x, y;
    } texts[] = {{"/", 24, 77},  {"\\", 29, 77}, {"|", 28, 81},  {"|", 28, 94},   {"C", 20, 108},
                 {"I", 22, 149}, {"R", 20, 201}, {"P", 32, 108}, {"U", 32, 175},  {"E", 32, 201},
                 {"100", 45, 350}, {"10", 523, 350}, {"0", 577, 348}, {"Percent Piston Travel", 186, 364},
                 {"Forward End --->", 386, 364}, {"Reverse Arm Positions", 500, 0}, {"Center", 520, 13},
                 {"Fwd", 533, 24}, {" 7.063", 580, 24}};
    for (const auto& t : texts) {
        bool found = false;
        for (const CanvasCall& call : TextsAt(r, t.x, t.y)) found = found || call.text == t.text;
        EXPECT_TRUE(found) << t.text << " at " << t.x << ", " << t.y;
    }
    int letters = 0;
    for (int y : {108, 123, 136, 149, 162, 175, 188, 201}) letters += int(TextsAt(r, 32, y).size());
    EXPECT_EQ(letters, 8);
}

TEST_F(SteamDrawTest, GearPositionRestoredExactlyWhateverTheStoredPositions) {
    c->DriverAngle = 123.456f;
    c->RevArmPos = 6.54321f;
    c->RevArmCount = 9;
    for (int k = 1; k <= 9; ++k) c->RevArmSet[k] = c->RevArmSet[0] + 0.3f * float(k - 5);
    const RecordingCanvas r = Draw();
    EXPECT_EQ(c->DriverAngle, 123.456f);
    EXPECT_EQ(c->RevArmPos, 6.54321f);
    EXPECT_EQ(c->PlotRevArmPos, c->RevArmSet[9]);
    EXPECT_EQ(TextsAt(r, 588, 13 * 9 + 233).size(), 1u);
}

} // namespace
} // namespace vt
