// The running main window over a long session: ticking with the steam display on, at
// the default view and at the largest zoom, its resident memory stays put once warm.
// Memory is measured only without the sanitizers, whose quarantine holds freed blocks
// on purpose; the sanitizer build runs the same ticks for its reports.
#include "support/MainFormTest.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace vt {
namespace {

// At the largest zoom a frame sets hundreds of thousands of steam dots; sanitized, that
// session is shortened further.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
constexpr int kTicks = 5'000, kZoomTicks = 500; // sanitized ticks cost ten times more
#else
constexpr bool kSanitized = false;
constexpr int kTicks = 100'000, kZoomTicks = 100'000;
#endif
constexpr int kWarmUpTicks = 2'000;
constexpr long kAllowedGrowthKiB = 2'048;

long ResidentKiB() {
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return -1;
    const int read = std::fscanf(f, "%ld %ld", &pages, &resident);
    std::fclose(f);
    return read == 2 ? resident * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

using TickSoak = test::MainFormTest;

// Ticks the window as its timer would, letting the event loop paint now and then.
void Run(MainForm& form, int ticks) {
    for (int i = 0; i < ticks; ++i) {
        form.Timer1Timer();
        if (i % 64 == 0) QApplication::processEvents();
    }
}

void Soak(MainForm& form, const State& s, int ticks) {
    form.show();
    Run(form, kWarmUpTicks);
    const long before = ResidentKiB();
    const uint64_t ticksBefore = form.TickCount();
    Run(form, ticks);
    EXPECT_EQ(form.TickCount() - ticksBefore, uint64_t(ticks));
    EXPECT_TRUE(std::isfinite(s.DriverAngle));
    if (kSanitized) return;
    const long after = ResidentKiB();
    ASSERT_GT(before, 0);
    EXPECT_LT(after - before, kAllowedGrowthKiB) << "resident " << before << " KiB -> " << after << " KiB";
}

TEST_F(TickSoak, DefaultViewWithSteam) {
    s->SteamDispOn = true;
    Soak(*form, *s, kTicks);
}

TEST_F(TickSoak, LargestZoomOnTheCylinderWithSteam) {
    s->SteamDispOn = true;
    s->ViewScale = 3000;
    s->ViewOffsetX = 640 - 16 * 3000; // the cylinder centre in the image
    s->ViewOffsetY = 512 + 3000;
    Soak(*form, *s, kZoomTicks);
}

} // namespace
} // namespace vt
