// The four diagrams drawn from damaged designs (every dimension in turn NaN, infinite,
// zero or huge; bad stored positions and settings from a file): each drawing returns in
// bounded work, its coordinates stay bounded, and the gear is put back bit for bit.
#include "model/Dimensions.h"
#include "model/MidGear.h"
#include "support/Designs.h"
#include "support/DrawingChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt {
namespace {

using test::CheckDiagram;
using test::Diagram;
using test::kDiagrams;

constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(DiagramRobustness, EveryDimensionDamagedInTurn) {
    auto c = test::BuiltIn();
    c->RevArmCount = 2;
    c->PortGraphMode = 'B';
    std::vector<float*> inputs;
    for (const auto& d : FrameDimensionTable()) inputs.push_back(&d.Ref(*c));
    for (const auto& d : CylDimensionTable()) inputs.push_back(&d.Ref(*c));
    for (float bad : {std::nanf(""), kInf, 0.0f, -1e30f}) {
        for (float* p : inputs) {
            const float saved = *p;
            *p = bad;
            FindRevArmCent(*c);
            for (Diagram d : kDiagrams) CheckDiagram(*c, d, "dimension");
            *p = saved;
            if (HasFatalFailure()) return;
        }
    }
}

TEST(DiagramRobustness, DamagedPositionsAndSettings) {
    for (float bad : {std::nanf(""), -kInf, 3e38f, 0.0f}) {
        auto c = test::BuiltIn();
        c->RevArmCount = 9;
        for (int k = 1; k <= 9; ++k) c->RevArmSet[k] = bad;
        c->RevArmSet[0] = bad;
        c->LiftArmSense = c->EccSense = bad;
        c->FontScaleX = c->FontScaleY = bad;
        c->VertScale = bad;
        c->DriverAngle = c->RevArmPos = bad;
        c->DynVarsOn = c->UndoOn = true;
        c->DynVarValue[1] = bad;
        for (char mode : {'F', 'R', 'B', '?'}) {
            c->PortGraphMode = mode;
            for (Diagram d : kDiagrams) CheckDiagram(*c, d, "settings");
        }
    }
    for (int32_t count : {-5, 0, 10, 1 << 30}) {
        auto c = test::BuiltIn();
        c->RevArmCount = count;
        for (Diagram d : kDiagrams) CheckDiagram(*c, d, "count");
    }
}

} // namespace
} // namespace vt
