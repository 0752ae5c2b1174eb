// The rules of the frame and cylinder dimension editors: how a field shows its value, how
// leaving it writes the dimension (with the dynamic-variable slot and the undo entry), the
// reverse arm travel limits, "Close" and the two resets.
#pragma once

#include "model/Controls.h"
#include "model/Dimensions.h"

#include <optional>
#include <string>
#include <string_view>

namespace vt {

// A value as a field shows it: at least 5 characters with 3 decimals, cut to 10.
std::string EditorFieldText(float v);

// The number a field's text stands for: its leading decimal number (an optional minus
// sign, digits, an optional point and digits), 0 when there is none. Beyond the range of
// a float the value stops at the largest finite one, so no text yields inf or NaN.
float ConvertFieldText(std::string_view text);

// The exits below take the field's text when the user edited it, and nothing when the
// field was only passed through: its value then stays exactly as it was, for a field's
// text shows the value rounded (or in exponent form) and would not give it back.
//
// An edited text without a digit (an emptied field) keeps the value too, and a number
// whose size exceeds kLargestEntry is refused with the error beep: neither changes
// anything, and the field should show the value again.
inline constexpr double kLargestEntry = 1e6;
enum class FieldOutcome { Stored, Kept, Refused };

// Leaving a field of a dimension with an id: the undo entry when a key was typed, the
// value from the edited text (eccentric angles into [0, 360)), slot 0 and RecordDynVar,
// the editor's twin copies. Clears EditChanged. A refused text changes nothing else.
FieldOutcome DimensionFieldExit(State& s, const DimensionInfo& d,
                                std::optional<std::string_view> edited);
// The same with the value the text stands for; none for a field left unedited.
void DimensionValueExit(State& s, const DimensionInfo& d, std::optional<float> value);

// An eccentric angle as the editors store it: in [0, 360).
float WrapEccentricAngle(float a);

// Leaving "Rev Arm to Center Norm": above Max it becomes Max and pulls the stored
// positions that are not 0 within mid gear +- Norm.
FieldOutcome NormFieldExit(State& s, std::optional<std::string_view> edited);
// Leaving "Max": below Norm it becomes Norm and clamps all nine stored positions; the
// reverse arm bar always takes its range from it.
FieldOutcome MaxFieldExit(State& s, Controls& c, std::optional<std::string_view> edited);

// "Close": mid gear recalculated, the reverse arm bar to 0, the cut-off texts emptied.
void EditorCloseClick(State& s, Controls& c);

// The resets: built-in values and the dynamic variables cleared (the frame reset also
// sets the reverse arm bar's range). A click clears the undo stack too; the mouse going
// down on the button does not.
void ResetFrameDimensions(State& s, Controls& c, bool click);
void ResetCylDimensions(State& s, bool click);

// "&ResetAllDimensions": both resets, mid gear and "Cen", the normal view, the name
// "Nominal", the diagram scale 1.5, dynamic variables and undo cleared and switched off.
void ResetAllDimensions(State& s, Controls& c);

// Sets the reverse arm bar's range from RevArmCentMax; a position outside it moves in.
void SetRevArmBarRange(State& s, Controls& c);

} // namespace vt
