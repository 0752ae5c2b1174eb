// The setting assistant against independent checks: the root a bisection finds, the
// events of the design it proposes found afresh, its bounds, its stops.
#include "analysis/ValveSetting.h"

#include "model/Dimensions.h"
#include "model/MidGear.h"
#include "model/Real.h"
#include "gears/kinds/ClassicGear.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {

const int kValveStem = test::ClassicDim("ValveStemLen");

SettingVariable Vary(const char* name, double low, double high) {
    const int i = test::ClassicDim(name);
    return {i, &gears::ClassicGear().Dimensions()[std::size_t(i)], low, high};
}

// The design with the values found.
gears::GearDesign Changed(const State& s, std::span<const VariableOutcome> values) {
    gears::GearDesign d = test::Classic(s);
    for (const VariableOutcome& v : values) d.Values[std::size_t(v.Variable.Index)] = v.After;
    return d;
}

PositionEvents EventsAt(const gears::GearDesign& g, GearPosition p) {
    return FindEvents(g, PlaceOf(g, p));
}

// Front lead less rear lead at normal forward with the valve stem at v.
double LeadDifference(const State& s, double v) {
    gears::GearDesign g = test::Classic(s);
    g.Values[std::size_t(kValveStem)] = v;
    const PositionEvents e = EventsAt(g, GearPosition::NormalForward);
    return double(e.Front.Lead) - e.Rear.Lead;
}

TEST(ValveSetting, OneVariableFindsTheRootThatABisectionFinds) {
    auto c = test::BuiltIn();
    c->ValveStemLen += 0.06f;
    const float stem = c->ValveStemLen;
    double lo = 3.0, hi = 3.5;
    ASSERT_LT(LeadDifference(*c, lo) * LeadDifference(*c, hi), 0);
    while (hi - lo > 1e-7) {
        const double mid = (lo + hi) / 2;
        (LeadDifference(*c, mid) * LeadDifference(*c, lo) > 0 ? lo : hi) = mid;
    }
    const SettingTarget target{TargetKind::LeadEqual, 0, "normal-fwd", 1};
    const SettingVariable stemVar = DefaultVariable(test::Classic(*c), kValveStem);
    const SettingResult r = SetValve(test::Classic(*c), std::span(&target, 1), std::span(&stemVar, 1));
    EXPECT_EQ(r.Status, SettingStatus::Met);
    EXPECT_EQ(StatusText(r), "met");
    EXPECT_NEAR(r.Variables[0].After, lo, 1e-5);
    EXPECT_EQ(r.Variables[0].Before, stem);
    EXPECT_FALSE(r.Targets[0].MetBefore);
    EXPECT_TRUE(r.Targets[0].MetAfter);
    EXPECT_GT(r.Evaluations, 1);
    EXPECT_EQ(c->ValveStemLen, stem); // the design itself is not changed
}

TEST(ValveSetting, SuspensionAndLiftingLinkBalanceTheCutOffsWithinTheirBounds) {
    auto c = test::BuiltIn();
    const SettingTarget targets[] = {{TargetKind::CutOffEqual, 0, "normal-fwd", 1},
                                     {TargetKind::CutOffEqual, 0, "normal-rev", 1}};
    const SettingVariable vars[] = {Vary("LinkCentPivotBackSet", 0.12, 0.28),
                                    Vary("LinkCentPivotVert", -1.2, 1.2),
                                    Vary("LiftingLinkLen", 1.2, 2.8)};
    const SettingResult r = SetValve(test::Classic(*c), targets, vars);
    ASSERT_EQ(r.Status, SettingStatus::Met) << StatusText(r);
    for (const VariableOutcome& v : r.Variables) {
        EXPECT_GE(v.After, F32(v.Variable.Low)) << v.Variable.Dimension->Name;
        EXPECT_LE(v.After, F32(v.Variable.High)) << v.Variable.Dimension->Name;
    }
    // The proposed design, solved anew, has the cut-offs it reports.
    const gears::GearDesign g = Changed(*c, r.Variables);
    for (GearPosition p : {GearPosition::NormalForward, GearPosition::NormalReverse}) {
        const PositionEvents e = EventsAt(g, p);
        ASSERT_TRUE(e.Front.CutOff && e.Rear.CutOff);
        EXPECT_NEAR(e.Front.CutOff->Percent, e.Rear.CutOff->Percent, 0.1);
    }
    EXPECT_GT(r.ObjectiveBefore, 1000);
    EXPECT_LT(r.ObjectiveAfter, 2);
}

// Equal leads in full gear and equal cut-offs at the normal notches by both rods and the
// link's three pivots over wide bounds: the search ends well below the poor local minimum
// (232.8) where a descent on the noisy classic search once stopped, never worse than the
// start.
TEST(ValveSetting, AHardTaskNeverEndsWorseThanTheStart) {
    auto c = test::BuiltIn();
    std::vector<SettingTarget> targets;
    for (const char* t : {"lead-equal@full-fwd", "lead-equal@full-rev", "cutoff-equal@normal-fwd",
                          "cutoff-equal@normal-rev"})
        targets.push_back(*ParseTarget(t).target);
    const SettingVariable vars[] = {
        Vary("EccRodFwdLen", 6.975, 8.525), Vary("EccRodRevLen", 6.975, 8.525),
        Vary("LinkCentPivotBackSet", -0.5, 0.5), Vary("LinkCentPivotVert", -0.5, 0.5),
        Vary("LinkEccRodPivotBackSet", 0.2, 0.8)};
    SettingOptions o;
    o.MaxEvaluations = 600; // enough for the fifth descent, and a short test
    o.TimeLimitSec = 1e3;   // the evaluations alone bound it, whatever the build's speed
    const SettingResult r = SetValve(test::Classic(*c), targets, vars, o);
    EXPECT_LE(r.Evaluations, o.MaxEvaluations);
    EXPECT_LT(r.ObjectiveAfter, r.ObjectiveBefore);
    EXPECT_LT(r.ObjectiveAfter, 232.8 / 2) << StatusText(r);
    EXPECT_EQ(r.Status, SettingStatus::NotMet);
    EXPECT_EQ(r.Evaluations, o.MaxEvaluations); // not met: the whole budget is used
    // The objective it reports is that of the design it proposes, solved anew.
    o.Cancelled = [] { return true; };
    const SettingResult again = SetValve(Changed(*c, r.Variables), targets, vars, o);
    EXPECT_NEAR(again.ObjectiveBefore, r.ObjectiveAfter, 1e-9 * (1 + r.ObjectiveAfter));
}

TEST(ValveSetting, TargetsOutOfReachEndOnABoundAsBestFoundNotMet) {
    auto c = test::BuiltIn(); // equal leads at normal forward need a stem of about 3.19
    const SettingTarget targets[] = {{TargetKind::LeadEqual, 0, "normal-fwd", 1},
                                     {TargetKind::Lead, 0.02, "mid", 2}};
    const SettingVariable stem = Vary("ValveStemLen", 3.25, 3.3);
    SettingOptions o;
    o.MaxEvaluations = 200; // restarts spend it all: there is nothing better to find
    const SettingResult r = SetValve(test::Classic(*c), targets, std::span(&stem, 1), o);
    EXPECT_EQ(r.Evaluations, o.MaxEvaluations);
    EXPECT_GT(r.Restarts, 0); // each descent ends on the bound; the next starts elsewhere
    EXPECT_EQ(r.Status, SettingStatus::NotMet);
    EXPECT_EQ(StatusText(r), "best found, not met (lead-equal@normal-fwd, lead=0.02@mid*2)");
    EXPECT_EQ(r.Variables[0].After, 3.25f);
    EXPECT_FALSE(r.Targets[0].MetAfter || r.Targets[1].MetAfter);
}

TEST(ValveSetting, ADesignThatCannotAssembleIsSaidSoAndNotSearched) {
    auto c = test::BuiltIn();
    c->StrokeLen = 30; // a crank longer than the main rod
    const SettingTarget target{TargetKind::LeadEqual, 0, "full-fwd", 1};
    const SettingVariable stem = DefaultVariable(test::Classic(*c), kValveStem);
    const SettingResult r = SetValve(test::Classic(*c), std::span(&target, 1), std::span(&stem, 1));
    EXPECT_EQ(r.Status, SettingStatus::CannotAssemble);
    EXPECT_EQ(StatusText(r), "the design cannot assemble");
    EXPECT_EQ(r.Evaluations, 0);
    EXPECT_EQ(r.Variables[0].After, r.Variables[0].Before);
    EXPECT_FALSE(r.Targets[0].After.Measured);
}

TEST(ValveSetting, CancelStopsBeforeTheNextEvaluation) {
    auto c = test::BuiltIn();
    const SettingTarget targets[] = {{TargetKind::CutOffEqual, 0, "normal-fwd", 1},
                                     {TargetKind::CutOffEqual, 0, "normal-rev", 1}};
    const SettingVariable vars[] = {Vary("LinkCentPivotVert", -1, 1), Vary("LiftingLinkLen", 1, 3)};
    bool cancel = false;
    int seen = 0;
    SettingOptions o;
    o.Cancelled = [&] { return cancel; };
    o.Progress = [&](const SearchStatus& now) {
        seen = now.Evaluations;
        if (now.Evaluations == 5) cancel = true;
    };
    const SettingResult r = SetValve(test::Classic(*c), targets, vars, o);
    EXPECT_EQ(r.Status, SettingStatus::Cancelled);
    EXPECT_EQ(StatusText(r), "cancelled");
    EXPECT_EQ(r.Evaluations, 5);
    EXPECT_EQ(seen, 5);
}

TEST(SettingTargets, TextsReadBackAndWrongOnesSayWhat) {
    for (const char* text :
         {"lead-equal@full-fwd", "lead=0.02@full-fwd", "cutoff-equal@normal-rev*2",
          "cutoff=75@normal-fwd", "dieslip-min@normal-fwd", "lead-equal@-0.5"}) {
        const ParsedTarget p = ParseTarget(text);
        ASSERT_TRUE(p.target) << text << ": " << p.error;
        EXPECT_EQ(TargetText(*p.target), text);
    }
    EXPECT_EQ(ParseTarget("cutoff-equal@normal-rev*2").target->Weight, 2);
    EXPECT_EQ(ParseTarget("lead=0.02@full-fwd").target->Value, 0.02);
    const struct {
        const char* text;
        const char* error;
    } wrong[] = {
        {"lead-equal", "a target is KIND@POSITION: lead-equal"},
        {"lead@mid", "lead needs a value, as lead=0.02"},
        {"lead-equal=1@mid", "lead-equal takes no value"},
        {"cutoff=most@mid", "the value of cutoff is not a number: most"},
        {"balance@mid", "unknown target kind \"balance\""},
        {"lead-equal@top", "unknown gear position \"top\": full-fwd, normal-fwd, mid, normal-rev, "
                           "full-rev or an offset"},
        {"lead-equal@mid*0", "the weight must be a number above 0: 0"},
    };
    for (const auto& w : wrong) EXPECT_EQ(ParseTarget(w.text).error, w.error);
}

TEST(SettingVariables, DefaultBoundsAndTheCommandLinesNames) {
    auto c = test::BuiltIn();
    const auto bounds = [&](const char* name) {
        const SettingVariable v = DefaultVariable(test::Classic(*c), FindDimension(test::Classic(*c), name));
        return std::pair(v.Low, v.High);
    };
    EXPECT_EQ(bounds("EccFwdAngle"), std::pair(52.0, 72.0));
    const auto [vertLow, vertHigh] = bounds("LinkCentPivotVert"); // 0: +-0.1 x stroke
    EXPECT_DOUBLE_EQ(vertLow, -0.3);
    EXPECT_DOUBLE_EQ(vertHigh, 0.3);
    const auto [rodLow, rodHigh] = bounds("main rod"); // by its caption, in any case
    EXPECT_DOUBLE_EQ(rodLow, 9.0);
    EXPECT_DOUBLE_EQ(rodHigh, 11.0);

    const ParsedVariableSpec spec = ParseVariableSpec("ValveStemLen=3.1:3.3");
    ASSERT_TRUE(spec.spec) << spec.error;
    const ResolvedVariable stem = ResolveVariable(test::Classic(*c), *spec.spec);
    ASSERT_TRUE(stem.variable) << stem.error;
    EXPECT_EQ(stem.variable->Index, kValveStem);
    EXPECT_EQ(stem.variable->Low, 3.1);
    EXPECT_EQ(stem.variable->High, 3.3);
    EXPECT_EQ(ParseVariableSpec("ValveStemLen=3.3:3.1").error,
              "--vary ValveStemLen: the lower bound must be below the upper");
    EXPECT_EQ(ParseVariableSpec("ValveStemLen=3.1").error,
              "--vary ValveStemLen: the bounds are LO:HI, two numbers: 3.1");
    EXPECT_NE(
        ResolveVariable(test::Classic(*c), {"Boiler", {}, {}}).error.find("no dimension is called \"Boiler\""),
        std::string::npos);
    EXPECT_EQ(ResolveVariable(test::Classic(*c), {"RevArmCentMax", {}, {}}).error,
              "RevArmCentMax cannot vary: it sets the reverser's travel, not the gear");
}

} // namespace
} // namespace vt
