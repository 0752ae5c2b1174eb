// The canvas's text face; see CanvasFont.h.
#include "canvas/CanvasFont.h"

#include <algorithm>

namespace vt {

int CanvasFontPixels(int points) {
    const int p = std::clamp(points, 1, 1000);
    return (p * 96 + 36) / 72;
}

QFont CanvasFont(int pixelSize, bool bold) {
    // The classic 8-point dialog face's metrics; any sans face stands in where it is missing.
    QFont font(kCanvasFace);
    font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    return font;
}

} // namespace vt
