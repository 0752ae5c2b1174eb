// The layouts of the two dimension editors as data: every field with its labels, small
// button and dimension, the help lines and the two buttons. One dialog class builds
// either editor from its layout.
#pragma once

#include "model/Dimensions.h"

#include <span>

namespace vt {

struct EditorLabel {
    const char* Text = nullptr; // nullptr: no label
    int X = 0;                  // multiplied by FontScaleX
    int Row = 0;                // y = 13 x row x FontScaleY
};

// What leaving a field does: write its dimension, or one of the reverse arm travel limits
// (no id, no undo, no slot; shown in white).
enum class FieldRule { Dimension, Norm, Max };

struct EditorField {
    const char* Edit;   // the field's name
    const char* Button; // its small button's name
    int Column;         // 0 left, 1 right
    int Row;            // the field's row
    int ButtonRow;      // the small button's row: that of the first label line
    int32_t Marker;     // what the small button puts into MarkerNo
    int Dimension;      // index into the editor's dimension table
    FieldRule Rule;
    EditorLabel Labels[2];
};

struct ButtonPlace {
    const char* Name;
    const char* Caption;
    int X, Y, W, H;
};

struct EditorLayout {
    const char* ObjectName;
    const char* Title;
    int Width, Height; // client area
    std::span<const EditorField> Fields;
    std::span<const DimensionInfo> Dimensions;
    const char* HelpLines[2];
    ButtonPlace Reset, Close;
    bool Frame; // the frame editor: its reset sets the reverse arm bar's range
};

inline constexpr int kEditorRowPitch = 13;
inline constexpr int kLeftFieldX = 146, kRightFieldX = 342;
inline constexpr int kLeftButtonX = 0, kRightButtonX = 194;
inline constexpr int kFieldW = 40, kFieldH = 13, kSmallButtonW = 8;
inline constexpr int kHelpLineX = 1, kHelpLine1Y = 190, kHelpLine2Y = 203;

const EditorLayout& FrameEditorLayout();
const EditorLayout& CylEditorLayout();

} // namespace vt
