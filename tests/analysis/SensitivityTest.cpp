// Sensitivity, tolerances and wear against what the geometry gives by hand: the valve
// stem and the port edges move the openings one for one, parts the gear never reads move
// nothing, the spreads are ordered, and a lost motion delays each event by what the
// valve's speed there predicts.
#include "analysis/SensitivityRun.h"
#include "analysis/WornValve.h"
#include "model/Solver.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vt {
namespace {

const InfluenceRow& Row(const SensitivityResult& r, std::string_view name) {
    for (const InfluenceRow& row : r.Rows)
        if (row.Dimension->Name == name) return row;
    throw std::invalid_argument(std::string(name));
}

GearPlace Place(const State& s, const char* text) { return *ParseGearPlace(s, text); }

TEST(Sensitivity, ShiftsOfTheValveAndItsPortsMoveTheLeadsOneForOne) {
    const auto c = test::BuiltIn();
    const SensitivityResult r = ComputeSensitivity(test::Classic(*c), Place(*c, "normal-fwd"));
    ASSERT_EQ(r.Rows.size(), 48u);
    // A longer stem puts the valve further forward: the front port closes, the rear opens.
    const Figures& stem = Row(r, "ValveStemLen").Derivative;
    EXPECT_NEAR(stem[kFrontLead], -1.0, 2e-3);
    EXPECT_NEAR(stem[kRearLead], 1.0, 2e-3);
    EXPECT_NEAR(stem[kFullTravel], 0.0, 1e-3);
    // A wider front port opens the front earlier by as much and leaves the rear alone.
    const Figures& port = Row(r, "SteamPortWidthFront").Derivative;
    EXPECT_NEAR(port[kFrontLead], 1.0, 2e-3);
    EXPECT_EQ(port[kRearLead], 0.0);
    EXPECT_EQ(port[kRearCutOff], 0.0);
    EXPECT_GT(port[kFrontCutOff], 10.0); // the port closes later: cut-off grows
    for (const char* unread : {"DriverDia", "CylBoreDia", "EccDia", "ValveHeight"}) {
        const InfluenceRow& row = Row(r, unread);
        EXPECT_TRUE(row.Assembles);
        for (double d : row.Derivative) EXPECT_EQ(d, 0.0) << unread;
    }
}

TEST(Sensitivity, ADesignThatCannotBeAssembledIsSaidSoNotDifferentiated) {
    auto c = test::BuiltIn();
    c->LiftingLinkLen = 60; // far longer than the lifting arm can reach down to the link
    SensitivityRequest q;
    q.Position = "mid";
    q.Wear = {0.01};
    const SensitivityReport r = *ComputeSensitivityReport(test::Classic(*c), q);
    EXPECT_FALSE(r.Result.Failure.empty());
    EXPECT_TRUE(r.Result.Rows.empty());
    EXPECT_TRUE(r.Wear.empty());
    EXPECT_NE(FormatSensitivityText(r).find("cannot be assembled: " + r.Result.Failure),
              std::string::npos);
}

TEST(Sensitivity, WornAndNewGearAtTheSameRecalculatedMidGear) {
    auto c = test::BuiltIn();
    c->LinkCentPivotVert += 0.2f; // as a dynamic variable leaves it: stored mid gear stale
    SensitivityRequest q;
    q.Position = "normal-fwd";
    q.Wear = {0.0};
    const SensitivityReport r = *ComputeSensitivityReport(test::Classic(*c), q);
    ASSERT_EQ(r.Wear.size(), 1u);
    const Figures fresh = FiguresOf(r.Result.Nominal), worn = FiguresOf(r.Wear[0].Events);
    for (std::size_t k = 0; k < kFigureCount; ++k)
        EXPECT_NEAR(worn[k], fresh[k], Figure(k).Percent ? 1e-3 : 1e-5) << Figure(k).Key;
}

TEST(Sensitivity, ProgressCanStopTheWork) {
    const auto c = test::BuiltIn();
    const SensitivityResult r =
        ComputeSensitivity(test::Classic(*c), Place(*c, "mid"), [](int done, int) { return done < 3; });
    EXPECT_TRUE(r.Cancelled);
    EXPECT_EQ(r.Rows.size(), 3u);
}

// +-t is 3 sigma: 1000 designs drawn with sigma t/3 reach about 1.08 x statistical where
// the gear is near linear (the greatest of 1000 normal draws is 3.24 +- 0.4 sigma); drawn
// uniformly within +-t they would reach about 1.9 x.
TEST(Tolerances, MonteCarloExtremesAgreeWithStatisticalUnderOneConvention) {
    const auto c = test::BuiltIn();
    const GearPlace at = Place(*c, "full-fwd");
    ToleranceSet t;
    t.Length = 0.0005;
    t.Angle = 0.02;
    const SensitivityResult s = ComputeSensitivity(test::Classic(*c), at);
    const LinearSpread spread = SpreadOf(s, t);
    const MonteCarloRange mc = RunMonteCarlo(test::Classic(*c), at, t, 1000);
    EXPECT_EQ(mc.Designs, 1000);
    for (std::size_t k : {kFrontLead, kRearLead, kFrontCutOff, kRearCutOff}) {
        const double reach = std::max(-mc.Low[k], mc.High[k]);
        EXPECT_LT(reach, 1.3 * spread.Statistical[k]) << Figure(k).Key;
        EXPECT_GT(reach, 0.8 * spread.Statistical[k]) << Figure(k).Key;
    }
    // A dimension of tolerance 0 contributes nothing, even without a derivative.
    SensitivityResult broken = s;
    broken.Rows[0].Derivative = NoFigures();
    t.Overrides[broken.Rows[0].Dimension->Name] = 0;
    EXPECT_EQ(SpreadOf(broken, t).Statistical, spread.Statistical);
}

TEST(Tolerances, RankedByContributionInTheFiguresUnit) {
    const auto c = test::BuiltIn();
    const SensitivityResult s = ComputeSensitivity(test::Classic(*c), Place(*c, "normal-fwd"));
    ToleranceSet t;
    t.Angle = 0; // the angles' large per-degree derivatives then count for nothing
    t.Overrides["ValveStemLen"] = 0.05;
    const auto top = LargestContributions(s, t, kFrontLead, 48);
    ASSERT_FALSE(top.empty());
    EXPECT_STREQ(top[0]->Dimension->Name, "ValveStemLen");
    for (std::size_t i = 1; i < top.size(); ++i) {
        EXPECT_FALSE(IsAngle(*top[i]->Dimension));
        EXPECT_GE(std::abs(Contribution(*top[i - 1], t, kFrontLead)),
                  std::abs(Contribution(*top[i], t, kFrontLead)));
    }
}

TEST(Tolerances, WorstCaseBoundsStatisticalAndTheMonteCarloRange) {
    const auto c = test::BuiltIn();
    const GearPlace at = Place(*c, "full-fwd");
    ToleranceSet t;
    t.Length = 0.0005;
    t.Angle = 0.02;
    t.Overrides["ValveStemLen"] = 0.004;
    const LinearSpread spread = SpreadOf(ComputeSensitivity(test::Classic(*c), at), t);
    const MonteCarloRange mc = RunMonteCarlo(test::Classic(*c), at, t, 150);
    EXPECT_EQ(mc.Designs, 150);
    EXPECT_EQ(mc.Failed, 0);
    for (std::size_t k = 0; k < kFigureCount; ++k) {
        SCOPED_TRACE(Figure(k).Key);
        EXPECT_GE(spread.WorstCase[k], spread.Statistical[k]);
        EXPECT_GE(spread.Statistical[k], 0.0);
        EXPECT_LE(mc.Low[k], mc.High[k]);
        // Within the linear worst case, with room for the solver's own resolution.
        const double slack = Figure(k).Percent ? 0.01 : 1e-4;
        EXPECT_GE(mc.Low[k], -spread.WorstCase[k] - slack);
        EXPECT_LE(mc.High[k], spread.WorstCase[k] + slack);
    }
    // The stem's own tolerance alone moves each lead by 0.004: the override is read.
    EXPECT_GT(spread.WorstCase[kFrontLead], 0.004);
    // The same designs on one worker as on the pool.
    const MonteCarloRange again = RunMonteCarlo(test::Classic(*c), at, t, 150, kMonteCarloSeed, {}, 1);
    EXPECT_EQ(again.Low, mc.Low);
    EXPECT_EQ(again.High, mc.High);
}

// The driven valve's speed (travel per crank degree in the direction of turning) at a
// crank angle, by a central difference of the solver.
double ValveSpeed(const State& s, GearSetting g, double crank) {
    State w = s;
    w.RevArmPos = g.RevArmPos;
    const auto travel = [&](double a) {
        w.DriverAngle = float(g.Forward ? a : 360.0 - a);
        SolveLinkage(w);
        return double(w.ValveTravel);
    };
    return (travel(crank + 0.5) - travel(crank - 0.5)) / 1.0;
}

TEST(WornValve, NoWearIsTheNewGearAndWearDelaysEachEventAsTheValveSpeedSays) {
    const auto c = test::BuiltIn();
    const GearSetting g = GearAt(*c, GearPosition::FullForward);
    const PositionEvents fresh = FindEvents(*c, g.RevArmPos, g.Forward);
    const Figures zero = FiguresOf(FindWornEvents(test::Classic(*c), PlaceOf(*c, g), 0.0, fresh.DieSlip));
    const Figures own = FiguresOf(fresh);
    for (std::size_t k = 0; k < kFigureCount; ++k)
        EXPECT_NEAR(zero[k], own[k], Figure(k).Percent ? 1e-3 : 1e-5) << Figure(k).Key;

    const double s = 0.01;
    const PositionEvents worn = FindWornEvents(test::Classic(*c), PlaceOf(*c, g), s, fresh.DieSlip);
    EXPECT_NEAR(worn.FullTravel, fresh.FullTravel - s, 1e-5);
    // Away from the valve's turning points the worn valve runs s/2 behind the drive, so
    // each event comes (s/2) / |speed| degrees later.
    const struct {
        const char* name;
        std::optional<EventPoint> EndEvents::*event;
        bool rear;
    } events[] = {{"front cut-off", &EndEvents::CutOff, false},
                  {"rear cut-off", &EndEvents::CutOff, true},
                  {"front release", &EndEvents::Release, false},
                  {"rear admission", &EndEvents::Admission, true}};
    for (const auto& e : events) {
        const EventPoint was = *((e.rear ? fresh.Rear : fresh.Front).*e.event);
        const EventPoint now = *((e.rear ? worn.Rear : worn.Front).*e.event);
        const double delay = s / 2 / std::abs(ValveSpeed(*c, g, was.Crank));
        EXPECT_NEAR(now.Crank - was.Crank, delay, 0.03 * delay + 2e-3) << e.name;
    }
}

} // namespace
} // namespace vt
