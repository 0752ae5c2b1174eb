// View control rules; see ViewControls.h.
#include "model/ViewControls.h"

#include "model/Format.h"
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
    case SpringBarId::Ref2Vert:
    case SpringBarId::Ref1Horz:
    case SpringBarId::Ref2Horz: {
        const int n = RefPivot(bar);
        const bool vertical = bar == SpringBarId::Ref1Vert || bar == SpringBarId::Ref2Vert;
        float& coordinate = vertical ? s.PivotY[n] : s.PivotX[n];
        coordinate = F32(coordinate + step);
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

namespace vt {

void MousePlacesRefPoint(State& s, ViewControls& v, MouseButton button, int x, int y) {
    const bool inDrawing = y > 120 || (y > 67 && x > 247);
    if (!s.RefPointsOn || !inDrawing || button == MouseButton::Other) return;
    const int n = button == MouseButton::Left ? 19 : 20;
    s.PivotX[n] = F32((x - double(s.ViewOffsetX)) / s.ViewScale);
    s.PivotY[n] = F32(-(y - double(s.ViewOffsetY)) / s.ViewScale);
    v.RefPtZeroEnabled[n - 19] = true;
}

namespace {
void ReadCoordinate(const std::string& text, float& coordinate) {
    double value = 0;
    if (ParseDecimal(text, value)) coordinate = F32(value);
}
} // namespace

void RefPointsDialogOk(State& s, ViewControls& v, const RefPointTexts& t) {
    ReadCoordinate(t.v1, s.PivotY[19]);
    ReadCoordinate(t.h1, s.PivotX[19]);
    ReadCoordinate(t.v2, s.PivotY[20]);
    ReadCoordinate(t.h2, s.PivotX[20]);
    for (int k = 0; k < 2; ++k)
        if (s.PivotX[19 + k] != 0 || s.PivotY[19 + k] != 0) v.RefPtZeroEnabled[k] = true;
    s.RefPointsOn = false;
    RefPointsClick(s, v);
}

void RefPointsDialogCancel(State& s, ViewControls& v) {
    s.RefPointsOn = true;
    RefPointsClick(s, v);
}

void RefPointsDialogZero(State& s, ViewControls& v) {
    s.PivotX[19] = s.PivotY[19] = s.PivotX[20] = s.PivotY[20] = 0;
    v.RefPtZeroEnabled[0] = v.RefPtZeroEnabled[1] = false;
    RefPointsDialogCancel(s, v);
}

void GraphicZoomOk(State& s, const std::string& text) {
    double value = s.GraphicZoom;
    if (!ParseDecimal(text, value)) return;
    s.GraphicZoom = F32(std::clamp(value, 0.5, 2000.0));
}

} // namespace vt
