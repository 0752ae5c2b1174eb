// The diagrams of a design as PNG files, drawn through the Qt canvas without a window.
#pragma once

#include "model/State.h"

#include <string>

namespace vt {

// Draws every graph window's diagram with the design's stored positions and writes it as
// DIR/<name>.png ("sine.png", ...); the folder is made when missing. Returns the error
// text, empty on success. Needs a QGuiApplication for the fonts.
std::string WriteDiagramPngs(State& s, const std::string& dir);

} // namespace vt
