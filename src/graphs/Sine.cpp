// The sine diagram window's facts; see Sine.h.
#include "graphs/Sine.h"

#include "diagrams/Diagrams.h"

namespace vt {

const GraphFacts& SineDiaFacts() {
    static constexpr GraphFacts kSine = {
        "TSineDia", kSineDiagram.width, kSineDiagram.height,
        GraphOpening::Maximized, "CloseSin", 408, 8,
        {"SBDynVarS1", "SBDynVarS2", "SBDynVarS3", "SBDynVarS4"}, "UnDoDnS",
        "&SetRevArmPos", "&ReDraw", "&UnDo", "&DymamicVariables", "UnDoSine",
        true, 2, kSineDiagram.draw, nullptr, false};
    return kSine;
}

} // namespace vt
