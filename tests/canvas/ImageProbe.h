// Reading a canvas's image back in tests: pixel colours, the set of inked (non-white)
// pixels, their extent, and a text picture of a region for failure messages.
#pragma once

#include "render/Canvas.h"

#include <QImage>

#include <string>
#include <vector>

namespace vt::test {

struct Pixel {
    int x = 0, y = 0;
    friend bool operator==(Pixel, Pixel) = default;
};

// Bounds of the inked pixels, inclusive; empty when there are none.
struct Extent {
    bool empty = true;
    int left = 0, top = 0, right = 0, bottom = 0;
};

Color ColorAt(const QImage& image, int x, int y);
bool IsInk(const QImage& image, int x, int y); // false outside the image
std::vector<Pixel> InkPixels(const QImage& image);
Extent InkExtent(const QImage& image);
// True when some inked pixel lies within `reach` pixels (in x and y) of (x, y).
bool InkNear(const QImage& image, double x, double y, int reach);
// '#' for ink, '.' for white, one line per row of the inclusive region.
std::string Picture(const QImage& image, int left, int top, int right, int bottom);

} // namespace vt::test
