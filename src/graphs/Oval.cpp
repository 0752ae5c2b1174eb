// The oval diagram window's facts; see Oval.h.
#include "graphs/Oval.h"

#include "diagrams/Diagrams.h"

namespace vt {

const GraphFacts& OvalDiaFacts() {
    static constexpr GraphFacts kOval = {
        "TOvalDia", kOvalDiagram.width, kOvalDiagram.height,
        GraphOpening::Maximized, "CloseOval", 408, 8,
        {"SBDynVarO1", "SBDynVarO2", "SBDynVarO3", "SBDynVarO4"}, "UnDoDnO",
        "SetRevArmPos", "ReDraw", "&UnDo", "DynamicVari", "UnDoOval",
        true, 2, kOvalDiagram.draw, nullptr, false};
    return kOval;
}

} // namespace vt
