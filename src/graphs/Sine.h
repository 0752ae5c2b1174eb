// TSineDia, the sine diagram window: its facts (the window is built from them).
#pragma once

#include "graphs/GraphFacts.h"

namespace vt {

const GraphFacts& SineDiaFacts();

} // namespace vt
