// A drawing in its own units fitted to a device: the fit itself, QtCanvas under a scale
// and offset read back pixel by pixel (thin lines one device pixel, wide pens, pixels and
// text scaled, ellipses and arcs mapped like their boxes), and the vector canvas's shapes
// where the raster canvas puts its pixels.
#include "canvas/ImageProbe.h"
#include "canvas/PainterCanvas.h"
#include "canvas/QtCanvas.h"
#include "render/Placement.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::InkExtent;
using test::InkNear;
using test::InkPixels;
using test::IsInk;

TEST(Placement, AsLargeAsItFitsCentredOnWholePixels) {
    const Placement same = FitInto(632, 414, 632, 414);
    EXPECT_TRUE(same.IsIdentity());
    const Placement wide = FitInto(632, 414, 1920, 1050); // height decides
    EXPECT_DOUBLE_EQ(wide.scale, 1050.0 / 414);
    EXPECT_EQ(wide.y, 0);
    EXPECT_EQ(wide.x, std::floor((1920 - 632 * wide.scale) / 2));
    const Placement tall = FitInto(100, 50, 200, 301); // width decides, centred vertically
    EXPECT_EQ(tall.scale, 2);
    EXPECT_EQ(tall.x, 0);
    EXPECT_EQ(tall.y, 100);
    EXPECT_TRUE(FitInto(0, 414, 800, 600).IsIdentity());
}

struct Scaled : ::testing::Test {
    Scaled() {
        c.SetPlacement({3, 10, 20});
        c.Clear();
    }
    void Line(int x1, int y1, int x2, int y2) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    }
    int InkInColumn(int x) const {
        int n = 0;
        for (int y = 0; y < c.Image().height(); ++y) n += IsInk(c.Image(), x, y);
        return n;
    }
    QtCanvas c{400, 400};
};

TEST_F(Scaled, ExtentIsInTheDrawingsUnitsAndPixelsAreTheOnlyDirectAccessAtTheIdentity) {
    EXPECT_EQ(c.Width(), 130); // (400 - 10) / 3
    EXPECT_EQ(c.Height(), 126);
    EXPECT_EQ(c.Pixels().bits, nullptr);
    QtCanvas plain(40, 30);
    EXPECT_NE(plain.Pixels().bits, nullptr);
}

TEST_F(Scaled, ThinLinesStayOneDevicePixelAndWidePensScale) {
    Line(0, 10, 50, 10); // device row 50, x 10 to 160 with the end left out
    const test::Extent thin = InkExtent(c.Image());
    EXPECT_EQ(thin.top, 50);
    EXPECT_EQ(thin.bottom, 50);
    EXPECT_EQ(thin.left, 10);
    EXPECT_EQ(thin.right, 159);
    c.SetPenWidth(2);
    Line(80, 0, 80, 40); // device column 250, six pixels wide
    int wide = 0;
    for (int x = 240; x < 260; ++x) wide += IsInk(c.Image(), x, 100);
    EXPECT_EQ(wide, 6);
}

TEST_F(Scaled, APixelBecomesTheSquareItCovers) {
    c.SetPixel(60, 60, colors::Red);
    const test::Extent e = InkExtent(c.Image());
    EXPECT_EQ(e.left, 190);
    EXPECT_EQ(e.top, 200);
    EXPECT_EQ(e.right, 192);
    EXPECT_EQ(e.bottom, 202);
}

TEST_F(Scaled, OutlinesAndArcsAreTheirBoxesMappedWithOneDevicePixelLines) {
    c.Ellipse(20, 20, 41, 41); // centre (30, 30) and radius 10: device (100, 110), 30
    const test::Extent e = InkExtent(c.Image());
    EXPECT_NEAR(e.left, 70, 1);
    EXPECT_NEAR(e.right, 130, 1);
    EXPECT_NEAR(e.top, 80, 1);
    EXPECT_NEAR(e.bottom, 140, 1);
    EXPECT_LE(InkInColumn(100), 2); // top and bottom, one pixel each
    c.Clear();
    c.Arc(20, 20, 41, 41, 41, 30, 30, 20); // the quarter from 3 to 12 o'clock
    const test::Extent a = InkExtent(c.Image());
    EXPECT_NEAR(a.left, 100, 2);
    EXPECT_NEAR(a.bottom, 110, 2);
    EXPECT_NEAR(a.right, 130, 2);
    EXPECT_NEAR(a.top, 80, 2);
}

TEST_F(Scaled, TextIsDrawnAtTheScaledSize) {
    QtCanvas plain(400, 400);
    plain.TextOut(0, 0, "E");
    const test::Extent one = InkExtent(plain.Image());
    c.TextOut(0, 0, "E");
    const test::Extent three = InkExtent(c.Image());
    ASSERT_FALSE(one.empty);
    ASSERT_FALSE(three.empty);
    const int h1 = one.bottom - one.top + 1, h3 = three.bottom - three.top + 1;
    EXPECT_NEAR(h3, 3 * h1, 3);
    EXPECT_NEAR(three.top, 20 + 3 * one.top, 3);
}

void Shapes(Canvas& c) {
    c.Clear();
    c.MoveTo(5, 90);
    c.LineTo(60, 70);
    c.Ellipse(10, 10, 51, 41);
    c.Arc(60, 50, 91, 91, 91, 70, 75, 50); // the quarter from 3 to 12 o'clock
    c.TextOut(60, 5, "Arc");
}

// Each pixel one canvas inks has ink of the other next to it, both ways round.
TEST(PainterCanvas, ShapesLandWhereTheRasterCanvasPutsItsPixels) {
    QtCanvas raster(100, 100);
    Shapes(raster);
    QImage vector(100, 100, QImage::Format_RGB32); // PainterCanvas::Clear whitens it
    QPainter painter(&vector);
    PainterCanvas shapes(painter, 100, 100);
    Shapes(shapes);
    painter.end();
    const QImage& pixels = raster.Image();
    using Pair = std::pair<const QImage*, const QImage*>;
    for (const auto& [a, b] : {Pair{&pixels, &vector}, Pair{&vector, &pixels}}) {
        int far = 0;
        const auto ink = InkPixels(*a);
        for (const test::Pixel& p : ink) far += !InkNear(*b, p.x, p.y, 1);
        EXPECT_GT(ink.size(), 150u);
        EXPECT_LT(far, int(ink.size()) / 20);
    }
}

} // namespace
} // namespace vt
