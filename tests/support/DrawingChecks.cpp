// Checks of drawings from damaged designs; see DrawingChecks.h.
#include "support/DrawingChecks.h"

#include "diagrams/OvalDraw.h"
#include "diagrams/PortsDraw.h"
#include "diagrams/SineDraw.h"
#include "diagrams/SteamDraw.h"
#include "model/Rounding.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>

namespace vt::test {

namespace {
constexpr int kCoordinateLimit = kPixelLimit + 1000;
constexpr std::size_t kDiagramCalls = 20000;
} // namespace

const Diagram kDiagrams[4] = {DrawSineDiagram, DrawOvalDiagram, DrawSteamDiagram, DrawPortsDiagram};

void CheckCanvasCalls(const RecordingCanvas& r, std::size_t maxCalls, const char* what) {
    EXPECT_LT(r.Calls().size(), maxCalls) << what;
    for (const CanvasCall& c : r.Calls())
        for (int v : c.c)
            ASSERT_LE(std::abs(int64_t(v)), kCoordinateLimit) << what << ", call " << int(c.kind);
}

void CheckDiagram(State& s, Diagram draw, const char* what) {
    const uint32_t angle = std::bit_cast<uint32_t>(s.DriverAngle);
    const uint32_t arm = std::bit_cast<uint32_t>(s.RevArmPos);
    RecordingCanvas r(632, 426);
    draw(r, s);
    CheckCanvasCalls(r, kDiagramCalls, what);
    EXPECT_EQ(std::bit_cast<uint32_t>(s.DriverAngle), angle) << what;
    EXPECT_EQ(std::bit_cast<uint32_t>(s.RevArmPos), arm) << what;
}

} // namespace vt::test
