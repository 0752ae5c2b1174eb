// QtCanvas text read back pixel by pixel: placed by its top-left corner, crisp in the
// font colour, sized in points, UTF-8 decoded, and safe far off the image.
#include "canvas/ImageProbe.h"
#include "canvas/QtCanvas.h"

#include <gtest/gtest.h>

#include <limits>

namespace vt {
namespace {

using test::ColorAt;
using test::InkExtent;
using test::InkPixels;

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

test::Extent TextExtent(std::string_view text, int pointSize = 8, bool bold = false) {
    QtCanvas c(400, 200);
    c.SetFont(colors::Black, pointSize, bold);
    c.TextOut(100, 50, text);
    return InkExtent(c.Image());
}

TEST(QtCanvasText, TopLeftCornerIsThePosition) {
    QtCanvas c(300, 300);
    c.TextOut(100, 200, "Hg");
    const auto e = InkExtent(c.Image());
    ASSERT_FALSE(e.empty);
    EXPECT_GE(e.left, 100);
    EXPECT_LE(e.left, 102);
    EXPECT_GE(e.top, 200) << "nothing above the given top";
    EXPECT_LE(e.top, 204) << "the top, not the baseline";
    EXPECT_GT(e.bottom, e.top + 6); // the descender of g
}

TEST(QtCanvasText, CrispInTheFontColourOnNoBackground) {
    QtCanvas c(200, 60);
    c.SetPenColor(colors::Red); // the pen plays no part in text
    c.SetPixel(12, 12, colors::Blue);
    const Color ink{0, 100, 200};
    c.SetFont(ink, 12, false);
    c.TextOut(10, 10, "Cut-off 75%");
    const QImage& image = c.Image();
    size_t inked = 0;
    for (const auto& p : InkPixels(image)) {
        if (p.x == 12 && p.y == 12) continue;
        EXPECT_EQ(ColorAt(image, p.x, p.y), ink) << p.x << "," << p.y;
        ++inked;
    }
    EXPECT_GT(inked, 40u);
    EXPECT_EQ(ColorAt(image, 12, 12), colors::Blue) << "no background box";

    c.LineTo(50, 0); // the pen is back for lines
    EXPECT_EQ(ColorAt(c.Image(), 5, 0), colors::Red);
}

TEST(QtCanvasText, SizeAndWeightFollowTheFont) {
    const auto eight = TextExtent("H");
    const int capHeight = eight.bottom - eight.top + 1;
    EXPECT_GE(capHeight, 7) << "8 points are 11 pixels, the capital about 8 of them";
    EXPECT_LE(capHeight, 9);
    const auto big = TextExtent("H", 24);
    EXPECT_GE(big.bottom - big.top + 1, 3 * capHeight - 3);

    QtCanvas regular(400, 100), bold(400, 100);
    bold.SetFont(colors::Black, 8, true);
    regular.TextOut(10, 10, "Lead and lap");
    bold.TextOut(10, 10, "Lead and lap");
    EXPECT_GT(InkPixels(bold.Image()).size(), InkPixels(regular.Image()).size() * 11 / 10);
}

TEST(QtCanvasText, InputIsUtf8) {
    // U+00B0 is one raised ring; read as Latin-1 its two bytes would put an A before it.
    const auto degree = TextExtent("\xC2\xB0", 24);
    const auto letter = TextExtent("A", 24);
    ASSERT_FALSE(degree.empty);
    EXPECT_LT(degree.bottom, letter.bottom - 5) << "the ring stays clear of the baseline";
    EXPECT_LT(degree.right - degree.left, letter.right - letter.left);
}

TEST(QtCanvasText, FarOffTextIsSkippedAndPartlyVisibleTextClipped) {
    QtCanvas c(200, 100);
    c.TextOut(kMin, kMin, "far");
    c.TextOut(kMax, kMax, "far");
    c.TextOut(kMin, 10, "far");
    c.TextOut(10, kMin, "far");
    c.TextOut(-1000000, 10, "far");
    c.TextOut(10, 1000000, "far");
    c.TextOut(10, 10, "");
    EXPECT_TRUE(InkPixels(c.Image()).empty());

    c.TextOut(-4, -3, "Reverse");
    const auto e = InkExtent(c.Image());
    ASSERT_FALSE(e.empty);
    EXPECT_EQ(e.left, 0);
    EXPECT_LT(e.right, 60);
}

} // namespace
} // namespace vt
