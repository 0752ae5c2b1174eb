// The solve runs in tight loops (every tick, every graph sample) and must not allocate.
// This program replaces the global allocation functions to count calls.
#include "model/MidGear.h"
#include "model/Outlines.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t n) {
    ++g_allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace vt {
namespace {

TEST(NoAllocation, SolveEventsAndOutlinesOverATurn) {
    auto c = test::BuiltIn();
    c->RevArmPos = c->RevArmSet[2];
    const long before = g_allocations.load();
    for (int a = 0; a < 360; ++a) {
        c->DriverAngle = float(a);
        SolveLinkage(*c);
        ComputeValveEvents(*c);
        BuildCylinderOutline(*c);
        BuildPistonValveOutline(*c);
    }
    FindRevArmCent(*c);
    c->LiftingLinkLen = 5000; // the give-up path too
    SolveLinkage(*c);
    EXPECT_EQ(g_allocations.load() - before, 0);
}

} // namespace
} // namespace vt
