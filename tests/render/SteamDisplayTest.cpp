// The steam display: the phase colours and memories, the quantities, the dots and their
// bounds, and the exhaust beats with their volumes.
#include "render/SteamDisplay.h"

#include "model/Controls.h"
#include "render/RecordingCanvas.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <vector>

namespace vt {
namespace {

TEST(SteamPhase, ColoursFollowTheOpeningsAndTheMemory) {
    char phase = 0;
    EXPECT_EQ(EndPhase(phase, -0.1f, -0.1f, colors::Black), colors::Black); // nothing seen yet
    EXPECT_EQ(EndPhase(phase, -0.1f, -0.1f, colors::Blue), colors::Blue);   // keeps the start
    EXPECT_EQ(EndPhase(phase, 0.05f, -0.2f, colors::Black), colors::Red);   // admission
    EXPECT_EQ(phase, 'E');
    EXPECT_EQ(EndPhase(phase, -0.01f, -0.2f, colors::Black), colors::Fuchsia); // expansion
    EXPECT_EQ(EndPhase(phase, -0.2f, 0.03f, colors::Black), colors::Blue);     // exhaust
    EXPECT_EQ(phase, 'C');
    EXPECT_EQ(EndPhase(phase, -0.2f, 0.0f, colors::Black), colors::DarkGreen); // compression
}

TEST(SteamBeat, VolumeTable) {
    EXPECT_EQ(BeatVolume(23), std::nullopt);
    EXPECT_EQ(BeatVolume(24), 0x0700);
    EXPECT_EQ(BeatVolume(100), 0x0700);
    EXPECT_EQ(BeatVolume(101), 0x1400);
    EXPECT_EQ(BeatVolume(1200), 0x7000);
    EXPECT_EQ(BeatVolume(2001), 0x8000);
    EXPECT_EQ(BeatVolume(2002), std::nullopt);
}

struct SteamTest : ::testing::Test {
    test::CountingState c = test::BuiltIn();
    std::vector<uint32_t> volumes;
    int plays = 0;
    void SetUp() override {
        c->SteamDispOn = true;
        c->RevArmPos = c->RevArmSet[2]; // normal forward
        c->hooks.RandomSeed = [] { return 12345u; };
        c->hooks.SetWaveVolume = [this](uint32_t v) { volumes.push_back(v); };
        c->hooks.PlayExhaust = [this] { ++plays; };
    }
    RecordingCanvas Frame() {
        TickModel(*c);
        RecordingCanvas canvas;
        DrawSteam(canvas, *c);
        return canvas;
    }
    static int Dots(const RecordingCanvas& r, Color color) {
        int n = 0;
        for (const CanvasCall& call : r.Calls(CanvasCall::Pixel)) n += call.pen == color;
        return n;
    }
};

TEST_F(SteamTest, FirstFrameRaisesTheQuantityAndDrawsLiveSteam) {
    c->RunStep = 0;
    const RecordingCanvas r = Frame();
    EXPECT_EQ(c->SteamFront, 25.0f);
    EXPECT_EQ(c->SteamRear, 25.0f);
    // Live steam: round(5.4 S) + 3 x round(10.8 S) at most, here all four regions.
    EXPECT_GE(Dots(r, colors::Red), 154 + 308);
    EXPECT_EQ(r.Calls(CanvasCall::Text).size(), 4u); // the legend
    c->ScreenDataOn = false;
    EXPECT_TRUE(Frame().Calls(CanvasCall::Text).empty());
}

TEST_F(SteamTest, StoppedMotionKeepsTheQuantities) {
    for (int i = 0; i < 20; ++i) Frame(); // running: admission and exhaust change them
    c->RunStep = 0;
    const float front = c->SteamFront, rear = c->SteamRear;
    for (int i = 0; i < 5; ++i) Frame();
    EXPECT_EQ(c->SteamFront, front);
    EXPECT_EQ(c->SteamRear, rear);
}

TEST_F(SteamTest, QuantitiesStayInRange) {
    c->RunStep = 45;
    for (int i = 0; i < 200; ++i) {
        Frame();
        ASSERT_GE(c->SteamFront, 25.0f);
        ASSERT_LE(c->SteamFront, 2000.0f);
        ASSERT_GE(c->SteamRear, 25.0f);
        ASSERT_LE(c->SteamRear, 2000.0f);
    }
}

TEST_F(SteamTest, EachExhaustOpeningBeatsOnce) {
    c->RunStep = 5;
    for (int i = 0; i < 72 * 2; ++i) Frame(); // two turns
    // Two turns: each end opens to exhaust twice; the first beat of all is armed only
    // after the end's exhaust has been seen lapped.
    EXPECT_GE(plays, 3);
    EXPECT_LE(plays, 4);
    for (uint32_t v : volumes) EXPECT_EQ(v >> 16, v & 0xFFFF);
}

TEST_F(SteamTest, NoBeatIsArmedWhileAMarkerIsShown) {
    c->RunStep = 5;
    c->MarkerNo = 3;
    for (int i = 0; i < 72 * 2; ++i) Frame();
    EXPECT_EQ(plays, 0);
    c->MarkerNo = 0;
    for (int i = 0; i < 72 * 2; ++i) Frame();
    EXPECT_GE(plays, 3);
}

TEST_F(SteamTest, HugeViewsAreBoundedWork) {
    c->ViewScale = 3.0e9f;
    c->SteamFront = 2000;
    const RecordingCanvas r = Frame();
    EXPECT_LE(r.Calls(CanvasCall::Pixel).size(), std::size_t(kMaxDotsPerRegion) * 20);
}

} // namespace
} // namespace vt
