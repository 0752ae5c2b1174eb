// The port events diagram on a recording canvas with the built-in design: frame, grid,
// labels and the "Normal" line; the 19 rows and their values; the event lines against
// the sweep, with their pens; the joining of an event across rows that lack it; the cycle
// arrows; "BothGraphs" drawn over the forward graph; and the gear put back.
#include "diagrams/PortsDraw.h"

#include "diagrams/PortCycle.h"
#include "diagrams/Recorded.h"
#include "model/DynVars.h"
#include "model/Format.h"
#include "model/MidGear.h"
#include "model/Rounding.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {

using test::CountLines;
using test::CountTexts;
using test::FindText;
using test::TextsAt;

constexpr Color kTeal{0, 128, 128};
constexpr Color kDarkRed{128, 0, 0};

bool IsEventPen(Color c) {
    return c == kTeal || c == colors::Red || c == colors::DarkGreen || c == kDarkRed;
}

struct PortsDrawTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    RecordingCanvas Draw(char mode) {
        c->PortGraphMode = mode;
        RecordingCanvas r(632, 414);
        DrawPortsDiagram(r, *c);
        return r;
    }
    // The event lines the drawing should make, from the sweep of each row on a copy.
    std::vector<PortSegment> ExpectedEventLines(bool reverse) const {
        State copy = *c;
        PortTrace trace;
        std::vector<PortSegment> out;
        for (int i = 0; i < kPortRows; ++i) {
            copy.RevArmPos = PortRowRevArmPos(copy, i, reverse);
            SweepPortRow(copy, reverse, [&](int kind, float f) {
                if (auto seg = JoinPortEvent(trace, kind, i, f)) out.push_back(*seg);
            });
        }
        return out;
    }
    // The piston position of each event of one row (the last found of each kind).
    std::array<float, kPortEvents> RowEvents(int i, bool reverse) const {
        State copy = *c;
        copy.RevArmPos = PortRowRevArmPos(copy, i, reverse);
        std::array<float, kPortEvents> f{};
        f.fill(std::nanf(""));
        SweepPortRow(copy, reverse, [&](int kind, float v) { f[std::size_t(kind)] = v; });
        return f;
    }
    static std::vector<CanvasCall> EventLines(const RecordingCanvas& r) {
        std::vector<CanvasCall> out;
        for (const CanvasCall& l : r.Calls(CanvasCall::Line))
            if (IsEventPen(l.pen)) out.push_back(l);
        return out;
    }
};

TEST_F(PortsDrawTest, FrameGridLabelsAndTitle) {
    const RecordingCanvas r = Draw('F');
    EXPECT_EQ(CountLines(r, 9, 42, 9, 353), 1);
    EXPECT_EQ(CountLines(r, 9, 343, 549, 343), 1);
    EXPECT_EQ(CountLines(r, 549, 353, 549, 42), 1);
    int shortMarks = 0, longMarks = 0, dashes = 0;
    for (int i = 0; i <= 9; ++i) {
        for (int j = 2; j <= 20; ++j) shortMarks += CountLines(r, 27 * j - 18, 32 * i + 52, 27 * j - 18, 32 * i + 58);
        for (int k = 2; k <= 10; ++k) longMarks += CountLines(r, 54 * k - 45, 32 * i + 45, 54 * k - 45, 32 * i + 65);
        for (int l = 2; l <= 22; ++l) dashes += CountLines(r, 27 * l - 49, 32 * i + 55, 27 * l - 40, 32 * i + 55);
    }
    EXPECT_EQ(shortMarks, 10 * 19);
    EXPECT_EQ(longMarks, 10 * 9);
    EXPECT_EQ(dashes, 10 * 21);
    const struct {
        const char* text;
        int x, y;
        Color color;
    } texts[] = {{"Maximum", 420, 47, colors::Red}, {"0", 10, 353, colors::Black},
                 {"50", 272, 353, colors::Black},   {"90", 488, 353, colors::Black},
                 {"100", 529, 350, colors::Black},  {"Percent Piston Travel", 200, 367, colors::Black},
                 {"Center", 568, 350, colors::Black}, {"R", 535, 76, colors::Black},
                 {"A", 535, 178, colors::Black},    {"I", 537, 266, colors::Black},
                 {"I", 537, 294, colors::Black},    {"N", 535, 322, colors::Black},
                 {"Fwd.", 415, 290, colors::Black}, {"Front Port", 446, 284, kTeal},
                 {"Rear Port", 446, 296, colors::Red}};
    for (const auto& t : texts) {
        const std::vector<CanvasCall> at = TextsAt(r, t.x, t.y);
        ASSERT_FALSE(at.empty()) << t.text;
        EXPECT_EQ(at[0].text, t.text);
        EXPECT_EQ(at[0].pen, t.color) << t.text;
    }
    int letters = 0;
    for (const CanvasCall& t : r.Calls(CanvasCall::Text)) letters += t.c[0] == 535 || t.c[0] == 537;
    EXPECT_EQ(letters, 18); // REVERSE ARM POSITION
    EXPECT_EQ(FindText(r, "Rev."), nullptr);
}

TEST_F(PortsDrawTest, NormalLineAtOneHundredThirteenWithTheDefaults) {
    ASSERT_EQ(c->RevArmCentMax, 1.3f);
    ASSERT_EQ(c->RevArmCentNorm, 1.04f);
    RecordingCanvas r = Draw('F');
    int blue = 0;
    for (const CanvasCall& l : r.Calls(CanvasCall::Line)) {
        if (l.pen != colors::Blue) continue;
        ++blue;
        EXPECT_EQ(l.c[0], 59);
        EXPECT_EQ(l.c[1], 113);
        EXPECT_EQ(l.c[2], 650);
        EXPECT_EQ(l.c[3], 113);
    }
    EXPECT_EQ(blue, 1);
    ASSERT_EQ(TextsAt(r, 345, 106).size(), 1u);
    EXPECT_EQ(TextsAt(r, 345, 106)[0].text, "Normal");
    EXPECT_EQ(TextsAt(r, 345, 106)[0].pen, colors::Blue);

    c->RevArmCentNorm = 0.65f; // half of full gear: 144 pixels up
    r = Draw('F');
    EXPECT_EQ(CountLines(r, 59, 199, 650, 199), 1);
}

TEST_F(PortsDrawTest, NineteenRowsWithTheirReverseArmValues) {
    const float cen = c->RevArmSet[0], max = c->RevArmCentMax;
    for (char mode : {'F', 'R'}) {
        const RecordingCanvas r = Draw(mode);
        const int x = mode == 'R' ? 596 : 556;
        const double side = mode == 'R' ? -1 : 1;
        for (int i = 0; i < kPortRows; ++i) {
            const std::vector<CanvasCall> at = TextsAt(r, x, 336 - 16 * i);
            ASSERT_EQ(at.size(), 1u) << mode << i;
            EXPECT_EQ(at[0].text, FormatFixed(cen + side * i * double(max) / 18, 7, 3)) << mode << i;
        }
        EXPECT_TRUE(TextsAt(r, mode == 'R' ? 556 : 596, 336).empty());
        EXPECT_EQ(CountTexts(r, mode == 'R' ? "Rev." : "Forward"), mode == 'R' ? 20 : 19);
    }
    // An inverted gear has its forward rows on the other side of mid gear.
    c = test::CrossedRods();
    ASSERT_FALSE(SenseIsDirect(*c));
    const RecordingCanvas r = Draw('F');
    EXPECT_EQ(TextsAt(r, 556, 336 - 16 * 18).at(0).text,
              FormatFixed(c->RevArmSet[0] - double(c->RevArmCentMax), 7, 3));
}

TEST_F(PortsDrawTest, EventLinesFollowTheSweepOfEachRowInBothDirections) {
    for (bool reverse : {false, true}) {
        const std::vector<CanvasCall> lines = EventLines(Draw(reverse ? 'R' : 'F'));
        const std::vector<PortSegment> expected = ExpectedEventLines(reverse);
        ASSERT_EQ(expected.size(), 18u * 8u); // every event in every row with this design
        // Lines of the cycle arrows come after the events, in the pen of the last one.
        ASSERT_GE(lines.size(), expected.size());
        for (std::size_t n = 0; n < expected.size(); ++n) {
            const CanvasCall& l = lines[n];
            const PortSegment& e = expected[n];
            EXPECT_EQ(std::vector<int>(l.c, l.c + 4), (std::vector<int>{e.x0, e.y0, e.x1, e.y1})) << n;
        }
    }
}

// Row 13 of the built-in design: where each event stands and in which pen.
TEST_F(PortsDrawTest, EventPlacesAndPensPerSideAndMode) {
    for (bool reverse : {false, true}) {
        const RecordingCanvas r = Draw(reverse ? 'R' : 'F');
        const std::array<float, kPortEvents> f = RowEvents(13, reverse);
        for (int kind = 0; kind < kPortEvents; ++kind) {
            const bool front = IsFrontEvent(kind);
            const double x = f[std::size_t(kind)] * 0.84375;
            const int expectX = (front ? ToPixel(x) : ToPixel(540 - x)) + 9;
            const Color pen = front ? (reverse ? colors::DarkGreen : kTeal) : (reverse ? kDarkRed : colors::Red);
            int found = 0;
            for (const CanvasCall& l : EventLines(r))
                found += l.c[3] == PortRowY(13) && l.c[2] == expectX && l.pen == pen;
            EXPECT_GE(found, 1) << reverse << " kind " << kind;
        }
    }
    // Forward at normal: the front port admits near dead centre and cuts off late.
    const std::array<float, kPortEvents> f = RowEvents(14, false);
    EXPECT_LT(f[FrontAdmission] / 6.4, 2.0);
    EXPECT_GT(f[FrontCutOff] / 6.4, 70.0);
    EXPECT_GT(f[FrontRelease], f[FrontCutOff]);
    EXPECT_GT((640 - f[RearCutOff]) / 6.4, 70.0); // the rear measured from its own dead centre
    EXPECT_GT(f[RearCutOff], f[RearRelease]); // the rear stroke runs towards the front
}

TEST(PortTrace, AnEventMissingFromRowsIsJoinedFromItsLastOccurrence) {
    PortTrace t;
    EXPECT_FALSE(JoinPortEvent(t, FrontCutOff, 2, 320).has_value()); // the first draws nothing
    const auto seg = JoinPortEvent(t, FrontCutOff, 6, 400);            // rows 3 to 5 lack it
    ASSERT_TRUE(seg.has_value());
    EXPECT_EQ(seg->x0, ToPixel(320 * 0.84375) + 9);
    EXPECT_EQ(seg->y0, 343 - 16 * 5); // from the row just below this one
    EXPECT_EQ(seg->x1, ToPixel(400 * 0.84375) + 9);
    EXPECT_EQ(seg->y1, 343 - 16 * 6);
    const auto rear = JoinPortEvent(t, RearCutOff, 7, 100);
    EXPECT_FALSE(rear.has_value()); // each kind has its own memory
    const auto next = JoinPortEvent(t, RearCutOff, 8, 0);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->x0, ToPixel(540 - 100 * 0.84375) + 9);
    EXPECT_EQ(next->x1, 549); // a rear event at 0 stands at the right
}

TEST_F(PortsDrawTest, CycleArrowsFromRowThirteenInBoldInThePenOfTheLastEventLine) {
    const RecordingCanvas r = Draw('F');
    const std::array<float, kPortEvents> f = RowEvents(13, false);
    const double cutOff = f[FrontCutOff] * 0.84375 + 9, release = f[FrontRelease] * 0.84375 + 9;
    const double compression = f[FrontCompression] * 0.84375 + 9;
    const struct {
        const char* text;
        double x;
        int y;
    } labels[] = {{"Exp", cutOff + 10, 129}, {"Exh", release - 190, 163}, {"Com", compression - 25, 129},
                  {"Adm", cutOff - 140, 95}};
    for (const auto& l : labels) {
        const CanvasCall* t = FindText(r, l.text);
        ASSERT_NE(t, nullptr) << l.text;
        EXPECT_EQ(t->c[0], ToPixel(l.x)) << l.text;
        EXPECT_EQ(t->c[1], l.y);
        EXPECT_TRUE(t->bold);
    }
    const std::vector<CanvasCall> lines = EventLines(r);
    const std::size_t events = 18 * 8;
    ASSERT_GT(lines.size(), events);
    for (std::size_t n = events; n < lines.size(); ++n) EXPECT_EQ(lines[n].pen, lines[events - 1].pen);
    EXPECT_EQ(CountLines(r, ToPixel(cutOff - 110), 101, ToPixel(cutOff - 70), 101), 1);
    EXPECT_EQ(CountLines(r, ToPixel(release + 8), 135, 549, 135), 1);
    EXPECT_FALSE(TextsAt(r, 200, 367).at(0).bold); // labels drawn before stay regular

    c->PortCycleNotesOn = false;
    EXPECT_EQ(FindText(Draw('F'), "Exp"), nullptr);
}

TEST(PortCycle, AMissingEventPlacesItsArrowsAtZero) {
    RecordingCanvas r(632, 414);
    CycleMarks m;
    RecordCycleMark(m, FrontRelease, 600);
    RecordCycleMark(m, FrontCutOff, 400);
    RecordCycleMark(m, FrontCompression, 100);
    RecordCycleMark(m, RearCutOff, 300); // a rear event places nothing
    DrawCycleArrows(r, m);
    const double c = 400 * 0.84375 + 9, k = 100 * 0.84375 + 9;
    EXPECT_EQ(CountLines(r, ToPixel(k - 30), 135, 0, 135), 1); // to the admission at x = 0
    EXPECT_EQ(CountLines(r, 0, 135, 12, 139), 1);
    EXPECT_EQ(CountLines(r, 27, 101, ToPixel(c - 150), 101), 1);
    EXPECT_EQ(FindText(r, "Adm")->c[0], ToPixel(c - 140));
    int lines = int(r.Calls(CanvasCall::Line).size());
    EXPECT_EQ(lines, 26);
}

TEST_F(PortsDrawTest, BothGraphsDrawsTheReverseOverTheForwardWithOneSetOfArrows) {
    const RecordingCanvas r = Draw('B');
    EXPECT_EQ(c->PortGraphMode, 'B');
    EXPECT_TRUE(c->PortCycleNotesOn);
    EXPECT_TRUE(r.Calls(CanvasCall::Clear).empty());
    for (int i = 0; i < kPortRows; ++i) {
        EXPECT_EQ(TextsAt(r, 556, 336 - 16 * i).size(), 1u) << i;
        EXPECT_EQ(TextsAt(r, 596, 336 - 16 * i).size(), 1u) << i;
    }
    for (const char* t : {"Exp", "Exh", "Com", "Adm"}) EXPECT_EQ(CountTexts(r, t), 1) << t;
    EXPECT_NE(FindText(r, "Fwd."), nullptr);
    EXPECT_EQ(CountTexts(r, "Front Port"), 2);
    // The forward graph first, its arrows, then the reverse graph over it.
    const std::vector<CanvasCall> lines = EventLines(r);
    std::size_t firstReverse = lines.size();
    for (std::size_t n = 0; n < lines.size(); ++n)
        if (lines[n].pen == colors::DarkGreen || lines[n].pen == kDarkRed) {
            firstReverse = n;
            break;
        }
    EXPECT_EQ(lines.size() - firstReverse, 18u * 8u);
    const CanvasCall* exp = FindText(r, "Exp");
    const CanvasCall* rev = FindText(r, "Rev.");
    EXPECT_LT(exp - r.Calls().data(), rev - r.Calls().data());
    // The redraw of mode 'B' draws the same again.
    const RecordingCanvas again = Draw('B');
    EXPECT_EQ(again.Calls().size(), r.Calls().size());
}

// The undo line is the reverse pass's: written once, with the text the forward pass built.
TEST_F(PortsDrawTest, BothGraphsWriteOneUndoLine) {
    c->UndoOn = true;
    c->UndoCount = 1;
    c->UndoId[1] = 2;
    c->UndoName[1] = "Stroke";
    c->UndoStatusText = "stale";
    const RecordingCanvas r = Draw('B');
    const std::vector<CanvasCall> at = TextsAt(r, 150, 55);
    ASSERT_EQ(at.size(), 1u);
    EXPECT_NE(at[0].text, "stale");
    EXPECT_EQ(at[0].text, c->UndoStatusText);
}

TEST_F(PortsDrawTest, GearPositionRestoredExactlyInEveryMode) {
    for (char mode : {'F', 'R', 'B'}) {
        c->DriverAngle = 77.7f;
        c->RevArmPos = 6.1f;
        Draw(mode);
        EXPECT_EQ(c->DriverAngle, 77.7f) << mode;
        EXPECT_EQ(c->RevArmPos, 6.1f) << mode;
    }
}

TEST_F(PortsDrawTest, ZeroFullGearOffsetIsGuarded) {
    c->RevArmCentMax = 0;
    c.resetBeeps();
    const RecordingCanvas r = Draw('F');
    EXPECT_GT(c.beeps(), 0);
    for (const CanvasCall& l : r.Calls(CanvasCall::Line))
        if (l.pen == colors::Blue) {
            EXPECT_LT(l.c[1], -1000); // far above the window
        }
}

} // namespace
} // namespace vt
