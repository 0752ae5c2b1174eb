// The main window's view controls as plain state: the spring-loaded pan, zoom and
// reference point bars, "Norm", "P" and the presets, "RP1" / "RP2" and their "0"
// buttons, and the reference points toggle. The window mirrors this record.
#pragma once

#include "model/State.h"
#include "model/View.h"

#include <string>

namespace vt {

enum class SpringBarId { PanVert, PanHorz, Zoom, Ref1Vert, Ref1Horz, Ref2Vert, Ref2Horz };
inline constexpr int kSpringBars = 7;

struct ViewControls {
    SpringBar Bars[kSpringBars];
    bool NormEnabled = false;
    bool P0Enabled = true; // "P" disabled means the next preset number stores the view
    bool RefPtEnabled[2] = {false, false};
    bool RefPtZeroEnabled[2] = {false, false};
    bool DrawLinesEnabled = false; // menu item and tool button together
    // The menu item that shows and hides the pan and zoom bars while the screen data is
    // off; its caption says what the next click does.
    std::string PanZoomCaption = "SetP&anZoom On";
    bool PanZoomBarsShown = true;
};

// A report of position p from a spring-loaded bar: the step it stands for is applied,
// then the bar returns to 0, which reports once more with p = 0.
void SpringBarChange(State& s, ViewControls& v, SpringBarId bar, int32_t p);

void NormClick(State& s, ViewControls& v);
void Preset0Click(State& s, ViewControls& v);
void PresetClick(State& s, ViewControls& v, int k); // 1..6
void RefPtClick(State& s, ViewControls& v, int point); // 1 or 2: centre the view on it
void RefPtZeroClick(State& s, ViewControls& v, int point);
// "&ReferPoints": switches the reference points on or off.
void RefPointsClick(State& s, ViewControls& v);
// The mouse in the drawing area (y > 120, or y > 67 right of x = 247) with the reference
// points on: the left button places point 1, the right button point 2.
enum class MouseButton { Left, Right, Other };
void MousePlacesRefPoint(State& s, ViewControls& v, MouseButton button, int x, int y);

// The "Reference Points" dialog's buttons. OK takes the four typed coordinates (a text
// that is no number keeps its coordinate) and switches the points on; Cancel and Zero
// switch them off, Zero after putting both at the origin.
struct RefPointTexts {
    std::string v1, h1, v2, h2;
};
void RefPointsDialogOk(State& s, ViewControls& v, const RefPointTexts& t);
void RefPointsDialogCancel(State& s, ViewControls& v);
void RefPointsDialogZero(State& s, ViewControls& v);

// The graphic zoom dialog's OK: the typed factor, kept in [0.5, 2000].
void GraphicZoomOk(State& s, const std::string& text);

// "SetP&anZoom On" / "Off": shows or hides the pan and zoom bars, by its caption.
void SetPanZoomClick(ViewControls& v);

} // namespace vt
