// The main window's buttons, scroll bars and frame panels as data: name, caption, hint,
// place, when each is shown and enabled, and the rule its event runs. Qt-free; the window
// builds and refreshes every control from these tables with one routine per kind.
#pragma once

#include "app/Commands.h"
#include "model/Controls.h"
#include "model/State.h"

#include <span>

namespace vt {

struct Rect {
    int x, y, w, h;
};

// When a control is visible.
enum class Shown {
    ScreenData, // with the screen data
    PanZoom,    // with the screen data, or on their own through "SetP&anZoom On"
    RefPoints,  // with the reference points
    DynVars,    // with the dynamic variables
    Undo,       // with undo, while the screen data is on
    PivotData,  // with the pivot data
};
bool IsShown(Shown when, const State& s, const Controls& c);

struct ButtonFacts {
    const char* name;
    const char* caption;
    const char* hint;
    Rect geometry;
    Shown shown;
    void (*click)(State&, Controls&);
    bool (*enabled)(const State&, const Controls&); // nullptr: always enabled
    Cmd command = Cmd::None; // a button that opens a window runs this command instead
};

struct BarFacts {
    const char* name;
    const char* hint;
    Rect geometry;
    Shown shown;
    void (*change)(State&, Controls&, int32_t);
    BarState (*state)(const State&, const Controls&); // range, steps, position, enabled
    void (*focus)(State&) = nullptr;                   // the bar received the focus
    void (*endScroll)(State&) = nullptr;               // a gesture on the bar ended
};

struct PanelFacts {
    const char* name;
    Rect geometry;
    Shown shown;
};

std::span<const ButtonFacts> MainButtons();
std::span<const BarFacts> MainBars();
std::span<const PanelFacts> MainPanels();
// The names of every button and bar in the order the Tab key visits them.
std::span<const char* const> MainTabOrder();

} // namespace vt
