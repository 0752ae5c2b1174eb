// The steam diagram window's facts; see Steam.h.
#include "graphs/Steam.h"

#include "graphs/SteamDraw.h"

namespace vt {

const GraphFacts& SteamDiaFacts() {
    static constexpr GraphFacts kSteam = {
        "TSteamDia", 632, 414, GraphOpening::Minimized, 0, 0, "CloseStm", 408, 8,
        {"SBDynVarST1", "SBDynVarST2", "SBDynVarST3", "SBDynVarST4"}, "UnDoDnSt",
        "SetRevArmPos", "ReDraw", "&UnDo", "DynamicVari", "UnDoSteam",
        true, 1, DrawSteamDiagram, nullptr, false};
    return kSteam;
}

} // namespace vt
