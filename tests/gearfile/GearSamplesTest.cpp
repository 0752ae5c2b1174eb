// The gear samples in data/: each file is its design (the gears' own sample designs and
// the built-in classic one) and assembles over a turn at every named position.
// VT_UPDATE_GOLDEN=1 writes the files anew with the gear file writer.
#include "gearfile/GearFile.h"

#include "gears/kinds/Allan.h"
#include "gears/kinds/Baker.h"
#include "gears/kinds/ClassicGear.h"
#include "gears/kinds/Gooch.h"
#include "gears/kinds/Hackworth.h"
#include "gears/kinds/Joy.h"
#include "gears/kinds/Marshall.h"
#include "gears/kinds/Southern.h"
#include "gears/kinds/Walschaerts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace vt {
namespace {

using gears::GearDesign;

GearDesign Nominal() {
    GearDesign d = gears::ClassicGear().Sample();
    d.Name = "Nominal: the built-in classic shifting-link design, in model units";
    return d;
}

const struct {
    const char* file;
    std::function<GearDesign()> make;
} kSamples[] = {
    {"Walschaerts.vgear", [] { return gears::Walschaerts().Sample(); }},
    {"Walschaerts Inside.vgear", gears::WalschaertsInside},
    {"Nominal.vgear", Nominal},
    {"Baker.vgear", [] { return gears::Baker().Sample(); }},
    {"Gooch.vgear", [] { return gears::Gooch().Sample(); }},
    {"Joy.vgear", [] { return gears::Joy().Sample(); }},
    {"Hackworth.vgear", [] { return gears::Hackworth().Sample(); }},
    {"Marshall.vgear", [] { return gears::Marshall().Sample(); }},
    {"Allan.vgear", [] { return gears::Allan().Sample(); }},
    {"Southern.vgear", [] { return gears::Southern().Sample(); }},
};

TEST(GearSamples, EachFileIsItsDesignAndAssemblesOverATurn) {
    for (const auto& sample : kSamples) {
        const std::string path = std::string(VT_DATA_DIR) + "/" + sample.file;
        const GearDesign want = sample.make();
        if (std::getenv("VT_UPDATE_GOLDEN")) {
            ASSERT_TRUE(SaveGearFile(want, path).ok) << path;
        }
        GearDesign d;
        const GearFileResult r = OpenGearFile(d, path);
        ASSERT_TRUE(r.ok) << path << ": " << r.message;
        EXPECT_EQ(d.Kind, want.Kind) << path;
        EXPECT_EQ(d.Name, want.Name) << path;
        EXPECT_EQ(d.Unit, want.Unit) << path;
        EXPECT_EQ(d.Values, want.Values) << path;
        EXPECT_EQ(d.Positions, want.Positions) << path;
        const auto solver = d.Kind->MakeSolver(d);
        if (const char* body = solver->Failed()) {
            ADD_FAILURE() << path << ": " << body << " cannot be assembled";
            continue;
        }
        for (gears::NamedPosition p : gears::kNamedPositions) {
            for (int deg = 0; deg < 360; deg += 5) {
                const gears::GearPose pose = solver->Solve(deg, gears::SettingOf(d, p));
                EXPECT_TRUE(pose.Ok()) << path << " at " << gears::PositionName(p) << ", "
                                       << deg << " deg: " << pose.Failed;
            }
        }
    }
}

} // namespace
} // namespace vt
