// The rules of the Set Reverse Arm Positions dialog: the reference scale of the reverse
// arm's range, which of the nine stored positions are in use, and how typed values store.
#pragma once

#include "model/State.h"

#include <array>
#include <string>

namespace vt {

inline constexpr int kStoredPositions = 9;
inline constexpr float kMinVertScale = 0.1f;
// What position 1 becomes when 0 is typed for it: the list always has one position.
inline constexpr float kFirstPositionForZero = 0.001f;

// One text of the reference scale, with its left edge (the row is y = 4).
struct ScaleMark {
    int x;
    std::string text;
};
// From left to right: "Min " to "Max " with the direct sense, "Max " to "Min " otherwise,
// each value as 5:3.
std::array<ScaleMark, 5> RevArmScaleMarks(const Mechanism& m);

// What the dialog shows: which positions have their field and label (position 1
// always), and the text of each field; [10] is the vertical scale.
struct RevArmSetForm {
    std::array<bool, 11> shown{};
    std::array<std::string, 11> text;
};

// The dialog's drawing: the first 0 ends the list (every later position becomes 0),
// RevArmCount becomes the number of positions in use, the field after the last one in
// use is revealed for the next entry, and every field shows its value.
void DrawRevArmSetForm(State& s, RevArmSetForm& f);

// A key pressed in the field of position k reveals position k + 1, whether the key
// passed the filter or not, so that the list grows as the user types.
void RevArmKeyPressed(RevArmSetForm& f, int k);

// Leaving the field of position k (1..9): the text as a real number; 0 for position 1
// becomes 0.001. A text that is no number reads as 0, as an emptied field. A value other
// than 0 outside the reverse arm's travel, mid gear +- RevArmCentMax, is refused: the
// error beep sounds, the position keeps its value, and the answer is the message that
// says the range; an empty message for a stored value.
std::string StoreRevArmPosition(State& s, int k, const std::string& text);

// What the dialog says under the list.
inline constexpr const char* kListEndNote = "0.000 Ends the List";
// Leaving the vertical scale field: at least 0.1; a text that is no number keeps the scale.
void StoreVertScale(ViewState& v, const std::string& text);

} // namespace vt
