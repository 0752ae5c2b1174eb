// The workbench's Qt-free rules: refusals, value texts and fractions, typed values, the
// change of unit, the marks of rows, and the view's zoom and fit.
#include "workbench/DimensionRules.h"
#include "gears/kinds/Walschaerts.h"
#include "workbench/GearPicture.h"
#include "workbench/GearView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt::wb {
namespace {

using gears::GearDesign;

struct Rules : ::testing::Test {
    GearDesign d = gears::Walschaerts().Sample(); // in inches
    int Dim(const char* name) const { return d.Kind->DimensionIndex(name); }
};

TEST_F(Rules, RefusesWhatIsNotFiniteOrOutsideTheHardBoundsAndSaysWhy) {
    const int rod = Dim("MainRodLen");
    EXPECT_FALSE(RefusalOf(d, rod, 125));
    EXPECT_FALSE(RefusalOf(d, rod, 500)); // unusual, beyond the sensible bounds, but solved
    const auto negative = RefusalOf(d, rod, -5);
    ASSERT_TRUE(negative);
    EXPECT_NE(negative->find("Main rod must lie between"), std::string::npos) << *negative;
    EXPECT_NE(negative->find("not changed"), std::string::npos);
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity()})
        EXPECT_NE(RefusalOf(d, rod, bad).value_or("").find("finite"), std::string::npos);
    const int angle = Dim("FullGearAngle");
    EXPECT_TRUE(RefusalOf(d, angle, 90));
    EXPECT_FALSE(RefusalOf(d, angle, 45));
}

TEST_F(Rules, InchesShowAsSixtyFourthsInLowestTermsAndReadBack) {
    const int rod = Dim("ValveRodLen");
    const struct {
        double value;
        const char* text;
    } cases[] = {{3.96875, "3 31/32"},
                 {-0.125, "-1/8"},
                 {2.0, "2"},
                 {0.004, "0"},
                 {1.5 + 1.0 / 128 + 1e-9, "1 33/64"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ValueText(d, rod, c.value, true), c.text) << c.value;
        EXPECT_NEAR(*ParseValue(d, rod, c.text), std::round(c.value * 64) / 64, 1e-12) << c.text;
    }
    EXPECT_EQ(ValueText(d, rod, 3.96875, false), "3.96875");
    EXPECT_EQ(ValueText(d, Dim("FullGearAngle"), 40.25, true), "40.25"); // angles stay decimal
    EXPECT_EQ(ValueText(d, Dim("Admission"), 1, false), "inside");
    EXPECT_EQ(ParseValue(d, Dim("Admission"), "inside"), 1.0);
    EXPECT_FALSE(ParseValue(d, Dim("Admission"), "sideways"));
    for (const char* junk : {"", "12x", "1/0", "abc"})
        EXPECT_FALSE(ParseValue(d, rod, junk)) << junk;
}

TEST_F(Rules, ChangingTheUnitRescalesLengthsAndBoundsButNotAnglesOrChoices) {
    d.Values[std::size_t(Dim("Admission"))] = 1;
    const GearDesign mm = InUnit(d, gears::LengthUnit::Millimetre);
    EXPECT_EQ(mm.Unit, gears::LengthUnit::Millimetre);
    EXPECT_DOUBLE_EQ(mm.Value("StrokeLen"), 26 * 25.4);
    EXPECT_DOUBLE_EQ(mm.Value("FullGearAngle"), d.Value("FullGearAngle"));
    EXPECT_DOUBLE_EQ(mm.Value("Admission"), 1);
    EXPECT_DOUBLE_EQ(BoundsOf(mm, Dim("StrokeLen")).High, 40 * 25.4);
    EXPECT_EQ(UnitText(mm, Dim("StrokeLen")), "mm");
    EXPECT_EQ(UnitText(mm, Dim("FullGearAngle")), "deg");
    const GearDesign back = InUnit(mm, gears::LengthUnit::Inch);
    for (std::size_t i = 0; i < d.Values.size(); ++i)
        EXPECT_NEAR(back.Values[i], d.Values[i], 1e-12);
}

TEST_F(Rules, ARodsLengthMarksItsTwoPinsAndOtherRowsMarkNothing) {
    const DimensionMark rod = MarkOf(*d.Kind, Dim("RadiusRodLen"));
    ASSERT_TRUE(rod.Marked());
    EXPECT_STREQ(d.Kind->Bodies()[std::size_t(rod.Body)].Name, "Radius rod");
    EXPECT_EQ(rod.PinA, d.Kind->PinIndex("Die"));
    EXPECT_EQ(rod.PinB, d.Kind->PinIndex("RadiusRodPin"));
    EXPECT_FALSE(MarkOf(*d.Kind, Dim("TrunnionY")).Marked());
    EXPECT_FALSE(MarkOf(*d.Kind, -1).Marked());
}

TEST(View, ZoomKeepsThePointUnderTheCursorAndFitShowsTheWholeBox) {
    const GearView v{2, 100, 300};
    const Vec2 cursor{250, 120};
    const GearView z = ZoomAbout(v, cursor, 1.5);
    EXPECT_DOUBLE_EQ(z.Scale, 3);
    EXPECT_LT((ToPixel(z, ToModel(v, cursor)) - cursor).norm(), 1e-9);
    EXPECT_DOUBLE_EQ(ZoomAbout(v, cursor, 1e12).Scale, kMaxScale);
    Box b;
    b.Add(Vec2{-10, -5});
    b.Add(Vec2{190, 45});
    const GearView f = FitBox(v, b, 800, 400, 10);
    const Vec2 lo = ToPixel(f, {b.X0, b.Y1}), hi = ToPixel(f, {b.X1, b.Y0});
    EXPECT_NEAR(lo.x(), 10, 1e-9); // the wider side touches the margins
    EXPECT_NEAR(hi.x(), 790, 1e-9);
    EXPECT_GE(lo.y(), 10);
    EXPECT_LE(hi.y(), 390);
    EXPECT_NEAR(lo.y() + hi.y(), 400, 1e-9); // centred
    EXPECT_DOUBLE_EQ(FitBox(v, Box{}, 800, 400, 10).Scale, v.Scale);
}

// An end open to steam is in admission and one open to the exhaust exhausts, whichever way
// the piston moves; a shut end expands while it grows and compresses while it shrinks.
TEST(Steam, EachEndsPhaseFromItsOpeningsAndItsVolume) {
    const struct {
        double steam, exhaust;
        int growing;
        Steam phase;
    } cases[] = {{0.3, -1, 1, Steam::Admission},
                 {0.3, -1, -1, Steam::Admission},
                 {-0.2, 0.5, 1, Steam::Exhaust},
                 {-0.2, 0.5, -1, Steam::Exhaust},
                 {-0.2, -0.1, 1, Steam::Expansion},
                 {-0.2, -0.1, -1, Steam::Compression},
                 {0, 0, 0, Steam::None}};
    for (const auto& c : cases)
        EXPECT_EQ(EndSteam(c.steam, c.exhaust, c.growing), c.phase) << c.steam << " " << c.exhaust;
}

// Walschaerts' sample just after the front dead centre, turning forward at normal gear: the
// front end takes steam behind a piston moving to the rear, the rear end exhausts.
TEST(Steam, TheSampleAfterFrontDeadCentreAdmitsAtTheFrontAndExhaustsAtTheRear) {
    const gears::GearDesign d = gears::Walschaerts().Sample();
    const double normal = gears::SettingOf(d, gears::NamedPosition::NormalForward);
    const TurnSweep turn = SweepTurn(d, normal, 120);
    const SectionFrame f = FrameOf(d, turn);
    ASSERT_TRUE(f.Known);
    EXPECT_NEAR(f.Stroke, d.Value("StrokeLen"), 0.05);
    const gears::GearPose p = d.Kind->MakeSolver(d)->Solve(10, normal);
    const GearPicture pic = PictureOf(d, p, f, -1);
    const double piston = f.Face.Centre + p.Crosshead - f.CrossheadMid;
    int front = 0, rear = 0;
    for (const Line& l : pic.Lines) {
        if (l.On != Layer::Steam) continue;
        front += l.A.x() > piston && l.Colour == SteamColour(Steam::Admission);
        rear += l.A.x() < piston && l.Colour == SteamColour(Steam::Exhaust);
    }
    EXPECT_GT(front, 0);
    EXPECT_GT(rear, 0);
}

} // namespace
} // namespace vt::wb
