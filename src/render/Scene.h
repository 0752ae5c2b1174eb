// One frame of the main window's scene, in its fixed order of stages.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"
#include "render/Marker.h"

namespace vt {

inline constexpr int kSceneWidth = 1280;
inline constexpr int kSceneHeight = 1024;
// The main window's scene image takes its drawing area's size up to this on each side.
inline constexpr int kMaxSceneSide = 8192;

// Clears the canvas, sets the pen width to LineWidth and draws every stage of the frame
// from the state the tick left (pixels of pivots 0 to 24, outlines). Returns what a
// running dimension marker asks of the window.
MarkerOutcome DrawScene(Canvas& c, State& s);

} // namespace vt
