// A graph window as data: what distinguishes the four analysis windows (names, sizes,
// opening state, control places, menu captions, the redraw rules that differ) and the
// Qt-free routine that draws its diagram. The one window class builds from these facts.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

#include <array>

namespace vt {

enum class GraphOpening { Normal, Maximized, Minimized };

// An item of a window's own menu: it sets what it stands for, then the window redraws.
struct GraphMenuItem {
    const char* caption;
    const char* handler;     // its handler, "ForwardGraph1Click"
    void (*apply)(State& s);
};

inline constexpr std::size_t kGraphMenuItems = 3;

struct GraphMenu {
    const char* caption;
    std::array<GraphMenuItem, kGraphMenuItems> items;
};

struct GraphFacts {
    const char* name;                    // the window class, "TSineDia"
    int clientWidth, clientHeight;       // the diagram's layout, its least client area
    GraphOpening opening;
    const char* closeName;               // the "Close" button, 75 x 25, at a layout place
    int closeX, closeY;
    std::array<const char*, 4> barNames; // the dynamic-variable bars, 121 x 10
    const char* undoName;                // the "UnDo" button, 40 x 16 at (110, 54)
    // Menu captions; no positions item when setRevArmCaption is null.
    const char* setRevArmCaption;
    const char* reDrawCaption;
    const char* unDoCaption;
    const char* dynVarsCaption;
    const char* unDoMenuName;            // UnDoSine, UnDoOval, ...
    bool asksPositions;                  // opening and mouse moves go through the positions
    int undoRedraws;                     // redraws after the undo button
    void (*draw)(Canvas& c, State& s);   // the whole diagram, gear restored at the end
    const GraphMenu* ownMenu;            // first in the menu bar, where the positions item is
    bool barsBeforeRedraw;               // the dynamic-variables menu: main window's bars first
};

} // namespace vt
