// Queries over what a graph routine drew on a recording canvas: texts by content or
// place, and the curve segments that follow the port lines.
#pragma once

#include "render/RecordingCanvas.h"

#include <string>
#include <vector>

namespace vt::test {

inline std::vector<CanvasCall> TextsAt(const RecordingCanvas& r, int x, int y) {
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : r.Calls(CanvasCall::Text))
        if (c.c[0] == x && c.c[1] == y) out.push_back(c);
    return out;
}

inline const CanvasCall* FindText(const RecordingCanvas& r, const std::string& text) {
    for (const CanvasCall& c : r.Calls())
        if (c.kind == CanvasCall::Text && c.text == text) return &c;
    return nullptr;
}

inline int CountTexts(const RecordingCanvas& r, const std::string& text) {
    int n = 0;
    for (const CanvasCall& c : r.Calls(CanvasCall::Text)) n += c.text == text;
    return n;
}

// The lines after the last red one (the rear port lines): the curves of the positions.
inline std::vector<CanvasCall> CurveSegments(const RecordingCanvas& r) {
    const std::vector<CanvasCall> lines = r.Calls(CanvasCall::Line);
    std::size_t first = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].pen == colors::Red) first = i + 1;
    return {lines.begin() + std::ptrdiff_t(first), lines.end()};
}

// Lines from (x0, y0) to (x1, y1) exactly.
inline int CountLines(const RecordingCanvas& r, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (const CanvasCall& c : r.Calls(CanvasCall::Line))
        n += c.c[0] == x0 && c.c[1] == y0 && c.c[2] == x1 && c.c[3] == y1;
    return n;
}

} // namespace vt::test
