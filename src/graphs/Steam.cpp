// The steam diagram window's facts; see Steam.h.
#include "graphs/Steam.h"

#include "diagrams/Diagrams.h"

namespace vt {

const GraphFacts& SteamDiaFacts() {
    static constexpr GraphFacts kSteam = {
        "TSteamDia", kSteamDiagram.width, kSteamDiagram.height,
        GraphOpening::Minimized, "CloseStm", 408, 8,
        {"SBDynVarST1", "SBDynVarST2", "SBDynVarST3", "SBDynVarST4"}, "UnDoDnSt",
        "SetRevArmPos", "ReDraw", "&UnDo", "DynamicVari", "UnDoSteam",
        true, 1, kSteamDiagram.draw, nullptr, false};
    return kSteam;
}

} // namespace vt
