// The face and sizes of the text every canvas draws: the raster canvas and the vector
// one take their fonts from here, so a diagram's text has one size in every file.
#pragma once

#include <QFont>

namespace vt {

// The face of the scene's text.
inline constexpr const char* kCanvasFace = "Liberation Sans";

// Points to pixels at 96 dots per inch, rounded: 8 points are 11 pixels.
int CanvasFontPixels(int points);

// The canvas face at a pixel size (at least 1), bold or regular, without antialiasing.
QFont CanvasFont(int pixelSize, bool bold);

} // namespace vt
