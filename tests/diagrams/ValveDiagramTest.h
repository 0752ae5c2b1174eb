// The fixture the sine and oval diagram tests share: the built-in design with three
// stored positions, one drawing on a recording canvas of the window's size, and the
// valve travel and its row solved independently of the drawing.
#pragma once

#include "model/Rounding.h"
#include "render/RecordingCanvas.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

namespace vt::test {

template <void (*DrawDiagram)(Canvas&, State&), int Height>
struct ValveDiagramTest : ::testing::Test {
    CountingState c = BuiltIn();
    void SetUp() override { c->RevArmCount = 3; }
    RecordingCanvas Draw() {
        RecordingCanvas r(632, Height);
        DrawDiagram(r, *c);
        return r;
    }
    // The valve travel at one gear position, solved on a copy of the state.
    double TravelAt(float revArmPos, float angle) const {
        return SolvedAt(*c, revArmPos, angle).ValveTravel;
    }
    int Row(double travel) const { return ToPixel(215 - travel * 375 / double(c->VertScale)); }
};

} // namespace vt::test
