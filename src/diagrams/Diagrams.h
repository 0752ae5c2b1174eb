// The four diagrams as their windows show them: each one's client area, in pixels, and its
// drawing routine. The graph windows' facts and the report's image files both read these,
// so a diagram written to a file is the one its window shows.
#pragma once

#include "diagrams/OvalDraw.h"
#include "diagrams/PortsDraw.h"
#include "diagrams/SineDraw.h"
#include "diagrams/SteamDraw.h"

#include <array>

namespace vt {

struct Diagram {
    const char* fileStem; // "sine": the report's sine.png
    int width, height;
    void (*draw)(Canvas& c, State& s); // the whole diagram, gear restored at the end
};

inline constexpr Diagram kSineDiagram{"sine", 632, 414, DrawSineDiagram};
inline constexpr Diagram kOvalDiagram{"oval", 632, 426, DrawOvalDiagram};
inline constexpr Diagram kSteamDiagram{"steam", 632, 414, DrawSteamDiagram};
// Mode-aware: draws the forward and then the reverse graph while PortGraphMode is 'B'.
inline constexpr Diagram kPortsDiagram{"ports", 632, 414, DrawPortsDiagram};

inline constexpr std::array kDiagrams{kSineDiagram, kOvalDiagram, kSteamDiagram, kPortsDiagram};

} // namespace vt
