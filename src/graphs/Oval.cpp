// The oval diagram window's facts; see Oval.h.
#include "graphs/Oval.h"

#include "graphs/OvalDraw.h"

namespace vt {

const GraphFacts& OvalDiaFacts() {
    static constexpr GraphFacts kOval = {
        "TOvalDia", 632, 426, GraphOpening::Maximized, 0, 0, "CloseOval", 408, 8,
        {"SBDynVarO1", "SBDynVarO2", "SBDynVarO3", "SBDynVarO4"}, "UnDoDnO",
        "SetRevArmPos", "ReDraw", "&UnDo", "DynamicVari", "UnDoOval",
        true, 2, DrawOvalDiagram, nullptr, false};
    return kOval;
}

} // namespace vt
