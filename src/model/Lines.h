// The lines-and-circles overlay as plain state: the "Draw Lines" dialog's choices and row
// texts, and the rules of making, storing and clearing an entry. The dialog mirrors this
// record; the entries themselves live in the state (OverlayState).
#pragma once

#include "model/State.h"

#include <string>

namespace vt {

inline constexpr int kLineFields = 4; // LineP1Vert, LineP1Horz, LineP2Vert, LineP2Horz
inline constexpr int kLineColors = 6;

// The colour choices in their order, with the stored value (red in the low byte).
struct LineColorFacts {
    const char* name;
    float value;
};
inline constexpr LineColorFacts kLineColorTable[kLineColors] = {
    {"Black", 0}, {"Red", 255}, {"Green", 0x8000}, {"Yellow", 0xFFFF}, {"Blue", 0xFF0000}, {"Gray", 0x808080},
};

// One row of the dialog: the three text labels and the four number fields' texts.
struct LineRowTexts {
    std::string Type, Color, Ref;
    std::string Field[kLineFields];
};

// The dialog's state. The "Referenced to" choice is State::LineRefChoice, which the pick
// prompts read; -1 is no choice in all three groups.
struct LinesDialogState {
    int32_t TypeChoice = -1;  // 0 "Line", 1 "Circle"
    int32_t ColorChoice = -1; // index into kLineColorTable
    bool DrawCloseEnabled = false;
    LineRowTexts Rows[kLineEntries]; // rows 1..20
};

// Whether a rule leaves the dialog open or closes it.
enum class LinesOutcome { Stay, Close };

// The value of field f (0..3) of entry n, as the row's fields order them.
float& LineField(State& s, int n, int f);
const float& LineField(const State& s, int n, int f);

// The dialog becoming active: with no reference choice, entry 0 remembers reference point
// 1; after a pick (choice 1 or more) the entry is raised back to the one being made and
// takes the pivot(s) nearest to the reference point(s).
void LinesFormActivate(State& s, LinesDialogState& d);
// A row's number: that entry becomes the current one, the choices are cleared.
void LineRowClick(State& s, LinesDialogState& d, int row);
// The three choice groups (beeps and clearing where a choice comes out of order).
LinesOutcome LineTypeClick(State& s, LinesDialogState& d, int type);
void LineColorClick(State& s, LinesDialogState& d, int color);
LinesOutcome LineRefClick(State& s, LinesDialogState& d, int mode);
// "Draw Close": stores the entry when all three are chosen, then steps to the next one
// (entry 20 stays with a beep).
LinesOutcome DrawCloseClick(State& s, LinesDialogState& d);
void ClearLineClick(State& s, LinesDialogState& d);
LinesOutcome LinesCloseClick(State& s, LinesDialogState& d);

// Converts the absolute points of entry n into what the drawing needs (offsets from the
// pivots, or the radius), each converted value kept to 3 decimals.
void StoreLineEntry(State& s, LinesDialogState& d, int n);

// The number fields: the key filter (the third field of a circle's row takes no key) and
// leaving a field, which takes its text as the value when it is a finite number.
bool AcceptLineFieldKey(const LinesDialogState& d, int row, int field, const std::string& text, char key);
void LineFieldExit(State& s, LinesDialogState& d, int row, int field, const std::string& text);

// After a file is read: the labels blanked, then every row rebuilt from the entries.
void BlankLineLabels(LinesDialogState& d);
void RefreshLineRows(const State& s, LinesDialogState& d);

} // namespace vt
