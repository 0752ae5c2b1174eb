// The dynamic-variable slots and the undo stack shared by the main and graph windows.
#pragma once

#include "model/State.h"

namespace vt {

// The name an empty slot shows: 13 spaces and "??".
inline constexpr const char* kEmptyDynVarName = "             ??";

// All five slots empty (id 0, value 0, the empty name).
void ClearDynVars(DynVarState& d);
// All 21 undo entries zeroed with empty names; UndoCount 0.
void ClearUndo(DynVarState& d);

} // namespace vt
