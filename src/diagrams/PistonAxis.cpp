// The piston-travel grid and labels; see PistonAxis.h.
#include "diagrams/PistonAxis.h"

namespace vt {

void VLine(Canvas& c, int x, int y0, int y1) {
    c.MoveTo(x, y0);
    c.LineTo(x, y1);
}

void HLine(Canvas& c, int x0, int x1, int y) {
    c.MoveTo(x0, y);
    c.LineTo(x1, y);
}

void DrawPistonGridRow(Canvas& c, const PistonGrid& g, int i) {
    const int mid = 32 * i + 55;
    for (int j = 2; j <= 20; ++j) VLine(c, 27 * j + g.shortX0, mid - 3, mid + 3);
    for (int k = 2; k <= 10; ++k) VLine(c, 54 * k + g.longX0, mid - g.longHalf, mid + g.longHalf);
}

void DrawPistonGrid(Canvas& c, const PistonGrid& g) {
    for (int i = g.firstRow; i <= 9; ++i) DrawPistonGridRow(c, g, i);
}

void DrawStrokeLabels(Canvas& c, int y, int titleY) {
    const struct {
        int x;
        const char* text;
    } labels[] = {{45, "100"}, {91, "90"},  {145, "80"}, {199, "70"}, {253, "60"},
                  {307, "50"}, {361, "40"}, {415, "30"}, {469, "20"}, {523, "10"}};
    for (const auto& l : labels) c.TextOut(l.x, y, l.text);
    c.TextOut(577, 348, "0");
    c.TextOut(186, titleY, "Percent Piston Travel");
    c.TextOut(386, titleY, "Forward End --->");
}

} // namespace vt
