// The main window's control tables.
#include "app/ControlTable.h"

#include "model/DynVars.h"

namespace vt {

namespace {

// A spring-loaded bar rests at 0 within its fixed range.
constexpr BarState Spring(int32_t range, int32_t large) { return {0, -range, range, 1, large, true}; }

template <SpringBarId Id>
void SpringChange(State& s, Controls& c, int32_t p) {
    SpringBarChange(s, c.View, Id, p);
}

template <int K>
void Preset(State& s, Controls& c) {
    PresetClick(s, c.View, K);
}

// Dynamic-variable bar K: spring-loaded, enabled while its slot holds a dimension.
template <int K>
void DynVarChange(State& s, Controls&, int32_t p) {
    DynVarBarChange(s, K, p);
}
template <int K>
BarState DynVarBar(const State& s, const Controls&) {
    BarState bar = Spring(200, 10);
    bar.Enabled = s.DynVarName[K] != kEmptyDynVarName;
    return bar;
}
template <int K>
void DynVarFocus(State& s) {
    DynVarBarFocus(s, K);
}
template <int K>
void DynVarEnd(State& s) {
    DynVarBarEndScroll(s, K);
}

constexpr ButtonFacts kButtons[] = {
    {"Preset1", "1", "Pan & Zoom to Preset 1", {5, 25, 14, 14}, Shown::ScreenData, Preset<1>, nullptr},
    {"Preset2", "2", "Pan & Zoom to Preset 2", {19, 25, 14, 14}, Shown::ScreenData, Preset<2>, nullptr},
    {"Preset3", "3", "Pan & Zoom to Preset 3", {33, 25, 14, 14}, Shown::ScreenData, Preset<3>, nullptr},
    {"Preset4", "4", "Pan & Zoom to Preset 4", {47, 25, 14, 14}, Shown::ScreenData, Preset<4>, nullptr},
    {"Preset5", "5", "Pan & Zoom to Preset 5", {61, 25, 14, 14}, Shown::ScreenData, Preset<5>, nullptr},
    {"Preset6", "6", "Pan & Zoom to Preset 6", {5, 39, 14, 14}, Shown::ScreenData, Preset<6>, nullptr},
    {"Preset0", "P", "Select First to Change Presets", {19, 39, 14, 14}, Shown::ScreenData,
     [](State& s, Controls& c) { Preset0Click(s, c.View); },
     [](const State&, const Controls& c) { return c.View.P0Enabled; }},
    {"NormVHZ", "Norm", "Return Pan & Zoom to Normal", {33, 39, 42, 14}, Shown::ScreenData,
     [](State& s, Controls& c) { NormClick(s, c.View); },
     [](const State&, const Controls& c) { return c.View.NormEnabled; }},
    {"RefPt1", "RP1", "Pan to Reference Point 1", {5, 53, 35, 14}, Shown::ScreenData,
     [](State& s, Controls& c) { RefPtClick(s, c.View, 1); },
     [](const State&, const Controls& c) { return c.View.RefPtEnabled[0]; }},
    {"RefPt2", "RP2", "Pan to Reference Point 2", {40, 53, 35, 14}, Shown::ScreenData,
     [](State& s, Controls& c) { RefPtClick(s, c.View, 2); },
     [](const State&, const Controls& c) { return c.View.RefPtEnabled[1]; }},
    {"RefPt1Zero", "0", "Zero Reference Point 1", {5, 72, 14, 23}, Shown::RefPoints,
     [](State& s, Controls& c) { RefPtZeroClick(s, c.View, 1); },
     [](const State&, const Controls& c) { return c.View.RefPtZeroEnabled[0]; }},
    {"RefPt2Zero", "0", "Zero Reference Point 2", {5, 95, 14, 23}, Shown::RefPoints,
     [](State& s, Controls& c) { RefPtZeroClick(s, c.View, 2); },
     [](const State&, const Controls& c) { return c.View.RefPtZeroEnabled[1]; }},
    {"Rev", "Rev", "Set Reverse Arm to Normal Reverse", {252, 25, 28, 14}, Shown::ScreenData,
     RevClick, [](const State&, const Controls& c) { return c.RevEnabled; }},
    {"Center", "Cen", "Set Reverse Arm to Mid Gear", {280, 25, 27, 14}, Shown::ScreenData,
     CenterClick, [](const State&, const Controls& c) { return c.CenterEnabled; }},
    {"Fwd", "Fwd", "Set Reverse Arm to Normal Forward", {307, 25, 28, 14}, Shown::ScreenData,
     FwdClick, [](const State&, const Controls& c) { return c.FwdEnabled; }},
    {"Deg180", "180", "Set Driver Angle to 180 Deg", {252, 39, 25, 14}, Shown::ScreenData,
     [](State& s, Controls& c) { AngleButtonClick(s, c, 180); },
     [](const State&, const Controls& c) { return c.Deg180Enabled; }},
    {"Run", "Stop", "Start / Stop Driver Rotation", {277, 39, 36, 14}, Shown::ScreenData, RunClick,
     nullptr},
    {"Deg00", "0.0", "Set Driver to 0 Deg", {313, 39, 22, 14}, Shown::ScreenData,
     [](State& s, Controls& c) { AngleButtonClick(s, c, 0); },
     [](const State&, const Controls& c) { return c.Deg00Enabled; }},
    {"Step1", "1.0", "Set Driver Step Angle to 1 Deg", {252, 53, 25, 14}, Shown::ScreenData,
     [](State& s, Controls& c) { StepButtonClick(s, c, 1); },
     [](const State&, const Controls& c) { return c.Step1Enabled; }},
    {"Step10", "10.0", "Set Driver Step Angle to 10 Deg", {277, 53, 29, 14}, Shown::ScreenData,
     [](State& s, Controls& c) { StepButtonClick(s, c, 10); },
     [](const State&, const Controls& c) { return c.Step10Enabled; }},
    {"Step45", "45.0", "Set Driver Step Angle to 45 Deg", {306, 53, 29, 14}, Shown::ScreenData,
     [](State& s, Controls& c) { StepButtonClick(s, c, 45); },
     [](const State&, const Controls& c) { return c.Step45Enabled; }},
    {"DataTableBut", "DataTable", "Show the Pivot Data Table", {2, 214, 60, 15}, Shown::PivotData,
     nullptr, nullptr, Cmd::DataTable},
    {"UnDoDn", "UnDo", "Undo the Last Change", {280, 127, 40, 16}, Shown::Undo,
     [](State& s, Controls&) { Undo(s); }, [](const State& s, const Controls&) { return s.UndoEnabled; }},
};

constexpr BarFacts kBars[] = {
    {"SBPanVert", "Pan Vertical", {76, 26, 121, 12}, Shown::PanZoom,
     SpringChange<SpringBarId::PanVert>, [](const State&, const Controls&) { return Spring(500, 10); }},
    {"SBPanHorz", "Pan Horizontal", {76, 40, 121, 12}, Shown::PanZoom,
     SpringChange<SpringBarId::PanHorz>, [](const State&, const Controls&) { return Spring(500, 10); }},
    {"SBZoom", "Zoom In / Out", {76, 54, 121, 12}, Shown::PanZoom,
     SpringChange<SpringBarId::Zoom>, [](const State&, const Controls&) { return Spring(200, 10); }},
    {"SBRef1Vert", "Change Reference Point 1 Vertical", {20, 72, 121, 10}, Shown::RefPoints,
     SpringChange<SpringBarId::Ref1Vert>, [](const State&, const Controls&) { return Spring(5000, 25); }},
    {"SBRef1Horz", "Change Reference Point 1 Horzontal", {20, 84, 121, 10}, Shown::RefPoints,
     SpringChange<SpringBarId::Ref1Horz>, [](const State&, const Controls&) { return Spring(10000, 25); }},
    {"SBRef2Vert", "Change Reference Point 2 Vertical", {20, 96, 121, 10}, Shown::RefPoints,
     SpringChange<SpringBarId::Ref2Vert>, [](const State&, const Controls&) { return Spring(5000, 25); }},
    {"SBRef2Horz", "Change Reference Point 2 Horzontal", {20, 108, 121, 10}, Shown::RefPoints,
     SpringChange<SpringBarId::Ref2Horz>, [](const State&, const Controls&) { return Spring(10000, 25); }},
    {"SBRevArm", "Set Reverse Arm Between Max & Min", {336, 26, 121, 12}, Shown::ScreenData,
     SBRevArmChange, [](const State&, const Controls& c) { return c.RevArm; }},
    {"SBDrvAng", "Set Driver Angle From 0 to 360 Deg", {336, 40, 121, 12}, Shown::ScreenData,
     SBDrvAngChange, [](const State&, const Controls& c) { return c.DrvAng; }},
    {"SBStepAng", "Set Driver Step Angle to Predefined Values", {336, 54, 121, 12},
     Shown::ScreenData, SBStepAngChange, [](const State&, const Controls& c) { return c.StepAng; }},
    {"SBDynVar1", "Change Last Variable Clicked", {253, 72, 121, 10}, Shown::DynVars,
     DynVarChange<1>, DynVarBar<1>, DynVarFocus<1>, DynVarEnd<1>},
    {"SBDynVar2", "Change Next to Last Variable Clicked", {253, 84, 121, 10}, Shown::DynVars,
     DynVarChange<2>, DynVarBar<2>, DynVarFocus<2>, DynVarEnd<2>},
    {"SBDynVar3", "Change 2nd to Last Variable Clicked", {253, 96, 121, 10}, Shown::DynVars,
     DynVarChange<3>, DynVarBar<3>, DynVarFocus<3>, DynVarEnd<3>},
    {"SBDynVar4", "Change 3rd to Last Variable Clicked", {253, 108, 121, 10}, Shown::DynVars,
     DynVarChange<4>, DynVarBar<4>, DynVarFocus<4>, DynVarEnd<4>},
};

constexpr PanelFacts kPanels[] = {
    {"Panel10", {0, 26, 4, 41}, Shown::ScreenData},   {"Panel2", {247, 26, 4, 41}, Shown::ScreenData},
    {"Panel3", {539, 26, 4, 109}, Shown::ScreenData}, {"Panel12", {628, 26, 4, 108}, Shown::ScreenData},
    {"Panel1", {0, 67, 539, 4}, Shown::ScreenData},   {"Panel4", {539, 134, 93, 4}, Shown::ScreenData},
    {"Panel11", {0, 72, 4, 49}, Shown::RefPoints},    {"Panel6", {247, 72, 4, 49}, Shown::RefPoints},
    {"Panel5", {0, 120, 251, 4}, Shown::RefPoints},   {"Panel7", {247, 72, 4, 49}, Shown::DynVars},
    {"Panel8", {247, 120, 292, 4}, Shown::DynVars},
};

} // namespace

bool IsShown(Shown when, const State& s, const Controls& c) {
    switch (when) {
    case Shown::ScreenData: return s.ScreenDataOn;
    case Shown::PanZoom: return s.ScreenDataOn || c.View.PanZoomBarsShown;
    case Shown::RefPoints: return s.RefPointsOn;
    case Shown::DynVars: return s.DynVarsOn;
    case Shown::Undo: return s.ScreenDataOn && s.UndoOn;
    case Shown::PivotData: return s.ScreenDataOn && s.PivotDataOn;
    }
    return false;
}

// The tab order: block by block as the panel shows them, left to right, and along the
// rows within a block. The bars sit between the buttons, so creation order will not do.
constexpr const char* kTabOrder[] = {
    "Preset1",    "Preset2",    "Preset3",    "Preset4",    "Preset5",    "Preset6",
    "Preset0",    "NormVHZ",    "RefPt1",     "RefPt2",     "SBPanVert",  "SBPanHorz",
    "SBZoom",     "RefPt1Zero", "SBRef1Vert", "SBRef1Horz", "RefPt2Zero", "SBRef2Vert",
    "SBRef2Horz", "Rev",        "Center",     "Fwd",        "Deg180",     "Run",
    "Deg00",      "Step1",      "Step10",     "Step45",     "SBRevArm",   "SBDrvAng",
    "SBStepAng",  "SBDynVar1",  "SBDynVar2",  "SBDynVar3",  "SBDynVar4",  "UnDoDn",
    "DataTableBut"};

std::span<const ButtonFacts> MainButtons() { return kButtons; }
std::span<const BarFacts> MainBars() { return kBars; }
std::span<const PanelFacts> MainPanels() { return kPanels; }
std::span<const char* const> MainTabOrder() { return kTabOrder; }

} // namespace vt
