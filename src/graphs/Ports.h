// TPortDia, the port events window: its facts, with the "SetUp" menu that chooses the
// forward graph, the reverse graph or both (the window is built from them).
#pragma once

#include "graphs/GraphFacts.h"

namespace vt {

const GraphFacts& PortDiaFacts();

} // namespace vt
