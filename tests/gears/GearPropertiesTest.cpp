// The textbook properties of each gear's sample, one table of which apply to which gear:
// each side of mid gear runs its own way, mid gear gives the least travel, the lead stays
// the same across the notches, and mid gear's travel is twice lap and lead.
#include "gears/GearChecks.h"
#include "gears/Gears.h"
#include "gears/kinds/Walschaerts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace vt::gears {
namespace {

using test::End;
using test::FullTravel;
using test::ScanPort;

struct Row {
    const char* Name;       // the kind, whose sample is checked unless Design is given
    GearDesign (*Design)(); // another design of it; nullptr: the kind's sample
    bool RunsBothWays;
    bool LeastTravelAtMid;
    // Constant lead: the notches scanned from full gear either way down to this cut-off
    // (%, 0: through mid gear), each end's lead within LeadSpread of the full-gear travel.
    double LeadDownTo;
    double LeadSpread; // 0: the lead is not a property of this gear
    double MidTravel;  // mid-gear travel = 2 (lap + lead) within this share; 0: not one
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.Name; }

constexpr Row kRows[] = {
    // name, design, both ways, least at mid, lead down to, lead spread, mid travel
    {"walschaerts", nullptr, true, true, 20, 0.005, 0.02},
    {"walschaertsinside", WalschaertsInside, true, true, 20, 0.005, 0.02},
    {"baker", nullptr, true, true, 20, 0.005, 0.05},
    {"gooch", nullptr, true, true, 20, 0.005, 0.05},
    {"joy", nullptr, true, true, 20, 0.005, 0.05},
    {"hackworth", nullptr, true, true, 0, 0.0002, 0.02},
    {"marshall", nullptr, true, true, 0, 0.0002, 0.02},
    {"allan", nullptr, true, true, 0, 0, 0.02},
    {"southern", nullptr, true, true, 20, 0.005, 0.02},
};

GearDesign DesignOf(const Row& row) {
    if (row.Design) return row.Design();
    const GearKind* k = FindGear(row.Name);
    return k ? k->Sample() : GearDesign{};
}

class GearProperties : public testing::TestWithParam<Row> {
protected:
    void SetUp() override {
        design = DesignOf(GetParam());
        ASSERT_NE(design.Kind, nullptr) << GetParam().Name;
        solver = design.Kind->MakeSolver(design);
        ASSERT_EQ(solver->Failed(), nullptr);
        face = design.Kind->Face(design);
        full = SettingOf(design, NamedPosition::FullForward);
        normal = SettingOf(design, NamedPosition::NormalForward);
    }
    GearDesign design;
    std::unique_ptr<GearSolver> solver;
    PortFace face;
    double full = 0, normal = 0;
};

// Forward settings give the events in the forward order (admission just before the dead
// centre, cut-off after it), reverse ones in the reverse; never the other way.
TEST_P(GearProperties, EachSideOfMidGearRunsItsOwnWay) {
    if (!GetParam().RunsBothWays) GTEST_SKIP();
    for (double setting : {normal, -normal, 2 * normal, -2 * normal, full, -full}) {
        SCOPED_TRACE(setting);
        for (End end : {End::Front, End::Rear}) {
            const auto run = ScanPort(*solver, face, setting, setting > 0, end);
            EXPECT_LT(run.Admission, 0);
            EXPECT_GT(run.Admission, -30);
            EXPECT_GT(run.CutOff, 10);
            EXPECT_LT(run.CutOff, run.Release);
            EXPECT_LT(ScanPort(*solver, face, setting, setting < 0, end).Admission, -10);
        }
    }
}

// Mid gear has the least full travel of the reverser's range, and it grows either way.
TEST_P(GearProperties, MidGearHasTheLeastTravel) {
    if (!GetParam().LeastTravelAtMid) GTEST_SKIP();
    const double mid = FullTravel(*solver, 0);
    for (double a = full / 8; a <= full; a += full / 8) {
        EXPECT_GT(FullTravel(*solver, a), mid + 1e-4) << a;
        EXPECT_GT(FullTravel(*solver, -a), mid + 1e-4) << -a;
    }
}

// Each end's lead, running either way from full gear down the notches, stays within the
// row's spread: the gear laid out for a constant lead keeps it.
TEST_P(GearProperties, LeadIsConstantAcrossTheNotches) {
    const Row& row = GetParam();
    if (row.LeadSpread == 0) GTEST_SKIP();
    double lo = INFINITY, hi = -INFINITY, shortest = 100;
    for (double sign : {1.0, -1.0})
        for (double a = full; a >= 0; a -= full / 30) {
            const auto front = ScanPort(*solver, face, sign * a, sign > 0, End::Front);
            if (front.CutOffPercent < row.LeadDownTo) break;
            for (double lead : {front.Lead, ScanPort(*solver, face, sign * a, sign > 0,
                                                     End::Rear).Lead})
                lo = std::min(lo, lead), hi = std::max(hi, lead);
            shortest = std::min(shortest, front.CutOffPercent);
        }
    EXPECT_LT(shortest, 25); // the scan reached the short notches
    EXPECT_GT(lo, 0);
    EXPECT_LT(hi - lo, row.LeadSpread * FullTravel(*solver, full)) << lo << " .. " << hi;
}

// In mid gear only the lap and lead part moves the valve: its travel is 2 (lap + lead).
TEST_P(GearProperties, MidGearTravelIsTwiceLapAndLead) {
    const Row& row = GetParam();
    if (row.MidTravel == 0) GTEST_SKIP();
    const double lead = ScanPort(*solver, face, 0, true, End::Front).Lead;
    const double want = 2 * (LapsOf(face).FrontSteam + lead);
    EXPECT_NEAR(FullTravel(*solver, 0), want, row.MidTravel * want);
}

INSTANTIATE_TEST_SUITE_P(Samples, GearProperties, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& row) {
                             return std::string(row.param.Name);
                         });

} // namespace
} // namespace vt::gears
