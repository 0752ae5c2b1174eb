// The port events window's facts; see Ports.h. Its drawing routine is the mode-aware one,
// so every redraw of the framework draws both graphs while the mode is 'B'.
#include "graphs/Ports.h"

#include "diagrams/Diagrams.h"

namespace vt {

namespace {

template <char Mode>
void SetMode(State& s) {
    s.PortGraphMode = Mode;
}

constexpr GraphMenu kSetUp = {"SetUp",
                              {{{"ForwardGraph", "ForwardGraph1Click", SetMode<'F'>},
                                {"ReverseGraph", "ReverseGraph1Click", SetMode<'R'>},
                                {"BothGraphs", "BothGraphs1Click", SetMode<'B'>}}}};

} // namespace

const GraphFacts& PortDiaFacts() {
    static constexpr GraphFacts kPorts = {
        "TPortDia", kPortsDiagram.width, kPortsDiagram.height,
        GraphOpening::Normal, "ClosePort", 447, 2,
        {"SBDynVarP1", "SBDynVarP2", "SBDynVarP3", "SBDynVarP4"}, "UnDoDnP",
        nullptr, "ReDraw", "&UnDo", "DynamicVari", "UnDoPorts",
        false, 1, kPortsDiagram.draw, &kSetUp, true};
    return kPorts;
}

} // namespace vt
