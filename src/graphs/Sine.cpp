// The sine diagram window's facts; see Sine.h.
#include "graphs/Sine.h"

#include "graphs/SineDraw.h"

namespace vt {

const GraphFacts& SineDiaFacts() {
    static constexpr GraphFacts kSine = {
        "TSineDia", 632, 414, GraphOpening::Maximized, 640, 479, "CloseSin", 408, 8,
        {"SBDynVarS1", "SBDynVarS2", "SBDynVarS3", "SBDynVarS4"}, "UnDoDnS",
        "&SetRevArmPos", "&ReDraw", "&UnDo", "&DymamicVariables", "UnDoSine",
        true, 2, DrawSineDiagram, nullptr, false};
    return kSine;
}

} // namespace vt
