// The diagrams of the built-in design drawn through the Qt canvas and compared with
// committed goldens: the sine and oval diagrams at mid gear, normal forward and normal
// reverse; the steam diagram at mid gear, normal forward and full forward; the port
// events diagram in each of its three modes.
#include "canvas/QtCanvas.h"
#include "diagrams/OvalDraw.h"
#include "diagrams/PortsDraw.h"
#include "diagrams/SineDraw.h"
#include "diagrams/SteamDraw.h"
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

TEST(GraphImage, SteamDiagramMatchesTheGolden) {
    auto c = test::BuiltIn();
    c->RevArmCount = 3;
    c->RevArmSet[1] = c->RevArmSet[0];                    // mid gear
    c->RevArmSet[3] = c->RevArmSet[0] + c->RevArmCentMax; // full forward; [2] normal forward
    QtCanvas canvas(632, 414);
    DrawSteamDiagram(canvas, *c);
    test::ExpectGolden(canvas.Image().copy(), VT_GOLDEN_DIR, "steam_diagram");
}

TEST(GraphImage, PortEventsDiagramInEachModeMatchesItsGolden) {
    for (auto [mode, name] : {std::pair{'F', "port_events_forward"}, {'R', "port_events_reverse"},
                              {'B', "port_events_both"}}) {
        auto c = test::BuiltIn();
        c->PortGraphMode = mode;
        QtCanvas canvas(632, 414);
        DrawPortsDiagram(canvas, *c);
        test::ExpectGolden(canvas.Image().copy(), VT_GOLDEN_DIR, name);
    }
}

} // namespace
} // namespace vt
