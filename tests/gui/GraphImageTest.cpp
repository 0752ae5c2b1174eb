// The sine and oval diagrams of the built-in design, positions mid gear, normal forward
// and normal reverse, drawn through the Qt canvas and compared with committed goldens.
#include "graphs/OvalDraw.h"
#include "graphs/SineDraw.h"
#include "render/QtCanvas.h"
#include "support/Designs.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

QImage Diagram(void (*draw)(Canvas&, State&), int height) {
    auto c = test::BuiltIn();
    c->RevArmCount = 3; // RevArmSet[1..3] = mid gear, normal forward, normal reverse
    QtCanvas canvas(632, height);
    draw(canvas, *c);
    return canvas.Image().copy();
}

TEST(GraphImage, SineDiagramMatchesTheGolden) {
    test::ExpectGolden(Diagram(DrawSineDiagram, 414), VT_GOLDEN_DIR, "sine_diagram");
}

TEST(GraphImage, OvalDiagramMatchesTheGolden) {
    test::ExpectGolden(Diagram(DrawOvalDiagram, 426), VT_GOLDEN_DIR, "oval_diagram");
}

} // namespace
} // namespace vt
