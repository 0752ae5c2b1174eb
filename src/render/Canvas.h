// The drawing surface every scene stage and diagram draws on: a small set of integer
// pixel primitives with the semantics the drawings rely on. No Qt here; QtCanvas paints
// it onto a QImage, RecordingCanvas lists the calls for tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vt {

struct Color {
    uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

// A colour stored as a number: red in the low byte, blue in the high byte.
constexpr Color FromColorRef(uint32_t v) {
    return {uint8_t(v & 0xFF), uint8_t((v >> 8) & 0xFF), uint8_t((v >> 16) & 0xFF)};
}

namespace colors {
inline constexpr Color Black{0, 0, 0};
inline constexpr Color White{255, 255, 255};
inline constexpr Color Red{255, 0, 0};
inline constexpr Color Lime{0, 255, 0};
inline constexpr Color DarkGreen{0, 128, 0};
inline constexpr Color Blue{0, 0, 255};
inline constexpr Color Fuchsia{255, 0, 255};
inline constexpr Color Aqua{0, 255, 255};
inline constexpr Color Gray{128, 128, 128};
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color Silver{192, 192, 192};
} // namespace colors

// A view of 32-bit pixels (0xFFRRGGBB): `stride` pixels from one row to the next.
struct PixelGrid {
    uint32_t* bits = nullptr;
    ptrdiff_t stride = 0;
    int width = 0, height = 0;

    static constexpr uint32_t Pack(Color c) {
        return 0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
    }
    bool Contains(int64_t x, int64_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    void Set(int64_t x, int64_t y, uint32_t v) const { bits[y * stride + x] = v; }
};

// Coordinates are image pixels, x right, y down. Any int32 coordinate is valid input,
// however far outside the image; what falls outside is clipped.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Fills the whole image white; the pen returns to black, width 1; the font to
    // black, size 8, regular; the pen position to (0, 0).
    virtual void Clear() = 0;

    virtual void SetPenColor(Color c) = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void SetFont(Color c, int pointSize, bool bold) = 0;

    virtual void SetPixel(int x, int y, Color c) = 0;

    // A line from the pen position to (x, y) that leaves out its end pixel; the pen
    // position moves to (x, y).
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;

    // The outline of the ellipse inscribed in the box from (x1, y1) to (x2, y2), right
    // and bottom edges excluded; the brush is always clear (outlines only).
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;

    // Part of the same ellipse, drawn counter-clockwise (as seen on screen) from where the
    // ray from the box's centre through (xs, ys) meets it to where the ray through
    // (xe, ye) meets it.
    virtual void Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) = 0;

    // Text with its top-left corner at (x, y), in the font colour, no background box.
    virtual void TextOut(int x, int y, std::string_view text) = 0;

    // Direct access to the pixels, for drawings that set hundreds of thousands of them;
    // an empty grid when the canvas has none (then SetPixel is the way). Whoever writes
    // through it reports the box it wrote with PixelsWritten.
    virtual PixelGrid Pixels() { return {}; }
    virtual void PixelsWritten(int x0, int y0, int x1, int y1) {
        (void)x0, (void)y0, (void)x1, (void)y1;
    }
};

} // namespace vt
