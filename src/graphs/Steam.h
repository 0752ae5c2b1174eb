// TSteamDia, the steam diagram window: its facts (the window is built from them).
#pragma once

#include "graphs/GraphFacts.h"

namespace vt {

const GraphFacts& SteamDiaFacts();

} // namespace vt
