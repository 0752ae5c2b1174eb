// QtCanvas read back pixel by pixel: state and clearing, lines and pen widths, far-off
// lines, single pixels, colours and text.
#include "canvas/ImageProbe.h"
#include "canvas/QtCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt {
namespace {

using test::ColorAt;
using test::InkPixels;
using test::IsInk;
using test::Picture;

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

void Line(Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// The inked rows of one column.
std::vector<int> InkRows(const QImage& image, int x) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (IsInk(image, x, y)) rows.push_back(y);
    return rows;
}

TEST(QtCanvasState, NewCanvasIsAWhiteRgb32ImageOfTheGivenSize) {
    QtCanvas standard;
    EXPECT_EQ(standard.Width(), 1280);
    EXPECT_EQ(standard.Height(), 1024);
    EXPECT_EQ(standard.Image().size(), QSize(1280, 1024));
    EXPECT_EQ(standard.Image().format(), QImage::Format_RGB32);
    EXPECT_TRUE(InkPixels(standard.Image()).empty());

    QtCanvas small(40, 30);
    EXPECT_EQ(small.Image().size(), QSize(40, 30));
    EXPECT_TRUE(InkPixels(small.Image()).empty());
}

// A resized canvas is a new white image in the same place, drawn to its new edges.
TEST(QtCanvasState, ResizeGivesAWhiteImageOfTheNewSizeAtTheSameAddress) {
    QtCanvas c(60, 40);
    const QImage* shown = &c.Image();
    Line(c, 0, 10, 59, 10);
    c.Resize(300, 20);
    EXPECT_EQ(&c.Image(), shown);
    EXPECT_EQ(c.Image().size(), QSize(300, 20));
    EXPECT_TRUE(InkPixels(c.Image()).empty());
    c.Clear();
    Line(c, 0, 19, 300, 19);
    c.SetPixel(299, 0, colors::Red);
    EXPECT_EQ(InkPixels(c.Image()).size(), 301u);
    EXPECT_EQ(c.ChangedRect(), QRect(0, 0, 300, 20));
    c.Resize(0, -5);
    EXPECT_EQ(c.Image().size(), QSize(1, 1));
}

TEST(QtCanvasState, ClearWhitensAndResetsPenAndPosition) {
    QtCanvas c(60, 40);
    c.SetPenColor(colors::Red);
    c.SetPenWidth(3);
    Line(c, 5, 20, 50, 20);
    c.SetPixel(1, 1, colors::Blue);
    c.MoveTo(30, 30);
    c.Clear();
    EXPECT_TRUE(InkPixels(c.Image()).empty());

    c.LineTo(10, 0); // from (0, 0), black, one pixel wide
    const auto ink = InkPixels(c.Image());
    ASSERT_EQ(ink.size(), 10u) << Picture(c.Image(), 0, 0, 12, 3);
    for (const auto& p : ink) {
        EXPECT_EQ(p.y, 0);
        EXPECT_EQ(ColorAt(c.Image(), p.x, p.y), colors::Black);
    }
}

TEST(QtCanvasState, ClearResetsTheFont) {
    QtCanvas fresh(200, 60), cleared(200, 60);
    fresh.TextOut(10, 10, "Valve 42");
    cleared.SetFont(colors::Red, 20, true);
    cleared.TextOut(10, 10, "Valve 42");
    cleared.Clear();
    cleared.TextOut(10, 10, "Valve 42");
    EXPECT_EQ(cleared.Image(), fresh.Image());
}

TEST(QtCanvasLine, LeavesOutTheEndPixel) {
    struct Case {
        int x1, y1, x2, y2;
    };
    // Horizontal, vertical, diagonal, each both ways.
    const Case cases[] = {{10, 5, 20, 5},   {20, 5, 10, 5},   {7, 30, 7, 40},  {7, 40, 7, 30},
                          {10, 10, 20, 20}, {20, 20, 10, 10}, {30, 20, 20, 30}};
    for (const Case& k : cases) {
        QtCanvas c(50, 50);
        Line(c, k.x1, k.y1, k.x2, k.y2);
        const QImage& image = c.Image();
        const int n = std::max(std::abs(k.x2 - k.x1), std::abs(k.y2 - k.y1));
        const int sx = (k.x2 > k.x1) - (k.x2 < k.x1), sy = (k.y2 > k.y1) - (k.y2 < k.y1);
        EXPECT_EQ(InkPixels(image).size(), static_cast<size_t>(n))
            << k.x1 << "," << k.y1 << " -> " << k.x2 << "," << k.y2;
        for (int i = 0; i < n; ++i)
            EXPECT_TRUE(IsInk(image, k.x1 + i * sx, k.y1 + i * sy));
        EXPECT_FALSE(IsInk(image, k.x2, k.y2));
    }
}

TEST(QtCanvasLine, SlopedLinesLightOnePixelPerStepOnTheLine) {
    QtCanvas c(50, 50);
    Line(c, 2, 3, 32, 14);
    const QImage& image = c.Image();
    for (int x = 2; x < 32; ++x) {
        const auto rows = InkRows(image, x);
        ASSERT_EQ(rows.size(), 1u) << "column " << x;
        EXPECT_NEAR(rows[0], 3 + (x - 2) * 11.0 / 30, 0.5 + 1e-9) << "column " << x;
    }
    EXPECT_TRUE(InkRows(image, 32).empty());
}

TEST(QtCanvasLine, LineToContinuesFromThePreviousEnd) {
    QtCanvas c(50, 50);
    c.MoveTo(10, 10);
    c.LineTo(20, 10);
    c.LineTo(20, 20);
    c.MoveTo(30, 30);
    c.LineTo(30, 30); // a zero-length line shows nothing
    const QImage& image = c.Image();
    EXPECT_EQ(InkPixels(image).size(), 20u) << Picture(image, 8, 8, 32, 32);
    EXPECT_TRUE(IsInk(image, 10, 10));
    EXPECT_TRUE(IsInk(image, 20, 10)); // the corner, drawn by the second line
    EXPECT_TRUE(IsInk(image, 20, 19));
    EXPECT_FALSE(IsInk(image, 20, 20));
}

TEST(QtCanvasLine, PenWidthSetsTheThickness) {
    for (int width : {1, 2, 3}) {
        QtCanvas c(60, 60);
        c.SetPenWidth(width);
        Line(c, 10, 20, 40, 20);
        Line(c, 50, 10, 50, 40);
        const QImage& image = c.Image();
        EXPECT_EQ(InkRows(image, 25).size(), static_cast<size_t>(width)) << "width " << width;
        EXPECT_TRUE(IsInk(image, 25, 20));
        int across = 0;
        for (int x = 40; x < 60; ++x)
            across += IsInk(image, x, 25);
        EXPECT_EQ(across, width) << "width " << width;
        EXPECT_TRUE(IsInk(image, 50, 25));
    }
}

TEST(QtCanvasLine, WidthsBelowOneDrawOnePixelWide) {
    for (int width : {0, -3, kMin}) {
        QtCanvas c(30, 30);
        c.SetPenWidth(width);
        Line(c, 5, 10, 25, 10);
        EXPECT_EQ(InkPixels(c.Image()).size(), 20u) << "width " << width;
    }
}

TEST(QtCanvasFarOff, LinesAcrossTheWholeImage) {
    QtCanvas c, diagonal;
    Line(c, -1000000, 500, 1000000, 500);
    Line(c, kMin, 700, kMax, 700);
    const QImage& image = c.Image();
    for (int x = 0; x < c.Width(); ++x) {
        ASSERT_TRUE(IsInk(image, x, 500)) << x;
        ASSERT_TRUE(IsInk(image, x, 700)) << x;
    }
    EXPECT_EQ(InkPixels(image).size(), 2u * static_cast<size_t>(c.Width()));

    Line(diagonal, -1000000, -1000000, 1000000, 1000000);
    for (int i = 0; i < c.Height(); ++i)
        ASSERT_TRUE(IsInk(diagonal.Image(), i, i)) << i;
    EXPECT_EQ(InkPixels(diagonal.Image()).size(), static_cast<size_t>(c.Height()));
}

TEST(QtCanvasFarOff, ClippedLinesKeepTheirCourse) {
    QtCanvas c;
    Line(c, -1000000, 0, 1000000, 1000); // rises half a pixel per thousand
    Line(c, 300, kMin, 301, kMax);       // all but vertical, x = 300.5 at the image
    const QImage& image = c.Image();
    for (int x = 0; x < c.Width(); x += 7) {
        const double expected = (x + 1000000.0) * 1000 / 2000000;
        bool found = false;
        for (int y : InkRows(image, x))
            found = found || (std::abs(y - expected) <= 0.5 + 1e-9);
        EXPECT_TRUE(found) << "column " << x << " expected row " << expected;
    }
    for (int y = 0; y < c.Height(); y += 7) {
        const bool on = IsInk(image, 300, y) || IsInk(image, 301, y);
        EXPECT_TRUE(on) << "row " << y;
    }
    EXPECT_LE(InkPixels(image).size(), static_cast<size_t>(c.Width() + c.Height() + 4));
}

TEST(QtCanvasFarOff, LinesOutsideDrawNothingButWidePensReachIn) {
    QtCanvas c;
    Line(c, -1000000, -5, 1000000, -5);
    Line(c, 2000, 0, 3000, 1000);
    Line(c, -20, 5, 5, -20);
    Line(c, kMin, kMin, kMax, kMin);
    Line(c, kMax, kMax, kMax, kMin);
    EXPECT_TRUE(InkPixels(c.Image()).empty());

    c.SetPenWidth(3); // centred one row above the image: its lower edge shows
    Line(c, -1000000, -1, 1000000, -1);
    const QImage& image = c.Image();
    for (int x = 0; x < c.Width(); ++x)
        ASSERT_TRUE(IsInk(image, x, 0)) << x;
    EXPECT_FALSE(IsInk(image, 640, 1));
}

TEST(QtCanvasPixel, SetsExactlyThatPixelInExactlyThatColour) {
    QtCanvas c(20, 20);
    const Color odd{12, 34, 56};
    c.SetPixel(3, 4, odd);
    c.SetPixel(0, 0, colors::Red);
    c.SetPixel(19, 19, colors::Blue);
    const QImage& image = c.Image();
    EXPECT_EQ(ColorAt(image, 3, 4), odd);
    EXPECT_EQ(ColorAt(image, 0, 0), colors::Red);
    EXPECT_EQ(ColorAt(image, 19, 19), colors::Blue);
    EXPECT_EQ(InkPixels(image).size(), 3u);
}

TEST(QtCanvasPixel, OutOfRangeIsIgnoredWithoutWrapping) {
    QtCanvas c(20, 10);
    const int points[][2] = {{20, 0},   {-1, 1},   {0, 10},   {0, -1},   {-1, -1},    {20, 10},
                             {kMin, 0}, {0, kMin}, {kMax, 0}, {0, kMax}, {kMax, kMax}};
    for (const auto& p : points)
        c.SetPixel(p[0], p[1], colors::Black);
    // (20, 0) would land on (0, 1) and (-1, 1) on (19, 0) if rows were run together.
    EXPECT_TRUE(InkPixels(c.Image()).empty());
}

TEST(QtCanvasPixel, InterleavesWithPainterDrawingInOrder) {
    QtCanvas c(40, 20);
    Line(c, 0, 5, 40, 5);
    c.SetPixel(10, 5, colors::Red);
    c.SetPixel(20, 5, colors::Red);
    Line(c, 15, 5, 25, 5); // paints over the second red pixel only
    const QImage& image = c.Image();
    EXPECT_EQ(ColorAt(image, 10, 5), colors::Red);
    EXPECT_EQ(ColorAt(image, 20, 5), colors::Black);
    EXPECT_EQ(ColorAt(image, 9, 5), colors::Black);
}

TEST(QtCanvasPixel, ACopyOfTheImageIsASnapshot) {
    QtCanvas c(40, 20);
    Line(c, 0, 2, 40, 2);
    const QImage before = c.Image();
    c.SetPixel(5, 10, colors::Red);
    Line(c, 0, 15, 40, 15);
    EXPECT_FALSE(IsInk(before, 5, 10));
    EXPECT_FALSE(IsInk(before, 5, 15));
    EXPECT_TRUE(IsInk(before, 5, 2));
    EXPECT_EQ(ColorAt(c.Image(), 5, 10), colors::Red);
    EXPECT_TRUE(IsInk(c.Image(), 5, 15));

    // The same for what QPainter draws: a wide line and text.
    const QImage second = c.Image();
    const size_t inkThen = InkPixels(second).size();
    c.SetPenWidth(3);
    Line(c, 0, 6, 40, 6);
    c.TextOut(20, 8, "W");
    EXPECT_EQ(InkPixels(second).size(), inkThen);
    EXPECT_TRUE(IsInk(c.Image(), 5, 6));
    EXPECT_GT(InkPixels(c.Image()).size(), inkThen + 100);
}

TEST(QtCanvasColor, ColorRefsHaveRedInTheLowByte) {
    EXPECT_EQ(FromColorRef(0x000000FF), colors::Red);
    EXPECT_EQ(FromColorRef(0x0000FF00), colors::Lime);
    EXPECT_EQ(FromColorRef(0x00FF0000), colors::Blue);
    EXPECT_EQ(FromColorRef(0x00008000), colors::DarkGreen);
    EXPECT_EQ(FromColorRef(0x00C0C0C0), colors::Silver);
    EXPECT_EQ(FromColorRef(0xFF000000), colors::Black); // the top byte is not a colour
    EXPECT_EQ(FromColorRef(0x00FF8040), (Color{0x40, 0x80, 0xFF}));
}

TEST(QtCanvasColor, EveryPrimitiveKeepsTheChannelsApart) {
    const Color c = FromColorRef(0x00FF8040);
    QtCanvas canvas(120, 60);
    canvas.SetPenColor(c);
    canvas.SetFont(c, 12, false);
    Line(canvas, 2, 2, 40, 2);
    canvas.SetPenWidth(2); // drawn by QPainter rather than directly
    Line(canvas, 80, 2, 110, 12);
    canvas.SetPenWidth(1);
    canvas.Ellipse(2, 10, 30, 30);
    canvas.SetPixel(50, 2, c);
    canvas.TextOut(50, 20, "W");
    const QImage& image = canvas.Image();
    int text = 0;
    for (const auto& p : InkPixels(image)) {
        ASSERT_EQ(ColorAt(image, p.x, p.y), c) << p.x << "," << p.y;
        text += p.x >= 50 && p.y >= 20;
    }
    EXPECT_TRUE(IsInk(image, 2, 2));
    EXPECT_TRUE(IsInk(image, 2, 19)); // the ellipse's left end
    EXPECT_TRUE(IsInk(image, 50, 2));
    EXPECT_TRUE(IsInk(image, 95, 7));
    EXPECT_GT(text, 5);
}

} // namespace
} // namespace vt
