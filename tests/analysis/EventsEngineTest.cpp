// The events engine against the fine sweep it replaced (ReferenceSweep), against the
// solver at each event it reports, against itself with half the tolerance or another first
// step, and at the edges: turning backwards, grazes, ports that never open or never close,
// impossible geometry, a link search that gives up; the signed admission; gear positions.
#include "analysis/DesignVariant.h"
#include "analysis/EventsEngine.h"

#include "analysis/EventsTable.h"
#include "analysis/GearTurn.h"
#include "analysis/ReferenceSweep.h"
#include "analysis/WornValve.h"
#include "model/Controls.h"
#include "model/Dimensions.h"
#include "model/Real.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>
#include <vector>

namespace vt {
namespace {

// How finely the solver itself resolves an opening. Its link search stops with the
// link pin's height up to 0.00016 past where the lifting link is reached, which moves the
// valve by up to about 0.00005; between two angles however close an opening can jump by
// that much either way. Measured over the sample designs, no jump exceeds 0.0001.
constexpr double kSolverResolution = 1e-4;
// The classic link search's resolution of the valve's place, which the fine reference sweep
// is solved with: its valve differs from the exact engine's by up to this.
constexpr double kClassicSearchResolution = 2e-4;
constexpr double kReferenceStep = 1.0 / test::kReferenceStepsPerDegree; // degrees

enum Kind { Admission, CutOff, Release, Compression };
constexpr Kind kKinds[] = {Admission, CutOff, Release, Compression};
constexpr const char* kKindNames[] = {"admission", "cut-off", "release", "compression"};

const std::optional<EventPoint>& Get(const EndEvents& e, Kind k) {
    const std::optional<EventPoint>* all[] = {&e.Admission, &e.CutOff, &e.Release, &e.Compression};
    return *all[k];
}
const std::optional<test::RefEvent>& Get(const test::RefEnd& e, Kind k) {
    const std::optional<test::RefEvent>* all[] = {&e.Admission, &e.CutOff, &e.Release,
                                                  &e.Compression};
    return *all[k];
}

// The opening an event belongs to, solved at a crank angle as the engine solves it.
struct Probe {
    GearTurn turn;
    int opening;

    Probe(const Mechanism& m, const EventsRowSpec& spec, bool rear, Kind k)
        : turn(test::Classic(m), spec.Setting, spec.Forward),
          opening((rear ? kRearSteam : kFrontSteam) + (k == Release || k == Compression)) {}
    double operator()(double crank) { return turn.At(crank).Open[opening]; }
    // How fast the opening changes near an angle, per degree.
    double Slope(double crank) {
        return std::abs(double((*this)(crank + 0.5)) - (*this)(crank - 0.5));
    }
};

double AngleBetween(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }

// Where the solver's opening changes slowly, its resolution blurs where it crosses zero
// by kSolverResolution / slope degrees either way: the band within which any two honest
// answers, the engine's or the sweep's, may differ beyond their own steps.
double NoiseBand(Probe& p, double crank) {
    return kSolverResolution / std::max(p.Slope(crank), 1e-9);
}

std::vector<EventsRowSpec> Rows(const Mechanism& m) { return DefaultEventRows(m); }

test::CountingState Design(const test::SampleDesign& d) {
    auto c = d.make();
    c->RevArmCount = 3; // the stored positions too: normal forward and reverse
    return c;
}

std::string DesignName(const testing::TestParamInfo<test::SampleDesign>& info) {
    std::string name;
    for (const char* p = info.param.file; *p != '.'; ++p)
        if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
    return name;
}

class EventsEngineDesign : public testing::TestWithParam<test::SampleDesign> {};

} // namespace

namespace test {
void PrintTo(const SampleDesign& d, std::ostream* os) { *os << d.file; }
} // namespace test

namespace {

INSTANTIATE_TEST_SUITE_P(SampleDesigns, EventsEngineDesign,
                         testing::ValuesIn(test::SampleDesigns().begin(),
                                           test::SampleDesigns().end()),
                         DesignName);

// With the cylinder's centre line through the axle (every sample design), the dead centres
// are 0 and 180 degrees and the crosshead's share of its travel is the piston formula's.
TEST_P(EventsEngineDesign, ACentreLineThroughTheAxleKeepsTheDeadCentresAndPercents) {
    auto c = Design(GetParam());
    ASSERT_EQ(c->PivotY[3], c->PivotY[1]);
    for (GearPosition pos : {GearPosition::NormalForward, GearPosition::FullReverse}) {
        const GearSetting g = GearAt(*c, pos);
        const PositionEvents e = FindEvents(*c, g.RevArmPos, g.Forward);
        EXPECT_LE(AngleBetween(e.FrontDeadCentre, 0), EngineOptions{}.Tolerance);
        EXPECT_LE(AngleBetween(e.RearDeadCentre, 180), EngineOptions{}.Tolerance);
        State s = test::SolvedAt(*c, g.RevArmPos, 0);
        for (bool rear : {false, true})
            for (Kind k : kKinds) {
                const std::optional<EventPoint>& ev = Get(rear ? e.Rear : e.Front, k);
                ASSERT_TRUE(ev) << kKindNames[k];
                s.DriverAngle = F32(g.Forward ? ev->Crank : 360 - ev->Crank);
                ComputeValveEvents(s);
                const double piston = rear ? 640 - s.PistonPos : s.PistonPos;
                EXPECT_NEAR(ev->Percent, piston / 6.4, 1e-3) << kKindNames[k] << rear;
            }
    }
}

// The sweep places an event within its 0.05-degree step, interpolated; where the opening
// changes slowly the solver's resolution widens that by the noise band. The engine must
// fall within the step plus the band, in crank angle and, through the piston's speed
// there, in percent of stroke. The dead centres are samples of both, so the leads are
// the same numbers; the greatest openings, travel and die slip agree within the solver's
// resolution (the die slip within that of the die test in EventsTableTest).
TEST_P(EventsEngineDesign, AgreesWithTheFineSweepInEveryRowWithinItsInterpolationError) {
    auto c = Design(GetParam());
    const auto rows = Rows(*c);
    const EventsTable t = ComputeEventsTable(*c, rows);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        const test::RefRow ref =
            test::ReferenceSweep(*c, test::RevArmAt(*c, rows[i].Setting), rows[i].Forward);
        const EventsRow& row = t.Rows[i];
        EXPECT_TRUE(row.Ok());
        for (bool rear : {false, true}) {
            const EndEvents& e = rear ? row.Rear : row.Front;
            const test::RefEnd& r = rear ? ref.Rear : ref.Front;
            EXPECT_NEAR(e.Lead, r.Lead, kClassicSearchResolution);
            EXPECT_NEAR(e.MaxSteam, r.MaxSteam, kSolverResolution);
            EXPECT_NEAR(e.MaxExhaust, r.MaxExhaust, kSolverResolution);
            for (Kind k : kKinds) {
                SCOPED_TRACE(testing::Message() << (rear ? "rear " : "front ") << kKindNames[k]);
                const auto& ev = Get(e, k);
                const auto& rv = Get(r, k);
                ASSERT_EQ(ev.has_value(), rv.has_value());
                if (!ev) continue;
                Probe p(*c, rows[i], rear, k);
                const double bound = kReferenceStep + NoiseBand(p, ev->Crank);
                const double pistonSpeed = rv->pistonStep / kReferenceStep; // % a degree
                EXPECT_LE(AngleBetween(ev->Crank, rv->crank), bound);
                EXPECT_LE(std::abs(ev->Percent - rv->percent), pistonSpeed * bound * 1.1 + 1e-3);
            }
        }
        EXPECT_NEAR(row.FullTravel, ref.FullTravel, 2 * kClassicSearchResolution); // two ends
        EXPECT_NEAR(row.DieSlip, ref.DieSlip, 2e-4 + 1e-3 * ref.DieSlip);
    }
}

// At the reported angle the opening solved there is within 0.00001 of zero, and within
// the tolerance on one side it has the other state. Where the solver's own opening jumps
// across zero (by up to its resolution: see kSolverResolution) there is no angle nearer
// zero to report; those are few.
TEST_P(EventsEngineDesign, EachEventIsARootOfItsOpeningWhereTheSolverAllows) {
    auto c = Design(GetParam());
    const auto rows = Rows(*c);
    const EngineOptions o;
    const EventsTable t = ComputeEventsTable(*c, rows, o);
    int events = 0, jumps = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (bool rear : {false, true})
            for (Kind k : kKinds) {
                const auto& ev = Get(rear ? t.Rows[i].Rear : t.Rows[i].Front, k);
                if (!ev) continue;
                SCOPED_TRACE(testing::Message() << "row " << i << (rear ? " rear " : " front ")
                                                << kKindNames[k]);
                Probe p(*c, rows[i], rear, k);
                const double at = p(ev->Crank);
                double other = NAN; // the nearest opening of the other state within tolerance
                for (int j = 1; j <= 10 && std::isnan(other); ++j)
                    for (double side : {-1.0, 1.0})
                        if (const double v = p(ev->Crank + side * o.Tolerance * j / 10);
                            (v > 0) != (at > 0) && std::isnan(other))
                            other = v;
                ASSERT_FALSE(std::isnan(other)) << "no change of state within the tolerance";
                ++events;
                if (std::abs(at) <= 1e-5) continue;
                ++jumps;
                EXPECT_LE(std::abs(at), kSolverResolution);
                EXPECT_GE(std::abs(double(other) - at), std::abs(at)); // a jump, not a slope
            }
    EXPECT_GT(events, 200);
    EXPECT_LE(jumps * 20, events) << jumps << " of " << events << " events at a jump";
}

// The searches visit the same angles whatever the tolerance and only stop earlier or
// later, so half the tolerance moves each event by less than the tolerance itself: far
// less than 0.001 % of stroke. The extremes can only gain what the solver resolves.
TEST_P(EventsEngineDesign, HalvingTheToleranceChangesNoFigureBeyondAThousandthOfAPercent) {
    auto c = Design(GetParam());
    const auto rows = Rows(*c);
    EngineOptions half;
    half.Tolerance /= 2;
    const EventsTable a = ComputeEventsTable(*c, rows);
    const EventsTable b = ComputeEventsTable(*c, rows, half);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        const EventsRow &x = a.Rows[i], &y = b.Rows[i];
        EXPECT_GT(y.Solves, x.Solves);
        for (bool rear : {false, true}) {
            const EndEvents &ex = rear ? x.Rear : x.Front, &ey = rear ? y.Rear : y.Front;
            EXPECT_NEAR(ex.Lead, ey.Lead, 1e-9);
            EXPECT_NEAR(ex.MaxSteam, ey.MaxSteam, kSolverResolution);
            EXPECT_NEAR(ex.MaxExhaust, ey.MaxExhaust, kSolverResolution);
            for (Kind k : kKinds) {
                const auto &u = Get(ex, k), &v = Get(ey, k);
                ASSERT_EQ(u.has_value(), v.has_value());
                if (!u) continue;
                EXPECT_LE(std::abs(u->Percent - v->Percent), 0.001) << kKindNames[k];
                EXPECT_LE(AngleBetween(u->Crank, v->Crank), EngineOptions{}.Tolerance);
            }
        }
        EXPECT_NEAR(x.FullTravel, y.FullTravel, kSolverResolution);
        EXPECT_NEAR(x.DieSlip, y.DieSlip, kSolverResolution);
    }
}

// The first sweep only brackets; a third of the step or three times it finds the same
// events, each within the noise band of the other.
TEST_P(EventsEngineDesign, AnotherFirstStepFindsTheSameEvents) {
    auto c = Design(GetParam());
    const auto rows = Rows(*c);
    const EventsTable t = ComputeEventsTable(*c, rows);
    for (double step : {2.0, 18.0}) {
        EngineOptions o;
        o.CoarseStep = step;
        const EventsTable u = ComputeEventsTable(*c, rows, o);
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (bool rear : {false, true})
                for (Kind k : kKinds) {
                    SCOPED_TRACE(testing::Message() << "step " << step << " row " << i
                                                    << (rear ? " rear " : " front ")
                                                    << kKindNames[k]);
                    const auto& x = Get(rear ? t.Rows[i].Rear : t.Rows[i].Front, k);
                    const auto& y = Get(rear ? u.Rows[i].Rear : u.Rows[i].Front, k);
                    ASSERT_EQ(x.has_value(), y.has_value());
                    if (!x) continue;
                    Probe p(*c, rows[i], rear, k);
                    EXPECT_LE(AngleBetween(x->Crank, y->Crank),
                              2 * o.Tolerance + NoiseBand(p, x->Crank));
                }
    }
}

// Lead and admission tell the same story. A port open at the dead
// centre (lead > 0) opened before it: admission before the dead centre, negative; a port
// still closed there (lead < 0) opens after it: positive. The crossed rods' design admits
// steam in the other half of the turn (about 180 degrees from the dead centre, its valve
// set for the other crank) and is left out; the sign still says on which side.
TEST(EventsEngine, AdmissionIsBeforeTheDeadCentreExactlyWhenTheLeadIsPositive) {
    int checked = 0, before = 0;
    for (const auto& design : test::SampleDesigns()) {
        auto c = Design(design);
        const EventsTable t = ComputeEventsTable(*c, Rows(*c));
        for (const EventsRow& row : t.Rows)
            for (const EndEvents* e : {&row.Front, &row.Rear}) {
                if (std::abs(e->Lead) <= kSolverResolution || !e->Admission) continue;
                if (std::abs(e->Admission->FromDeadCentre) >= 90) continue;
                SCOPED_TRACE(testing::Message() << design.file << " lead " << e->Lead);
                ++checked;
                before += e->Lead > 0;
                EXPECT_EQ(e->Admission->FromDeadCentre < 0, e->Lead > 0);
                EXPECT_EQ(e->Admission->SignedPercent() < 0, e->Lead > 0);
                EXPECT_EQ(std::abs(e->Admission->SignedPercent()), e->Admission->Percent);
            }
    }
    EXPECT_GT(before, 20);           // pre-admission towards mid gear
    EXPECT_GT(checked - before, 20); // late admission towards full gear
}

TEST(EventsEngine, CrankAnglesAreFromTheFrontDeadCentreInTheDirectionOfTurning) {
    auto c = test::BuiltIn();
    const GearSetting g = GearAt(*c, GearPosition::NormalForward);
    const PositionEvents e = FindEvents(*c, g.RevArmPos, true);
    ASSERT_TRUE(e.Front.Admission && e.Front.CutOff && e.Rear.Admission && e.Rear.CutOff);
    // Normal forward, built-in design: the front port admits at the front dead centre and
    // cuts off during the front stroke (0 to 180), the rear port during the return stroke.
    EXPECT_LT(e.Front.CutOff->Crank, 180);
    EXPECT_GT(e.Rear.CutOff->Crank, 180);
    EXPECT_NEAR(e.Front.Admission->FromDeadCentre,
                std::remainder(e.Front.Admission->Crank, 360.0), 1e-9);
    EXPECT_NEAR(e.Rear.Admission->FromDeadCentre, e.Rear.Admission->Crank - 180, 1e-9);
    for (const auto& p : {e.Front.Admission, e.Front.CutOff, e.Rear.Admission, e.Rear.CutOff}) {
        EXPECT_GE(p->Crank, 0);
        EXPECT_LT(p->Crank, 360);
        EXPECT_GE(p->Percent, 0);
        EXPECT_LE(p->Percent, 100);
    }
}

// Turning backwards meets the same crossings in the other order: what opens going
// forward closes going backward, at the same piston position, at 360 less the angle.
TEST(EventsEngine, TurningBackwardSwapsOpeningAndClosing) {
    for (auto make : {test::BuiltIn, test::CrossedRods}) {
        auto c = make();
        const float pos = NormalReverse(*c);
        const PositionEvents fwd = FindEvents(*c, pos, true), rev = FindEvents(*c, pos, false);
        for (bool rear : {false, true}) {
            const EndEvents& f = rear ? fwd.Rear : fwd.Front;
            const EndEvents& r = rear ? rev.Rear : rev.Front;
            ASSERT_TRUE(f.Admission && f.CutOff && f.Release && f.Compression);
            ASSERT_TRUE(r.Admission && r.CutOff && r.Release && r.Compression);
            for (auto [x, y] : {std::pair{*r.CutOff, *f.Admission}, {*r.Admission, *f.CutOff},
                                {*r.Compression, *f.Release}, {*r.Release, *f.Compression}}) {
                EXPECT_NEAR(x.Percent, y.Percent, 0.01);
                EXPECT_LE(AngleBetween(x.Crank, 360 - y.Crank), 0.02);
            }
            EXPECT_EQ(f.Lead, r.Lead);
        }
        EXPECT_NEAR(fwd.FullTravel, rev.FullTravel, kSolverResolution);
    }
}

// Graze: an opening shorter than GrazeDeg is no event. With the option wider than the
// built-in design's mid-gear admission, that admission is a graze too.
TEST(EventsEngine, AnOpeningShorterThanTheGrazeIsNoEvent) {
    auto c = test::BuiltIn();
    const float mid = c->RevArmSet[0];
    const PositionEvents e = FindEvents(*c, mid, true);
    ASSERT_TRUE(e.Front.Admission && e.Front.CutOff);
    const double open = std::fmod(e.Front.CutOff->Crank - e.Front.Admission->Crank + 360, 360);
    EngineOptions o;
    o.GrazeDeg = open + 1;
    const PositionEvents g = FindEvents(*c, mid, true, o);
    EXPECT_FALSE(g.Front.Admission || g.Front.CutOff);
    EXPECT_EQ(g.Front.SteamOpenings, 0);
    EXPECT_EQ(g.Front.MaxSteam, e.Front.MaxSteam);
    o.GrazeDeg = open - 1;
    EXPECT_EQ(FindEvents(*c, mid, true, o).Front.CutOff, e.Front.CutOff);
}

// The front valve edge set to just touch the port's edge at the valve's extreme: the
// solver's resolution makes the opening flicker about zero there. Whatever the engine
// reports is either nothing or an opening of at least the graze.
TEST(EventsEngine, AnEdgeThatTouchesThePortGivesNoBriefEvents) {
    auto c = test::BuiltIn();
    const GearSetting g = GearAt(*c, GearPosition::MidGear); // the port opens by its lead
    const double reach = FindEvents(*c, g.RevArmPos, true).Front.MaxSteam;
    ASSERT_GT(reach, 0);
    ASSERT_LT(reach, c->SteamPortWidthFront); // the opening's true peak, not the port's width
    for (int i = -5; i <= 5; ++i) {
        State s = *c;
        s.ValveLenFront = F32(s.ValveLenFront + reach + i * 1e-5); // opening peaks at -i * 1e-5
        const PositionEvents e = FindEvents(s, g.RevArmPos, true);
        SCOPED_TRACE(i);
        EXPECT_NEAR(e.Front.MaxSteam, -i * 1e-5, kSolverResolution);
        ASSERT_EQ(e.Front.Admission.has_value(), e.Front.CutOff.has_value());
        if (e.Front.Admission) {
            EXPECT_GE(std::fmod(e.Front.CutOff->Crank - e.Front.Admission->Crank + 360, 360), 0.5);
        }
        EXPECT_TRUE(e.Ok());
    }
}

TEST(EventsEngine, APortThatNeverOpensOrNeverClosesHasNoEvents) {
    auto c = test::BuiltIn();
    const GearSetting g = GearAt(*c, GearPosition::FullForward);
    State lapped = *c;
    lapped.ValveLenFront += 1; // a lap longer than any travel: never opens
    const PositionEvents never = FindEvents(lapped, g.RevArmPos, g.Forward);
    EXPECT_FALSE(never.Front.Admission || never.Front.CutOff);
    EXPECT_LT(never.Front.MaxSteam, 0);
    EXPECT_EQ(never.Front.SteamOpenings, 0);
    EXPECT_TRUE(never.Rear.Admission && never.Rear.CutOff); // the other end as before

    State open = *c;
    open.ValveExhCavityRear += 1; // the cavity always over the rear port: never closes
    const PositionEvents always = FindEvents(open, g.RevArmPos, g.Forward);
    EXPECT_FALSE(always.Rear.Release || always.Rear.Compression);
    EXPECT_EQ(always.Rear.MaxExhaust, open.SteamPortWidthRear); // limited to the port
    EXPECT_EQ(always.Rear.ExhaustOpenings, 0);
    EXPECT_TRUE(always.Front.Release && always.Front.Compression);
    EXPECT_TRUE(never.Ok() && always.Ok());
}

// Geometry that cannot be assembled names the body that fails, and sounds nothing: a
// rocker arm too short to reach the slot, a lifting link far too long, a stroke that is
// not a number.
TEST(EventsEngine, AGearThatCannotBeAssembledNamesWhatFails) {
    const struct {
        float State::*field;
        float value;
    } cases[] = {{&State::RockerLowerLen, 0.01f},
                 {&State::LiftingLinkLen, 1000},
                 {&State::StrokeLen, NAN}};
    for (const auto& k : cases) {
        auto c = test::BuiltIn();
        (*c).*k.field = k.value;
        const PositionEvents e = FindEvents(*c, c->RevArmSet[0], true);
        EXPECT_FALSE(e.Ok()) << k.value;
        EXPECT_NE(e.FailedBody, nullptr) << k.value;
        EXPECT_FALSE(AssemblyFailureReason(e).empty());
        EXPECT_EQ(c.beeps(), 0);
    }
}

TEST(EventsEngine, TheGearItWasGivenIsNotChanged) {
    auto c = test::BuiltIn();
    c->DriverAngle = 33;
    const State before = *c;
    const PositionEvents e = FindEvents(*c, NormalForward(*c), true);
    EXPECT_GT(e.Solves, 100);
    EXPECT_EQ(c->DriverAngle, before.DriverAngle);
    EXPECT_EQ(c->RevArmPos, before.RevArmPos);
    for (int i = 0; i < kPivotCount; ++i) EXPECT_EQ(c->PivotX[i], before.PivotX[i]);
    EXPECT_EQ(c->FrontSteamOpening, before.FrontSteamOpening);
}

TEST(EventsEngine, OneEngineForManyPositionsGivesWhatFindEventsGives) {
    auto c = test::CrossedRods();
    EventsEngine engine(test::Classic(*c));
    for (GearPosition p :
         {GearPosition::FullForward, GearPosition::MidGear, GearPosition::NormalReverse}) {
        const GearSetting g = GearAt(*c, p);
        const PositionEvents a = engine.Find(SettingOfRevArm(*c, g.RevArmPos), g.Forward);
        const PositionEvents b = FindEvents(*c, g.RevArmPos, g.Forward);
        // The same within the tolerance: each Newton solve starts from the pose before.
        ASSERT_EQ(a.Front.CutOff.has_value(), b.Front.CutOff.has_value());
        ASSERT_EQ(a.Rear.Release.has_value(), b.Rear.Release.has_value());
        if (a.Front.CutOff) {
            EXPECT_NEAR(a.Front.CutOff->Percent, b.Front.CutOff->Percent, 1e-3);
        }
        if (a.Rear.Release) {
            EXPECT_NEAR(a.Rear.Release->Crank, b.Rear.Release->Crank, EngineOptions{}.Tolerance);
        }
        EXPECT_NEAR(a.DieSlip, b.DieSlip, 1e-9);
        EXPECT_EQ(a.Solves, b.Solves);
    }
}

// The named positions are those of the main window's buttons and of the port events
// diagram's rows, for either sense of the gear.
TEST(GearPositions, NamedPositionsAreTheButtonsAndTheDiagramsRows) {
    for (auto make : {test::BuiltIn, test::CrossedRods, test::NegativeLiftingArm}) {
        auto c = make();
        const auto rows = DefaultEventRows(*c);
        EXPECT_EQ(GearAt(*c, GearPosition::NormalForward).RevArmPos, NormalForward(*c));
        EXPECT_EQ(GearAt(*c, GearPosition::NormalReverse).RevArmPos, NormalReverse(*c));
        EXPECT_EQ(GearAt(*c, GearPosition::MidGear).RevArmPos, c->RevArmSet[0]);
        EXPECT_FLOAT_EQ(GearAt(*c, GearPosition::FullForward).RevArmPos,
                        test::RevArmAt(*c, rows[18].Setting));
        EXPECT_FLOAT_EQ(GearAt(*c, GearPosition::FullReverse).RevArmPos,
                        test::RevArmAt(*c, rows[37].Setting));
        EXPECT_TRUE(GearAt(*c, GearPosition::FullForward).Forward);
        EXPECT_TRUE(GearAt(*c, GearPosition::NormalForward).Forward);
        EXPECT_TRUE(GearAt(*c, GearPosition::MidGear).Forward);
        EXPECT_FALSE(GearAt(*c, GearPosition::NormalReverse).Forward);
        EXPECT_FALSE(GearAt(*c, GearPosition::FullReverse).Forward);
    }
}

// An offset is signed as the reverse arm bar: the bar at position p stands for p / 1000.
TEST(GearPositions, OffsetsAreSignedAsTheReverseArmBar) {
    for (auto make : {test::BuiltIn, test::CrossedRods}) {
        auto c = make();
        Controls k;
        InitRevArmBar(*c, k);
        SBRevArmChange(*c, k, -520);
        const GearSetting g = GearAtOffset(*c, -0.52);
        EXPECT_EQ(g.RevArmPos, c->RevArmPos);
        EXPECT_FALSE(g.Forward);
        EXPECT_EQ(c->DirectionText, "Rev");
    }
}

TEST(GearPositions, NamesAndNumbersAreRead) {
    auto c = test::CrossedRods();
    const struct {
        const char* text;
        GearPosition p;
    } names[] = {{"full-fwd", GearPosition::FullForward},
                 {"Normal-Fwd", GearPosition::NormalForward},
                 {" mid ", GearPosition::MidGear},
                 {"NORMAL-REV", GearPosition::NormalReverse},
                 {"full-rev", GearPosition::FullReverse}};
    for (const auto& n : names) {
        const auto g = ParseGearPosition(*c, n.text);
        ASSERT_TRUE(g) << n.text;
        EXPECT_EQ(g->RevArmPos, GearAt(*c, n.p).RevArmPos);
        EXPECT_EQ(g->Forward, GearAt(*c, n.p).Forward);
    }
    for (const char* text : {"0.25", "+0.25", "-1.3", "0"}) {
        const auto g = ParseGearPosition(*c, text);
        ASSERT_TRUE(g) << text;
        EXPECT_EQ(g->RevArmPos, GearAtOffset(*c, std::stod(text)).RevArmPos);
    }
    for (const char* text : {"", "fwd", "full", "1.2.3", "+", "0.5x", "nan", "inf"})
        EXPECT_FALSE(ParseGearPosition(*c, text)) << text;
    // Beyond the reverse arm's range, mid gear +- RevArmCentMax (1.3): the form is right,
    // the design refuses it and says where the range ends.
    for (const char* text : {"1.31", "-1.31", "1e308"}) {
        EXPECT_TRUE(IsGearPositionText(text)) << text;
        EXPECT_FALSE(ParseGearPosition(*c, text)) << text;
        EXPECT_NE(GearPositionError(*c, text).find("from -1.300 to +1.300"), std::string::npos);
    }
    EXPECT_EQ(GearPositionError(*c, "-1.3"), "");
}

// The cylinder's centre line 0.5 above the axle (the valve line raised with it): each dead
// centre is the crosshead's extreme, a few degrees before 0 and 180, and each event's
// percent is the crosshead's distance from it over its whole travel. The figures are those
// of an exact solve of the built-in design at normal forward.
TEST(EventsEngine, DeadCentresAreTheCrossheadsExtremes) {
    auto c = test::BuiltIn();
    WriteDimension(*c, 102, 0.5f);
    const GearSetting g = GearAt(*c, GearPosition::NormalForward);
    const PositionEvents e = FindEvents(*c, g.RevArmPos, true);
    ASSERT_TRUE(e.Front.CutOff && e.Rear.CutOff);
    EXPECT_NEAR(e.Front.Lead, -0.037, 5e-4);
    EXPECT_NEAR(e.Rear.Lead, 0.001, 5e-4);
    EXPECT_NEAR(e.Front.CutOff->Percent, 82.7, 0.05);
    EXPECT_NEAR(e.Rear.CutOff->Percent, 81.8, 0.05);
    // The worn valve reads its events by the same rule: with no play it is the new gear.
    const PositionEvents w =
        FindWornEvents(test::Classic(*c), PlaceOf(*c, g), 0.0, e.DieSlip);
    EXPECT_NEAR(w.Front.Lead, e.Front.Lead, 1e-5);
    EXPECT_NEAR(w.Rear.Lead, e.Rear.Lead, 1e-5);
    ASSERT_TRUE(w.Front.CutOff && w.Rear.CutOff);
    EXPECT_NEAR(w.Front.CutOff->Percent, e.Front.CutOff->Percent, 1e-3);
    EXPECT_NEAR(w.Rear.CutOff->Percent, e.Rear.CutOff->Percent, 1e-3);
}

} // namespace
} // namespace vt
