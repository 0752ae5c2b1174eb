// The four diagrams drawn from damaged designs (every dimension in turn NaN, infinite,
// zero or huge; bad stored positions and settings from a file): each drawing returns in
// bounded work, its coordinates stay bounded, and the gear is put back bit for bit.
#include "graphs/OvalDraw.h"
#include "graphs/PortsDraw.h"
#include "graphs/SineDraw.h"
#include "graphs/SteamDraw.h"

#include "model/Dimensions.h"
#include "model/MidGear.h"
#include "model/Rounding.h"
#include "render/RecordingCanvas.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace vt {
namespace {

using Draw = void (*)(Canvas&, State&);

constexpr Draw kDiagrams[] = {DrawSineDiagram, DrawOvalDiagram, DrawSteamDiagram, DrawPortsDiagram};
constexpr float kInf = std::numeric_limits<float>::infinity();

void CheckDrawing(State& s, Draw draw, const char* what) {
    const uint32_t angle = std::bit_cast<uint32_t>(s.DriverAngle);
    const uint32_t arm = std::bit_cast<uint32_t>(s.RevArmPos);
    RecordingCanvas r(632, 426);
    draw(r, s);
    EXPECT_LT(r.Calls().size(), 20000u) << what;
    for (const CanvasCall& c : r.Calls(CanvasCall::Line))
        for (int i = 0; i < 4; ++i) ASSERT_LE(std::abs(c.c[i]), kPixelLimit + 1000) << what;
    EXPECT_EQ(std::bit_cast<uint32_t>(s.DriverAngle), angle) << what;
    EXPECT_EQ(std::bit_cast<uint32_t>(s.RevArmPos), arm) << what;
}

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
            for (Draw d : kDiagrams) CheckDrawing(*c, d, "dimension");
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
            for (Draw d : kDiagrams) CheckDrawing(*c, d, "settings");
        }
    }
    for (int32_t count : {-5, 0, 10, 1 << 30}) {
        auto c = test::BuiltIn();
        c->RevArmCount = count;
        for (Draw d : kDiagrams) CheckDrawing(*c, d, "count");
    }
}

} // namespace
} // namespace vt
