// Whether the design has changed since it was last saved, opened or started, and what a
// command that would put it aside (quitting, opening another, the reset) does with the
// user's answer to the question "Save changes to NAME?".
#pragma once

#include "model/State.h"

#include <string>

namespace vt {

// The design as it stands becomes the one that nothing needs saving for: after a save,
// an open or import, the start and "&ResetAllDimensions".
void SetDesignBaseline(State& s);

// Whether a dimension, a stored reverse arm position, the vertical scale or an overlay
// entry differs from the baseline. The view, the driver and the reverse arm's position
// are no part of it: looking at the gear changes nothing that could be lost.
bool DesignModified(const State& s);

// "Save changes to NAME?"
std::string SaveQuestion(const State& s);

enum class SaveAnswer { Save, Discard, Cancel };
enum class SetAside {
    Proceed,         // the design may go
    SaveThenProceed, // it goes only once the save has succeeded
    Stay,            // nothing happens
};
// What a command that replaces or ends the design does: an unchanged design goes without
// a question; a changed one as the answer says.
SetAside PutDesignAside(bool modified, SaveAnswer answer);

} // namespace vt
