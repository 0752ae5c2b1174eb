// Dynamic-variable slots and undo stack; see DynVars.h.
#include "model/DynVars.h"

namespace vt {

void ClearDynVars(DynVarState& d) {
    for (int i = 0; i < kDynVarSlots; ++i) {
        d.DynVarId[i] = 0;
        d.DynVarValue[i] = 0;
        d.DynVarName[i] = kEmptyDynVarName;
    }
}

void ClearUndo(DynVarState& d) {
    for (int k = 0; k < kUndoEntries; ++k) {
        d.UndoId[k] = 0;
        d.UndoOld[k] = 0;
        d.UndoNew[k] = 0;
        d.UndoName[k].clear();
    }
    d.UndoCount = 0;
}

} // namespace vt
