// Reading a canvas's image back in tests; see ImageProbe.h.
#include "canvas/ImageProbe.h"

#include <algorithm>
#include <cmath>

namespace vt::test {

Color ColorAt(const QImage& image, int x, int y) {
    const QRgb v = image.pixel(x, y);
    return {static_cast<uint8_t>(qRed(v)), static_cast<uint8_t>(qGreen(v)),
            static_cast<uint8_t>(qBlue(v))};
}

bool IsInk(const QImage& image, int x, int y) {
    return image.valid(x, y) && ColorAt(image, x, y) != colors::White;
}

std::vector<Pixel> InkPixels(const QImage& image) {
    std::vector<Pixel> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsInk(image, x, y)) out.push_back({x, y});
    return out;
}

Extent InkExtent(const QImage& image) {
    Extent e;
    for (const Pixel& p : InkPixels(image)) {
        if (e.empty) e = {false, p.x, p.y, p.x, p.y};
        e.left = std::min(e.left, p.x);
        e.top = std::min(e.top, p.y);
        e.right = std::max(e.right, p.x);
        e.bottom = std::max(e.bottom, p.y);
    }
    return e;
}

bool InkNear(const QImage& image, double x, double y, int reach) {
    const int px = static_cast<int>(std::lround(x)), py = static_cast<int>(std::lround(y));
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (IsInk(image, px + dx, py + dy)) return true;
    return false;
}

std::string Picture(const QImage& image, int left, int top, int right, int bottom) {
    std::string s;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            s += IsInk(image, x, y) ? '#' : '.';
        s += '\n';
    }
    return s;
}

} // namespace vt::test
