// A canvas that records its primitive calls instead of drawing them, so tests can read
// what a drawing routine did: which primitive, with which coordinates, pen and font.
#pragma once

#include "render/Canvas.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace vt {

struct CanvasCall {
    enum Kind { Clear, Pixel, Line, Ellipse, Arc, Text } kind = Clear;
    int c[8] = {}; // Line: x1 y1 x2 y2; Ellipse: box; Arc: box, start ray, end ray
    Color pen;     // pen colour (pixel colour for Pixel, font colour for Text)
    int penWidth = 1;
    int fontSize = 8;
    bool bold = false;
    std::string text;
};

class RecordingCanvas final : public Canvas {
public:
    RecordingCanvas(int width = 1280, int height = 1024) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Clear() override;
    void SetPenColor(Color c) override { pen_ = c; }
    void SetPenWidth(int width) override { penWidth_ = width; }
    void SetFont(Color c, int pointSize, bool bold) override;
    void SetPixel(int x, int y, Color c) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) override;
    void TextOut(int x, int y, std::string_view text) override;

    const std::vector<CanvasCall>& Calls() const { return calls_; }
    // The calls of one kind, in order.
    std::vector<CanvasCall> Calls(CanvasCall::Kind kind) const;

private:
    CanvasCall Make(CanvasCall::Kind kind) const;

    int width_, height_;
    Color pen_, font_;
    int penWidth_ = 1, fontSize_ = 8;
    bool bold_ = false;
    int penX_ = 0, penY_ = 0;
    std::vector<CanvasCall> calls_;
};

} // namespace vt
