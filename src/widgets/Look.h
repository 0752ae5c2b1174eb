// The program's look: style, fonts and the compact menu bar of a 632-pixel-wide window.
#pragma once

class QApplication;

namespace vt {

// The sans face standing in for the classic 8-point dialog font, and the serif face for
// the bold "Times New Roman" buttons; both metric-compatible stand-ins on Debian.
inline constexpr const char* kSansFace = "Liberation Sans";
inline constexpr const char* kSerifFace = "Liberation Serif";

void ApplyLook(QApplication& app);

} // namespace vt
