// View control rules; see ViewControls.h.
#include "model/ViewControls.h"

#include "model/Real.h"

#include <algorithm>

namespace vt {

namespace {

struct SpringFacts {
    int divisor, large;
};
constexpr SpringFacts kPanZoom{10, 10};
constexpr SpringFacts kRefPoint{1000, 25};

int RefPivot(SpringBarId bar) {
    return bar == SpringBarId::Ref1Vert || bar == SpringBarId::Ref1Horz ? 19 : 20;
}

void ApplyStep(State& s, ViewControls& v, SpringBarId bar, double step) {
    switch (bar) {
    case SpringBarId::PanVert: PanVertical(s, step); break;
    case SpringBarId::PanHorz: PanHorizontal(s, step); break;
    case SpringBarId::Zoom: Zoom(s, step); break;
    case SpringBarId::Ref1Vert:
    case SpringBarId::Ref2Vert: {
        const int n = RefPivot(bar);
        s.PivotY[n] = F32(s.PivotY[n] + step);
        v.RefPtZeroEnabled[n - 19] = true;
        return;
    }
    case SpringBarId::Ref1Horz:
    case SpringBarId::Ref2Horz: {
        const int n = RefPivot(bar);
        s.PivotX[n] = F32(s.PivotX[n] + step);
        v.RefPtZeroEnabled[n - 19] = true;
        return;
    }
    }
    v.NormEnabled = true;
}

bool IsPanZoom(SpringBarId bar) {
    return bar == SpringBarId::PanVert || bar == SpringBarId::PanHorz || bar == SpringBarId::Zoom;
}

} // namespace

void SpringBarChange(State& s, ViewControls& v, SpringBarId bar, int32_t p) {
    const SpringFacts f = IsPanZoom(bar) ? kPanZoom : kRefPoint;
    SpringBar& memory = v.Bars[static_cast<int>(bar)];
    ApplyStep(s, v, bar, SpringStep(memory, p, f.divisor, f.large));
    if (p != 0) SpringBarChange(s, v, bar, 0); // the bar springs back and reports again
}

void NormClick(State& s, ViewControls& v) {
    NormView(s);
    v.NormEnabled = false;
    v.P0Enabled = true;
}

void Preset0Click(State& s, ViewControls& v) {
    s.PresetView[0] = {s.ViewScale, s.ViewOffsetX, s.ViewOffsetY};
    v.P0Enabled = false;
    v.NormEnabled = true;
}

void PresetClick(State& s, ViewControls& v, int k) {
    if (k < 1 || k >= kPresetViews) return;
    if (!v.P0Enabled) s.PresetView[k] = s.PresetView[0];
    s.ViewScale = s.PresetView[k].Scale;
    s.ViewOffsetX = s.PresetView[k].OffsetX;
    s.ViewOffsetY = s.PresetView[k].OffsetY;
    v.NormEnabled = v.P0Enabled = true;
}

void RefPtClick(State& s, ViewControls& v, int point) {
    const int n = point == 1 ? 19 : 20;
    CentreOn(s, s.PivotX[n], s.PivotY[n]);
    // The pan bars are moved to where this view puts them; each move runs the bar's
    // handling, which pans by the step it stands for and springs back.
    const int32_t horz = std::clamp(PanHorzPosFor(s), -500, 500);
    if (horz != 0) SpringBarChange(s, v, SpringBarId::PanHorz, horz);
    const int32_t vert = std::clamp(PanVertPosFor(s), -500, 500);
    if (vert != 0) SpringBarChange(s, v, SpringBarId::PanVert, vert);
}

void RefPtZeroClick(State& s, ViewControls& v, int point) {
    const int n = point == 1 ? 19 : 20;
    s.PivotX[n] = s.PivotY[n] = 0;
    v.RefPtZeroEnabled[point - 1] = false;
}

void RefPointsClick(State& s, ViewControls& v) {
    s.RefPointsOn = !s.RefPointsOn;
    if (!s.RefPointsOn) s.PivotDataOn = false;
    v.RefPtEnabled[0] = v.RefPtEnabled[1] = s.RefPointsOn;
    v.DrawLinesEnabled = s.RefPointsOn;
}

void SetPanZoomClick(ViewControls& v) {
    const bool hide = v.PanZoomCaption == "SetP&anZoom Off";
    v.PanZoomCaption = hide ? "SetP&anZoom On" : "SetP&anZoom Off";
    v.PanZoomBarsShown = !hide;
}

} // namespace vt
