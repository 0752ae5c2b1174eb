// The steam display: the phase colours and memories, the quantities, the dots and their
// bounds, and the exhaust beats with their volumes.
#include "render/SteamDisplay.h"

#include "model/Controls.h"
#include "model/Rounding.h"
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

TEST_F(SteamTest, DotCountsFollowTheScaleUpToTheZoomLimit) {
    c->RunStep = 0;
    c->SteamFront = c->SteamRear = 2000;
    c->ViewScale = 3000;
    c->ViewOffsetX = -45000; // the cylinder near the image
    c->ViewOffsetY = 6000;
    const std::size_t atLimit = Frame().Calls(CanvasCall::Pixel).size();
    c->ViewScale = 3.0e9f; // as a damaged file could carry
    const std::size_t beyond = Frame().Calls(CanvasCall::Pixel).size();
    EXPECT_LE(beyond, atLimit); // clamped pixels may empty some regions; never more dots
    // Both ends at the maximum: 324,324 cylinder dots each at the largest zoom.
    EXPECT_GE(atLimit, 2u * 324324u);
}

TEST_F(SteamTest, AFlatPassageBeepsOncePerFrame) {
    c->CylBoreDia = 2 * (c->ValveSurfaceToCylCL - c->ExhPortWidth / 1.5f); // C5y == W3y
    c.resetBeeps();
    Frame();
    EXPECT_EQ(c.beeps(), 1);
}

} // namespace
} // namespace vt

namespace vt {
namespace {

TEST_F(SteamTest, PhasesRunInOrderThroughATurn) {
    c->RunStep = 2;
    std::vector<Color> front;
    for (int i = 0; i < 360; ++i) {
        TickModel(*c);
        RecordingCanvas r;
        char phase = c->PhaseFront;
        const Color colour = EndPhase(phase, c->FrontSteamOpening, c->FrontExhOpening, colors::Black);
        DrawSteam(r, *c);
        if (i >= 180 && (front.empty() || !(front.back() == colour))) front.push_back(colour);
    }
    // The second turn: admission, expansion, exhaust, compression, admission again.
    const std::vector<Color> cycle = {colors::Red, colors::Fuchsia, colors::Blue, colors::DarkGreen};
    ASSERT_GE(front.size(), 4u);
    std::size_t start = 0;
    while (start < front.size() && !(front[start] == colors::Red)) ++start;
    for (std::size_t k = 0; k + start < front.size(); ++k)
        EXPECT_EQ(front[start + k], cycle[k % 4]) << k;
}

TEST_F(SteamTest, RearTakesTheFrontColourBeforeItsOwnRulesFire) {
    char rear = 0;
    EXPECT_EQ(EndPhase(rear, -0.1f, -0.1f, colors::Red), colors::Red);
    // A valve with exhaust lap, and an angle where the front admits while both rear
    // edges are lapped.
    c->ValveExhCavityRear = c->ValveExhCavityFront = 0.1f;
    c->RunStep = 0;
    int found = -1;
    for (int a = 0; a < 360 && found < 0; ++a) {
        c->DriverAngle = float(a);
        TickModel(*c);
        if (c->FrontSteamOpening > 0 && c->RearSteamOpening <= 0 && c->RearExhOpening <= 0) found = a;
    }
    ASSERT_GE(found, 0);
    c->DriverAngle = float(found);
    c->PhaseRear = 0; // nothing seen yet at the rear
    TickModel(*c);
    RecordingCanvas r;
    DrawSteam(r, *c);
    int rearDots = 0, rearRed = 0;
    for (const CanvasCall& call : r.Calls(CanvasCall::Pixel)) {
        const bool rearSpace = call.c[0] >= c->CylOutlineX[5] && call.c[0] < c->PistonValveX[1] &&
                               call.c[1] >= c->CylOutlineY[5] && call.c[1] < c->CylOutlineY[6];
        rearDots += rearSpace;
        rearRed += rearSpace && call.pen == colors::Red;
    }
    EXPECT_GT(rearDots, 0);
    EXPECT_EQ(rearRed, rearDots); // the front's admission red
}

TEST_F(SteamTest, PistonOnTheCoverLeavesThatEndsSpaceEmpty) {
    c->RunStep = 0;
    c->PistonRodLen = 8.5f; // the piston's front face beyond the front cover at 0 degrees
    c->DriverAngle = 0;
    TickModel(*c);
    ASSERT_GE(c->PistonValveX[4], c->CylOutlineX[7]); // P3x >= C7x
    RecordingCanvas r;
    DrawSteam(r, *c);
    // Only cylinder-space dots lie in the bore's height: the rear end's behind the piston,
    // the front end's from the piston onwards. The front passage and port are above it.
    const int32_t boreTop = c->CylOutlineY[5], boreBottom = c->CylOutlineY[6];
    const int32_t pistonRear = c->PistonValveX[1];
    const int32_t middle = ToPixel(c->CylCtrToDriverCtr * c->ViewScale + c->ViewOffsetX);
    const int32_t seat = c->CylOutlineY[2], passageTop = c->CylOutlineY[17]; // C2y, W3y
    int front = 0, rear = 0, frontPassage = 0, frontPort = 0;
    for (const CanvasCall& call : r.Calls(CanvasCall::Pixel)) {
        const int32_t x = call.c[0], y = call.c[1];
        if (y >= boreTop && y < boreBottom) ++(x >= pistonRear ? front : rear);
        frontPassage += x > middle && y >= passageTop && y < boreTop;
        frontPort += x >= c->CylOutlineX[21] && x < c->CylOutlineX[10] && y >= seat && y < passageTop;
    }
    EXPECT_EQ(front, 0);
    EXPECT_GT(rear, 0);
    EXPECT_GT(frontPassage, 0);
    EXPECT_GT(frontPort, 0);
}

TEST_F(SteamTest, BeatVolumeComesFromTheOtherEndsSavedQuantity) {
    c->BeatSteamRear = 450; // the rear's quantity at its last beat
    c->BeatArmedFront = '1';
    c->RunStep = 0;
    // Find an angle with the front open to exhaust.
    for (int a = 0; a < 360 && plays == 0; a += 5) {
        c->DriverAngle = float(a);
        Frame();
    }
    ASSERT_EQ(plays, 1);
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.back(), 0x40004000u); // 401..600
    EXPECT_EQ(c->BeatArmedFront, '0');
    EXPECT_EQ(c->BeatSteamFront, c->SteamFront);
}

} // namespace
} // namespace vt
