// The bar chart of the largest contributions to one valve event figure: one horizontal
// bar per dimension, largest first, from a zero line in the middle (an increase of the
// dimension that raises the figure to the right in blue, one that lowers it to the left
// in red), the dimension's caption on the left and the value's text at the bar's end.
#pragma once

#include "render/Canvas.h"

#include <span>
#include <string>
#include <string_view>

namespace vt {

struct InfluenceBar {
    std::string Label; // the dimension's caption
    double Value = 0;  // the figure's change for the dimension's tolerance, signed
    std::string Text;  // the value as the chart prints it
};

inline constexpr int kInfluenceChartWidth = 640;
inline constexpr int kInfluenceChartHeight = 330;
inline constexpr Color kRaisesColor{47, 127, 216};
inline constexpr Color kLowersColor{214, 64, 52};

// Clears the canvas and draws the title (what the figure is and its unit) and
// the bars in the order given, at most ten.
void DrawInfluenceChart(Canvas& c, std::string_view title, std::span<const InfluenceBar> bars);

} // namespace vt
