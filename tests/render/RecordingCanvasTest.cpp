// The recording canvas that drawing tests read: what each call records, and which state
// carries from call to call.
#include "render/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(RecordingCanvas, LinesRunFromThePenPositionWithThePenOfTheirTime) {
    RecordingCanvas c;
    c.MoveTo(10, 20);
    c.SetPenColor(colors::Red);
    c.SetPenWidth(2);
    c.LineTo(30, 40);
    c.SetPenColor(colors::Blue);
    c.LineTo(50, 60);
    const auto lines = c.Calls(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(c.Calls().size(), 2u) << "MoveTo and pen changes are not calls";
    EXPECT_EQ((std::vector<int>(lines[0].c, lines[0].c + 4)), (std::vector<int>{10, 20, 30, 40}));
    EXPECT_EQ((std::vector<int>(lines[1].c, lines[1].c + 4)), (std::vector<int>{30, 40, 50, 60}));
    EXPECT_EQ(lines[0].pen, colors::Red);
    EXPECT_EQ(lines[1].pen, colors::Blue);
    EXPECT_EQ(lines[1].penWidth, 2);
}

TEST(RecordingCanvas, ClearResetsPenFontAndPosition) {
    RecordingCanvas c;
    c.SetPenColor(colors::Red);
    c.SetPenWidth(3);
    c.SetFont(colors::Blue, 14, true);
    c.MoveTo(7, 9);
    c.Clear();
    c.LineTo(5, 5);
    c.TextOut(1, 2, "x");
    const auto& calls = c.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, CanvasCall::Clear);
    EXPECT_EQ(calls[1].c[0], 0);
    EXPECT_EQ(calls[1].c[1], 0);
    EXPECT_EQ(calls[1].pen, colors::Black);
    EXPECT_EQ(calls[1].penWidth, 1);
    EXPECT_EQ(calls[2].pen, colors::Black);
    EXPECT_EQ(calls[2].fontSize, 8);
    EXPECT_FALSE(calls[2].bold);
}

TEST(RecordingCanvas, PixelsAndTextCarryTheirOwnColours) {
    RecordingCanvas c;
    c.SetPenColor(colors::Red);
    c.SetFont(colors::Aqua, 10, true);
    c.SetPixel(3, 4, colors::Lime);
    c.TextOut(5, 6, "Ports \xC2\xB0");
    c.Arc(1, 2, 3, 4, 5, 6, 7, 8);
    const auto& calls = c.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].pen, colors::Lime);
    EXPECT_EQ(calls[1].pen, colors::Aqua);
    EXPECT_EQ(calls[1].text, "Ports \xC2\xB0");
    EXPECT_EQ(calls[1].fontSize, 10);
    EXPECT_TRUE(calls[1].bold);
    EXPECT_EQ(calls[2].c[7], 8);
    EXPECT_EQ(calls[2].pen, colors::Red);
}

} // namespace
} // namespace vt
