// The influence bar chart; see InfluenceChart.h.
#include "diagrams/InfluenceChart.h"

#include <algorithm>
#include <cmath>

namespace vt {

namespace {

constexpr int kMaxBars = 10;
constexpr int kTop = 34;       // below the title
constexpr int kRow = 28;       // one bar's row
constexpr int kBarHeight = 16;
constexpr int kLabelWidth = 150;
constexpr int kValueRoom = 70; // each side, for the value texts

void FilledBox(Canvas& c, int x0, int x1, int y0, int y1, Color colour) {
    c.SetPenColor(colour);
    for (int y = y0; y < y1; ++y) {
        c.MoveTo(x0, y);
        c.LineTo(x1, y);
    }
}

} // namespace

void DrawInfluenceChart(Canvas& c, std::string_view title, std::span<const InfluenceBar> bars) {
    c.Clear();
    c.SetFont(colors::Black, 9, true);
    c.TextOut(8, 8, title);
    const int n = std::min(int(bars.size()), kMaxBars);
    double most = 0;
    for (int i = 0; i < n; ++i) most = std::max(most, std::abs(bars[std::size_t(i)].Value));
    const int half = (c.Width() - kLabelWidth - 2 * kValueRoom) / 2;
    const int zero = kLabelWidth + kValueRoom + half;
    c.SetFont(colors::Black, 8, false);
    for (int i = 0; i < n; ++i) {
        const InfluenceBar& bar = bars[std::size_t(i)];
        const int y = kTop + i * kRow;
        const int length = most > 0 ? int(std::lround(std::abs(bar.Value) / most * half)) : 0;
        const bool raises = bar.Value >= 0;
        FilledBox(c, raises ? zero : zero - length, raises ? zero + length : zero, y,
                  y + kBarHeight, raises ? kRaisesColor : kLowersColor);
        c.TextOut(8, y + 2, bar.Label);
        const std::string& value = bar.Text;
        const int textX = raises ? zero + length + 4 : zero - length - 4 - 7 * int(value.size());
        c.TextOut(textX, y + 2, value);
    }
    c.SetPenColor(colors::Black);
    c.MoveTo(zero, kTop - 4);
    c.LineTo(zero, kTop + std::max(n, 1) * kRow);
}

} // namespace vt
