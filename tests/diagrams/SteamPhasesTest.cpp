// The steam diagram's phase model of one end: every transition of the table with its
// "afterwards" rule, the pressure bounds of exhaust and admission, the admission's raise
// of a small opening, and the rear end as the mirror of the front.
#include "diagrams/SteamPhases.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {

struct Case {
    const char* what;
    char phase;
    float steam, exhaust; // the end's openings
    float x, xp;          // the piston now and before
    char phaseAfter;
};

// Front end, pressure 100, release pressure 60.
TEST(SteamPhases, TransitionsOfTheFrontEnd) {
    const Case cases[] = {
        {"exhaust stays while the exhaust is open", '1', -0.1f, 0.2f, 300, 320, '1'},
        {"exhaust closed: compression", '1', -0.1f, -0.01f, 300, 320, '2'},
        {"compression stays while the piston nears the front", '2', -0.1f, -0.1f, 30, 40, '2'},
        {"compression: the steam port opens", '2', 0.01f, -0.1f, 30, 40, '3'},
        {"compression past the front dead centre: admission", '2', -0.1f, -0.1f, 12, 8, '3'},
        {"admission stays while the port is open", '3', 0.1f, -0.1f, 100, 90, '3'},
        {"admission: the port closes, expansion", '3', 0.0f, -0.1f, 100, 90, '4'},
        {"expansion stays", '4', -0.1f, -0.1f, 300, 290, '4'},
        {"expansion: the exhaust opens", '4', -0.1f, 0.01f, 600, 590, '1'},
        {"expansion: the steam port opens again", '4', 0.02f, -0.1f, 300, 290, '3'},
    };
    for (const Case& k : cases) {
        SteamEnd e;
        e.Pressure = 100;
        e.ReleasePressure = 60;
        e.Phase = k.phase;
        float steam = k.steam;
        StepSteamEnd(e, CylEnd::Front, {steam, k.exhaust}, k.x, k.xp);
        EXPECT_EQ(e.Phase, k.phaseAfter) << k.what;
    }
}

TEST(SteamPhases, PressureStepsOfTheFrontEnd) {
    SteamEnd e;
    float steam = -0.1f;
    e.Pressure = 100;
    e.ReleasePressure = 60;
    e.Phase = '1';
    StepSteamEnd(e, CylEnd::Front, {steam, 0.1f}, 300, 320); // exhaust: less a fifteenth of 60
    EXPECT_FLOAT_EQ(e.Pressure, 96);
    e.Phase = '2';
    StepSteamEnd(e, CylEnd::Front, {steam, -0.1f}, 99, 110); // compression: + (110 / 100 + 0.3)^4
    EXPECT_FLOAT_EQ(e.Pressure, 96 + std::pow(1.4f, 4.0f));
    e.Pressure = 100;
    e.Phase = '3';
    steam = 0.1f;
    StepSteamEnd(e, CylEnd::Front, {steam, -0.1f}, 155, 150); // admission: + 0.1 x 100000 / 200
    EXPECT_FLOAT_EQ(e.Pressure, 150);
    steam = -0.1f;
    StepSteamEnd(e, CylEnd::Front, {steam, -0.1f}, 300, 200); // expansion: x 300 / 400 x 0.96
    EXPECT_FLOAT_EQ(e.Pressure, 150 * 0.75f * 0.96f);
    EXPECT_EQ(e.Phase, '4');
    StepSteamEnd(e, CylEnd::Front, {steam, 0.1f}, 600, 590); // release remembered
    EXPECT_FLOAT_EQ(e.ReleasePressure, 108);
    EXPECT_FLOAT_EQ(e.Pressure, 108 - 108 / 15.0f);
}

TEST(SteamPhases, ExhaustNeverBelowFiveAdmissionNeverAboveThreeHundredAndThree) {
    SteamEnd e;
    e.Phase = '1';
    e.Pressure = 20;
    e.ReleasePressure = 3000;
    float steam = -1;
    StepSteamEnd(e, CylEnd::Front, {steam, 0.3f}, 400, 390);
    EXPECT_EQ(e.Pressure, 5.0f);
    e.Phase = '3';
    steam = 10;
    StepSteamEnd(e, CylEnd::Front, {steam, -0.3f}, 20, 10);
    EXPECT_EQ(e.Pressure, 303.0f);
    // Expansion and compression have no bounds of their own.
    e.Phase = '2';
    e.Pressure = 303;
    steam = -1;
    StepSteamEnd(e, CylEnd::Front, {steam, -0.3f}, 1, 40);
    EXPECT_GT(e.Pressure, 303.0f);
}

TEST(SteamPhases, AdmissionRaisesASmallOpeningAndUsesTheRaisedValue) {
    SteamEnd e;
    e.Phase = '3';
    e.Pressure = 10;
    float steam = 0.001f;
    StepSteamEnd(e, CylEnd::Front, {steam, -0.1f}, 5, 0);
    EXPECT_EQ(steam, 0.005f);
    EXPECT_FLOAT_EQ(e.Pressure, 10 + 0.005f * 100000 / 50);
    steam = 0.02f; // a larger opening is left alone
    StepSteamEnd(e, CylEnd::Front, {steam, -0.1f}, 5, 0);
    EXPECT_EQ(steam, 0.02f);
}

TEST(SteamPhases, LabelStateReturnsInAdmissionOnly) {
    SteamEnd e;
    float steam = 0.1f;
    e.LabelState = '2';
    e.Phase = '4';
    StepSteamEnd(e, CylEnd::Front, {steam, -0.1f}, 300, 290);
    EXPECT_EQ(e.LabelState, '2');
    EXPECT_EQ(e.Phase, '3');
    StepSteamEnd(e, CylEnd::Front, {steam, -0.1f}, 300, 290);
    EXPECT_EQ(e.LabelState, '1');
}

// The rear end measures from its own dead centre: at x the rear behaves as the front at
// 640 - x, including the compression's end past the dead centre.
TEST(SteamPhases, RearEndMirrorsTheFront) {
    const struct {
        char phase;
        float steam, exhaust, x, xp;
    } steps[] = {{'1', -0.1f, 0.1f, 300, 280}, {'2', -0.1f, -0.1f, 560, 550}, {'3', 0.05f, -0.1f, 600, 610},
                 {'4', -0.1f, -0.1f, 400, 420}, {'2', -0.1f, -0.1f, 628, 632}};
    for (const auto& k : steps) {
        SteamEnd front, rear;
        front.Pressure = rear.Pressure = 120;
        front.ReleasePressure = rear.ReleasePressure = 90;
        front.Phase = rear.Phase = k.phase;
        float fs = k.steam, rs = k.steam;
        StepSteamEnd(front, CylEnd::Front, {fs, k.exhaust}, 640 - k.x, 640 - k.xp);
        StepSteamEnd(rear, CylEnd::Rear, {rs, k.exhaust}, k.x, k.xp);
        EXPECT_FLOAT_EQ(rear.Pressure, front.Pressure) << k.phase;
        EXPECT_EQ(rear.Phase, front.Phase) << k.phase;
    }
}

TEST(SteamPhases, AnUnknownPhaseLeavesTheEndAlone) {
    SteamEnd e;
    e.Phase = '7';
    e.Pressure = 42;
    float steam = 0.2f;
    StepSteamEnd(e, CylEnd::Rear, {steam, 0.2f}, 100, 90);
    EXPECT_EQ(e.Pressure, 42.0f);
    EXPECT_EQ(e.Phase, '7');
}

} // namespace
} // namespace vt
