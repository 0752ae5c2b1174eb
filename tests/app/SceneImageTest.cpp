// The scene drawn through the Qt canvas: the start-up frame against a committed golden
// image (see support/Golden.h), its colours at known places, and far-off views drawn in
// bounded work.
#include "canvas/QtCanvas.h"
#include "model/Controls.h"
#include "model/Rounding.h"
#include "render/Scene.h"
#include "support/Designs.h"
#include "support/Golden.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace vt {
namespace {

QImage StartUpFrame(test::CountingState& c) {
    c->RunStep = 0;
    TickModel(*c);
    static QtCanvas* canvas = nullptr; // one canvas for the program: fonts stay cached
    if (!canvas) canvas = new QtCanvas(kSceneWidth, kSceneHeight);
    DrawScene(*canvas, *c);
    return canvas->Image().copy();
}

QColor At(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

void ExpectGolden(const QImage& actual, const std::string& name) {
    test::ExpectGolden(actual, VT_GOLDEN_DIR, name);
}

TEST(SceneImage, StartUpFrameMatchesTheGolden) {
    auto c = test::BuiltIn();
    ExpectGolden(StartUpFrame(c), "startup_linkage");
}

TEST(SceneImage, ReadoutsReferencePointsAndBannerMatchTheGolden) {
    auto c = test::BuiltIn();
    c->RefPointsOn = c->DynVarsOn = true;
    c->PivotX[19] = 2.0f;
    c->PivotY[19] = 3.0f;
    c->PivotX[20] = 8.13f;
    c->PivotY[20] = 1.3f;
    ExpectGolden(StartUpFrame(c), "readouts_refpoints_banner");
}

TEST(SceneImage, SteamFrameMatchesTheGolden) {
    auto c = test::BuiltIn();
    c->hooks.RandomSeed = [] { return 4242u; };
    c->SteamDispOn = true;
    c->RevArmPos = c->RevArmSet[2];
    c->ViewScale = 62; // the cylinder large, in the middle of the image
    c->ViewOffsetX = 320 - 16 * 62;
    c->ViewOffsetY = 302;
    // Forty ticks of ten degrees build the steam up; the frame shows 40 degrees past
    // the front dead centre: admission at the front, exhaust at the rear.
    QtCanvas canvas(kSceneWidth, kSceneHeight);
    for (int i = 0; i < 40; ++i) {
        TickModel(*c);
        DrawScene(canvas, *c);
    }
    ExpectGolden(canvas.Image(), "steam_normal_forward");
}

// The second frame of a marker: its view in force, the line red, the hourglass and label.
QImage MarkerFrame(int32_t markerNo) {
    auto c = test::BuiltIn();
    c->RunStep = 0;
    c->MarkerNo = markerNo;
    QtCanvas canvas(kSceneWidth, kSceneHeight);
    for (int i = 0; i < 2; ++i) {
        TickModel(*c);
        DrawScene(canvas, *c);
    }
    return canvas.Image().copy();
}

TEST(SceneImage, FrameAndCylinderMarkersMatchTheGolden) {
    ExpectGolden(MarkerFrame(21), "marker_reverse_arm_length");
    ExpectGolden(MarkerFrame(118), "marker_valve_rear_half");
}

TEST(SceneImage, ColoursAtTheirPlaces) {
    auto c = test::BuiltIn();
    const QImage img = StartUpFrame(c);
    EXPECT_EQ(At(img, 1000, 900), QColor(Qt::white));
    // The wheel's rim passes 99.75 pixels above the axle at (110, 270).
    bool rim = false;
    for (int y = 168; y <= 172; ++y) rim = rim || At(img, 110, y) == QColor(0, 0, 0);
    EXPECT_TRUE(rim);
    // Main rod: red at a point a third of the way from crank pin to crosshead.
    const int x = (2 * c->PivotScrX[2] + c->PivotScrX[3]) / 3;
    const int y = (2 * c->PivotScrY[2] + c->PivotScrY[3]) / 3;
    bool red = false;
    for (int dy = -1; dy <= 1; ++dy) red = red || At(img, x, y + dy) == QColor(255, 0, 0);
    EXPECT_TRUE(red);
    // Reach rod: black along the row of pivot 18, halfway to the axle.
    const int rx = (c->PivotScrX[18] + c->PivotScrX[1]) / 2;
    EXPECT_EQ(At(img, rx, c->PivotScrY[18]), QColor(0, 0, 0));
    // Lifting link in aqua between pivots 9 and 15.
    const int lx = (c->PivotScrX[9] + c->PivotScrX[15]) / 2, ly = (c->PivotScrY[9] + c->PivotScrY[15]) / 2;
    bool aqua = false;
    for (int dx = -1; dx <= 1; ++dx) aqua = aqua || At(img, lx + dx, ly) == QColor(0, 255, 255);
    EXPECT_TRUE(aqua);
}

TEST(SceneImage, FarOffViewsDrawInBoundedWork) {
    auto c = test::BuiltIn();
    c->ViewScale = 3000;
    c->ViewOffsetX = -2.0e6f; // the whole gear lies far to the left of the image
    c->ViewOffsetY = 5.0e5f;
    const QImage far = StartUpFrame(c);
    int ink = 0;
    for (int y = 0; y < far.height(); y += 4)
        for (int x = 0; x < far.width(); x += 4) ink += far.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_LT(ink, 200); // at most the clipped ends of long lines

    // A wheel of a million pixels' radius whose rim passes through the image.
    auto big = test::BuiltIn();
    big->ViewScale = 3000;
    big->DriverDia = 2.0f * 1.0e6f / 3000.0f;
    big->ViewOffsetX = 640.0f - 1.0e6f; // rim at x = 640 on the axle's row
    big->ViewOffsetY = 512;
    const QImage rim = StartUpFrame(big);
    bool found = false;
    for (int x = 636; x <= 644; ++x) found = found || rim.pixel(x, 512) == qRgb(0, 0, 0);
    EXPECT_TRUE(found);
}

} // namespace
} // namespace vt
