// A canvas for tests that notes the driver angle of the state at every line it is asked
// to draw, so a test sees which step of a sweep drew what.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

#include <vector>

namespace vt::test {

struct ProbedLine {
    float driverAngle;
    Color pen;
    int x0, y0, x1, y1;
};

class AngleProbe final : public Canvas {
public:
    explicit AngleProbe(const State& s) : s_(s) {}
    int Width() const override { return 632; }
    int Height() const override { return 414; }
    void Clear() override {}
    void SetPenColor(Color c) override { pen_ = c; }
    void SetPenWidth(int) override {}
    void SetFont(Color, int, bool) override {}
    void SetPixel(int, int, Color) override {}
    void MoveTo(int x, int y) override { x_ = x, y_ = y; }
    void LineTo(int x, int y) override {
        lines.push_back({s_.DriverAngle, pen_, x_, y_, x, y});
        MoveTo(x, y);
    }
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void TextOut(int, int, std::string_view) override {}

    std::vector<ProbedLine> lines;

private:
    const State& s_;
    Color pen_;
    int x_ = 0, y_ = 0;
};

} // namespace vt::test
