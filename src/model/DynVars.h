// The dynamic-variable slots and the undo stack shared by the main and graph windows:
// the four most recently visited dimensions, nudged by four spring-loaded bars, and the
// last twenty changes made by typing or by a completed bar gesture.
#pragma once

#include "model/State.h"

#include <string>

namespace vt {

// The name an empty slot shows: 13 spaces and "??".
inline constexpr const char* kEmptyDynVarName = "             ??";
inline constexpr int kUndoDepth = 20;

// All five slots empty (id 0, value 0, the empty name).
void ClearDynVars(DynVarState& d);
// All 21 undo entries zeroed with empty names; UndoCount 0; the UnDo buttons disabled.
void ClearUndo(DynVarState& d);

// The current value of a dimension as the slots see it (the rocker pivot through its
// copy, pivot 6; the reverse shaft through pivot 16). 0 for an unknown id.
float ReadDimension(Mechanism& m, int32_t id);

// Makes the dimension in slot 0 the most recent of slots 1 to 4, or updates its slot in
// place when it is there already.
void RecordDynVar(DynVarState& d);
// Slot 0 := the dimension's id, current value and name text, then RecordDynVar.
void VisitDimension(State& s, int32_t id);

// Makes room for a new entry 1 when EditChanged is set; false (nothing done) otherwise.
bool PushUndo(DynVarState& d);

// Adds DynVarInc (x 100 for the eccentric angles, which stay in [0, 360)) to the
// dimension of slot DynVarActive and writes it back with its twins.
void ApplyDynVar(State& s);

// A report of position p from dynamic-variable bar k (1..4): the step |p| / 1000 signed
// by the bar's motion (an arrow click 0.001, a page click 0.01) is applied, then the bar
// springs back to 0, which reports once more and adds nothing.
void DynVarBarChange(State& s, int k, int32_t p);
// The bar received the input focus: the value a gesture starts from.
void DynVarBarFocus(DynVarState& d, int k);
// The end of a gesture on bar k: one undo entry from the value at focus to the value now.
void DynVarBarEndScroll(DynVarState& d, int k);

// Reverts entry 1 and drops it; an empty stack only disables the UnDo buttons.
void Undo(State& s);

// " n- name  new to  old": the count in 2 characters, the values as 6:3, or where 3
// decimals show no difference with as many more (up to 6) as do, 7:4 to 9:6.
void BuildUndoStatus(DynVarState& d);

} // namespace vt
