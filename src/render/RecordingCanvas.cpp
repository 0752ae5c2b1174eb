// Recording canvas; see RecordingCanvas.h.
#include "render/RecordingCanvas.h"

namespace vt {

CanvasCall RecordingCanvas::Make(CanvasCall::Kind kind) const {
    CanvasCall call;
    call.kind = kind;
    call.pen = pen_;
    call.penWidth = penWidth_;
    call.fontSize = fontSize_;
    call.bold = bold_;
    return call;
}

void RecordingCanvas::Clear() {
    pen_ = font_ = colors::Black;
    penWidth_ = 1;
    fontSize_ = 8;
    bold_ = false;
    penX_ = penY_ = 0;
    calls_.push_back(Make(CanvasCall::Clear));
}

void RecordingCanvas::SetFont(Color c, int pointSize, bool bold) {
    font_ = c;
    fontSize_ = pointSize;
    bold_ = bold;
}

void RecordingCanvas::SetPixel(int x, int y, Color c) {
    CanvasCall call = Make(CanvasCall::Pixel);
    call.c[0] = x;
    call.c[1] = y;
    call.pen = c;
    calls_.push_back(call);
}

void RecordingCanvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void RecordingCanvas::LineTo(int x, int y) {
    CanvasCall call = Make(CanvasCall::Line);
    call.c[0] = penX_;
    call.c[1] = penY_;
    call.c[2] = x;
    call.c[3] = y;
    calls_.push_back(call);
    penX_ = x;
    penY_ = y;
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    CanvasCall call = Make(CanvasCall::Ellipse);
    const int box[] = {x1, y1, x2, y2};
    std::copy(std::begin(box), std::end(box), call.c);
    calls_.push_back(call);
}

void RecordingCanvas::Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
    CanvasCall call = Make(CanvasCall::Arc);
    const int args[] = {x1, y1, x2, y2, xs, ys, xe, ye};
    std::copy(std::begin(args), std::end(args), call.c);
    calls_.push_back(call);
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
    CanvasCall call = Make(CanvasCall::Text);
    call.c[0] = x;
    call.c[1] = y;
    call.pen = font_;
    call.text = std::string(text);
    calls_.push_back(call);
}

std::vector<CanvasCall> RecordingCanvas::Calls(CanvasCall::Kind kind) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : calls_)
        if (c.kind == kind) out.push_back(c);
    return out;
}

} // namespace vt
