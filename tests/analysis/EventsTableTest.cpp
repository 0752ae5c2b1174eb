// The valve events table against the rest of the system and against direct computation:
// the sine diagram's mid-gear lead, the steam and port events diagrams' cut-offs, the die
// block's range over a turn, the default rows, impossible gears. The engine's own checks
// (against the fine sweep it replaced, its precision) are in EventsEngineTest.
#include "analysis/EventsTable.h"

#include "analysis/EventsText.h"
#include "diagrams/PortsDraw.h"
#include "diagrams/Recorded.h"
#include "diagrams/SineDraw.h"
#include "diagrams/SteamDraw.h"
#include "model/Controls.h"
#include "model/MidGear.h"
#include "model/Real.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace vt {
namespace {

EventsRow RowAt(const Mechanism& m, float pos, bool forward) {
    const EventsRowSpec spec{SettingOfRevArm(m, pos), forward, RowSource::Stored, 1};
    return ComputeEventsTable(m, std::span(&spec, 1)).Rows.at(0);
}

double NumberAt(const RecordingCanvas& r, int x, int y) {
    const auto texts = test::TextsAt(r, x, y);
    EXPECT_EQ(texts.size(), 1u) << "at " << x << ", " << y;
    return texts.empty() ? NAN : std::stod(texts.back().text);
}

// The sine diagram's Lead figures are the greatest openings among 8-degree samples; the
// valve moves at most travel/2 x 8 degrees (in radians) between two samples. With open
// rods the mid-gear valve stands at its extremes on the dead centres, so they are the
// lead too; with crossed rods they are not, and only the greatest openings compare.
TEST(EventsTable, MidGearLeadAgreesWithTheSineDiagramWithinItsSampling) {
    for (const auto& design : test::SampleDesigns()) {
        auto c = design.make();
        c->RevArmCount = 1;
        c->RevArmSet[1] = c->RevArmSet[0];
        RecordingCanvas r;
        DrawSineDiagram(r, *c);
        const double upperLead = NumberAt(r, 592, 166); // rear opening
        const double lowerLead = NumberAt(r, 592, 295); // front opening
        const EventsRow row = RowAt(*c, c->RevArmSet[0], true);
        const double sampling = row.FullTravel / 2 * 8 * kRadPerDeg + 0.0005;
        SCOPED_TRACE(design.file);
        EXPECT_NEAR(row.Rear.MaxSteam, upperLead, sampling);
        EXPECT_NEAR(row.Front.MaxSteam, lowerLead, sampling);
        EXPECT_GE(row.Front.MaxSteam + 0.0005, lowerLead); // the refined extreme finds more
        if (c->EccSense > 0) {
            EXPECT_NEAR(row.Rear.Lead, upperLead, sampling);
            EXPECT_NEAR(row.Front.Lead, lowerLead, sampling);
        }
    }
}

// The piston's greatest travel in one 4-degree step of the steam and port events
// diagrams, in percent of stroke: 4 degrees x half the stroke x (1 + crank / rod).
double CoarseStep(const Mechanism& m) {
    return 4 * kRadPerDeg * 50 * (1 + m.StrokeLen / 2.0 / m.MainRodLen);
}

TEST(EventsTable, NormalForwardCutOffsAgreeWithTheSteamDiagram) {
    for (const auto& design : test::SampleDesigns()) {
        auto c = design.make();
        SCOPED_TRACE(design.file);
        State s = *c;
        s.RevArmCount = 1;
        s.RevArmSet[1] = NormalForward(*c);
        RecordingCanvas r(632, 414);
        DrawSteamDiagram(r, s);
        const EventsRow row = RowAt(*c, NormalForward(*c), true);
        ASSERT_TRUE(row.Front.CutOff && row.Rear.CutOff);
        EXPECT_NEAR(row.Front.CutOff->Percent, NumberAt(r, 600, CutOffRow(1)), CoarseStep(*c));
        EXPECT_NEAR(row.Rear.CutOff->Percent, NumberAt(r, 15, CutOffRow(1)), CoarseStep(*c));
    }
}

// Every row of the port events diagram, forward and reverse: its cut-offs against the
// table's rows of the same positions.
TEST(EventsTable, CutOffsAgreeWithThePortEventsDiagramInEveryRow) {
    for (const auto& design : test::SampleDesigns()) {
        auto c = design.make();
        SCOPED_TRACE(design.file);
        const auto rows = DefaultEventRows(*c);
        const EventsTable t = ComputeEventsTable(*c, std::span(rows).first(2 * kPortRows));
        for (int i = 0; i < 2 * kPortRows; ++i) {
            const bool reverse = i >= kPortRows;
            SCOPED_TRACE(i);
            State s = *c;
            s.RevArmPos = PortRowRevArmPos(s, i % kPortRows, reverse);
            ASSERT_FLOAT_EQ(s.RevArmPos, test::RevArmAt(s, rows[std::size_t(i)].Setting));
            std::optional<double> front, rear;
            SweepPortRow(s, reverse, [&](int kind, float f) {
                if (kind == FrontCutOff && !front) front = f / 6.4;
                if (kind == RearCutOff && !rear) rear = (640 - f) / 6.4;
            });
            const EventsRow& row = t.Rows[std::size_t(i)];
            ASSERT_EQ(front.has_value(), row.Front.CutOff.has_value());
            ASSERT_EQ(rear.has_value(), row.Rear.CutOff.has_value());
            if (front) {
                EXPECT_NEAR(row.Front.CutOff->Percent, *front, CoarseStep(*c));
            }
            if (rear) {
                EXPECT_NEAR(row.Rear.CutOff->Percent, *rear, CoarseStep(*c));
            }
        }
    }
}

// The die block lies on the link's arc (centre pivot 14, radius LinkRadius); so does the
// point of that arc on the link's centre line (towards pivot 24). The chord between them
// gives the arc length 2 R asin(chord / 2R); the side of the centre line gives its sign.
double ArcFromChord(const Mechanism& m) {
    const double R = std::abs(double(m.LinkRadius));
    const double cx = m.PivotX[LinkArcCentre], cy = m.PivotY[LinkArcCentre];
    const double ax = m.PivotX[LinkCentrePoint] - cx, ay = m.PivotY[LinkCentrePoint] - cy;
    const double a = std::hypot(ax, ay);
    const double px = cx + ax * R / a, py = cy + ay * R / a;
    const double bx = m.PivotX[DieBlock] - cx, by = m.PivotY[DieBlock] - cy;
    const double chord = Dist(m.PivotX[DieBlock], m.PivotY[DieBlock], px, py);
    const double side = ax * by - ay * bx >= 0 ? 1.0 : -1.0;
    return side * 2 * R * std::asin(std::min(1.0, chord / (2 * R)));
}

TEST(EventsTable, DieSlipIsTheRangeOfTheDieBlockAlongTheLinkOverATurn) {
    for (const auto& design : test::SampleDesigns()) {
        auto c = design.make();
        SCOPED_TRACE(design.file);
        for (float pos : {NormalForward(*c), c->RevArmSet[0], NormalReverse(*c)}) {
            double lo = 1e9, hi = -1e9;
            c->RevArmPos = pos;
            for (int tenth = 0; tenth < 3600; ++tenth) {
                c->DriverAngle = float(tenth / 10.0);
                SolveLinkage(*c);
                lo = std::min(lo, ArcFromChord(*c));
                hi = std::max(hi, ArcFromChord(*c));
            }
            const EventsRow row = RowAt(*c, pos, true);
            EXPECT_GT(hi - lo, 0.0);
            EXPECT_NEAR(row.DieSlip, hi - lo, 2e-4 + 1e-3 * (hi - lo));
        }
    }
}

TEST(EventsTable, DefaultRowsSweepBothWaysThenTheStoredPositions) {
    for (auto make : {test::BuiltIn, test::CrossedRods}) {
        auto c = make();
        c->RevArmCount = 3;
        const auto rows = DefaultEventRows(*c);
        ASSERT_EQ(rows.size(), 19u * 2 + 3);
        EXPECT_EQ(rows[0].Setting, 0);
        EXPECT_FLOAT_EQ(float(rows[18].Setting), c->RevArmCentMax);
        EXPECT_FLOAT_EQ(float(rows[37].Setting), -c->RevArmCentMax);
        EXPECT_TRUE(rows[18].Forward);
        EXPECT_FALSE(rows[19].Forward);
        EXPECT_EQ(rows[38].Source, RowSource::Stored);
        // RevArmSet[2] is mid gear + RevArmCentNorm: forward only in the direct sense.
        EXPECT_EQ(rows[39].Forward, SenseIsDirect(*c));
        EXPECT_EQ(rows[40].Forward, !SenseIsDirect(*c));
    }
}

// Each named position marks the row of its direction nearest to it: a stored position
// where there is one (RevArmSet[2] and [3] stand at normal forward and reverse, on the
// sides the sense gives), else the sweep's (1.04 of 1.3 in 18 steps: number 14).
TEST(EventsTable, TheRowsNearestTheNamedPositionsAreMarked) {
    const auto labels = [](const EventsTable& t) {
        std::vector<std::string> out(std::size(kGearPositions));
        for (const EventsRow& r : t.Rows)
            for (GearPosition p : r.Named) out[std::size_t(p)] += RowLabel(r.Spec);
        return out;
    };
    for (auto make : {test::BuiltIn, test::CrossedRods}) {
        auto c = make();
        const std::vector<std::string> sweep = {"F18", "F14", "F0", "R14", "R18"};
        EXPECT_EQ(labels(ComputeEventsTable(*c, DefaultEventRows(*c))), sweep);
        c->RevArmCount = 3;
        const bool direct = SenseIsDirect(*c);
        const std::vector<std::string> stored = {"F18", direct ? "S2" : "S3", "F0",
                                                 direct ? "S3" : "S2", "R18"};
        EXPECT_EQ(labels(ComputeEventsTable(*c, DefaultEventRows(*c))), stored);
    }
}

TEST(EventsTable, ImpossibleGeometryFailsTheRowAndSoundsNothing) {
    auto c = test::BuiltIn();
    c->RockerLowerLen = 0.01f;
    const EventsRowSpec spec{0, true, RowSource::Stored, 1};
    const EventsTable t = ComputeEventsTable(*c, std::span(&spec, 1));
    EXPECT_EQ(t.FailedRows(), 1);
    EXPECT_EQ(c.beeps(), 0);
}

// Each row is the engine's answer for its position, with the table's options.
TEST(EventsTable, RowsAreTheEnginesEventsOfTheirPositions) {
    auto c = test::LongTravel();
    c->RevArmCount = 3;
    const auto rows = DefaultEventRows(*c);
    EngineOptions o;
    o.Tolerance = 1e-3;
    const EventsTable t = ComputeEventsTable(*c, rows, o);
    ASSERT_EQ(t.Rows.size(), rows.size());
    EXPECT_EQ(t.Options.Tolerance, 1e-3);
    EXPECT_EQ(t.FailedRows(), 0);
    for (std::size_t i : {0u, 17u, 25u, 40u}) {
        const PositionEvents e = FindEvents(test::Classic(*c), rows[i].Setting, rows[i].Forward, o);
        EXPECT_EQ(t.Rows[i].Spec.Number, rows[i].Number);
        // The same within the tolerance: the table's solver starts each pose from the one
        // before, so its poses differ from a fresh solver's in the last digits.
        ASSERT_EQ(t.Rows[i].Front.Admission.has_value(), e.Front.Admission.has_value());
        ASSERT_EQ(t.Rows[i].Rear.Compression.has_value(), e.Rear.Compression.has_value());
        if (e.Front.Admission) {
            EXPECT_NEAR(t.Rows[i].Front.Admission->Crank, e.Front.Admission->Crank, o.Tolerance);
        }
        if (e.Rear.Compression) {
            EXPECT_NEAR(t.Rows[i].Rear.Compression->Percent, e.Rear.Compression->Percent, 1e-3);
        }
        EXPECT_NEAR(t.Rows[i].FullTravel, e.FullTravel, 1e-9);
    }
}

TEST(EventsTable, ARowWhoseSearchGaveUpIsCounted) {
    auto c = test::BuiltIn();
    const EventsRowSpec rows[] = {{0, true, RowSource::Sweep, 0}, {0, false, RowSource::Sweep, 0}};
    c->LiftingLinkLen = 1000; // never reached: the link cannot be assembled
    EXPECT_EQ(ComputeEventsTable(*c, rows).FailedRows(), 2);
}

} // namespace
} // namespace vt
