// What every registered gear kind must hold, run over the registry so that a new gear is
// checked without a line here: sound tables, its sample's bodies keep their shape, and a
// pose does not depend on the poses solved before it.
#include "gears/GearChecks.h"
#include "gears/Gears.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vt::gears {
namespace {

TEST(GearEngine, EveryKindHasSoundTables) {
    for (const GearKind* k : AllGears()) {
        SCOPED_TRACE(std::string(k->Name()));
        EXPECT_EQ(FindGear(k->Name()), k);
        std::set<std::string> names;
        for (const Dimension& d : k->Dimensions()) {
            EXPECT_TRUE(names.insert(d.Name).second) << d.Name;
            EXPECT_LE(d.HardLow, d.Default) << d.Name;
            EXPECT_GE(d.HardHigh, d.Default) << d.Name;
        }
        const int pins = int(k->Pins().size());
        EXPECT_LE(pins, kMaxPins);
        for (const BodyInfo& b : k->Bodies())
            for (int p : b.Pins)
                EXPECT_TRUE(p >= 0 && p < pins) << b.Name;
        const ReverserInfo r = k->Reverser();
        const GearDesign d = k->Sample();
        EXPECT_EQ(d.Values.size(), k->Dimensions().size());
        EXPECT_GT(SettingOf(d, NamedPosition::FullForward),
                  SettingOf(d, NamedPosition::NormalForward));
        EXPECT_GE(r.FullDim, 0);
    }
}

TEST(GearEngine, EverySampleKeepsItsBodies) {
    for (const GearKind* k : AllGears()) {
        const test::BodyError e = test::WorstBodyError(k->Sample());
        EXPECT_LT(e.Error, 1e-9) << k->Name() << ": " << e.Where;
    }
}

// Far jumps of the crank and the reverser land on the pose a turn solved in order finds:
// no branch is lost to a start far from the root.
TEST(GearEngine, PoseDoesNotDependOnThePosesBefore) {
    for (const GearKind* k : AllGears()) {
        const GearDesign d = k->Sample();
        auto inOrder = k->MakeSolver(d), jumping = k->MakeSolver(d);
        const double settings[] = {SettingOf(d, NamedPosition::FullForward),
                                   SettingOf(d, NamedPosition::Mid),
                                   SettingOf(d, NamedPosition::FullReverse)};
        double valve[3][360];
        for (int j = 0; j < 3; ++j)
            for (int deg = 0; deg < 360; ++deg)
                valve[j][deg] = inOrder->Solve(deg, settings[j]).Valve;
        for (int i = 0; i < 360; ++i) {
            const int deg = (i * 137) % 360, j = i % 3;
            const GearPose far = jumping->Solve(deg, settings[j]);
            ASSERT_TRUE(far.Ok()) << k->Name() << " " << far.Failed << " at " << deg;
            EXPECT_NEAR(far.Valve, valve[j][deg], 1e-9) << k->Name() << " " << deg;
        }
    }
}

} // namespace
} // namespace vt::gears
