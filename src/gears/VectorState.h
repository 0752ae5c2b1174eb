// The processor's vector registers made clean before a long run of solves. A library that
// leaves the upper halves of the 256-bit registers in use (Qt's do, in a program that
// links them) makes every later SSE instruction of the engine pay a state-transition
// penalty: an events table took six times as long (27 ms against 4.3 ms, bench_workbench).
#pragma once

namespace vt::gears {

// Clears the upper halves where the processor has them (vzeroupper); nothing elsewhere.
// A few cycles: call it at the start of a table, a turn or a search, not at every solve.
void ClearUpperVectorState();

} // namespace vt::gears
