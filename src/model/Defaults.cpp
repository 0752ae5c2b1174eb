// The built-in design ("Nominal") and the start-up values.
#include "model/Defaults.h"

#include "model/DesignChanges.h"
#include "model/Dimensions.h"
#include "model/DynVars.h"
#include "model/MidGear.h"

namespace vt {

namespace {

constexpr FrameDims kBuiltInFrame = [] {
    FrameDims d;
    d.DriverDia = 7.0f;
    d.StrokeLen = 3.0f;
    d.MainRodLen = 10.0f;
    d.EccCircleDia = 0.6875f;
    d.EccDia = 2.0f;
    d.EccFwdAngle = 62.0f;
    d.EccRevAngle = 62.0f;
    d.EccRodFwdLen = 7.75f;
    d.EccRodRevLen = 7.75f;
    d.LinkRadius = 8.25f;
    d.LinkCentPivotBackSet = 0.2f;
    d.LinkCentPivotVert = 0.0f;
    d.LinkEccRodPivotVert = 0.75f;
    d.LinkEccRodPivotBackSet = 0.472f;
    d.RockerUpperLen = 1.25f;
    d.RockerUpperBackSet = 0.0f;
    d.RockerLowerLen = 1.312f;
    d.ValveConRodLen = 4.75f;
    d.LiftingLinkLen = 2.0f;
    d.RevArmLen = 2.375f;
    d.RevArmBackSet = 0.0f;
    d.LiftingArmLen = 1.812f;
    d.RevArmCentNorm = 1.04f;
    d.RevArmCentMax = 1.3f;
    d.FrameSpare = 2.75f;
    return d;
}();

constexpr CylBlock kBuiltInCyl = [] {
    CylBlock c;
    c.CylCtrToDriverCtr = 16.0f;
    c.CylBoreDia = 2.125f;
    c.CylBoreLen = 4.0f;
    c.CylSpare = 0.0f;
    c.CylSteamPortWidth = 0.312f;
    c.PistonRodLen = 6.0f;
    c.PistonWidth = 0.5f;
    c.ValveSurfaceToCylCL = 1.75f;
    c.ValveStemToCylCL = 2.062f;
    c.ExhPortWidth = 0.375f;
    c.BridgeWidthRear = 0.187f;
    c.SteamPortWidthRear = 0.156f;
    c.ValveChamberHeight = 0.625f;
    c.ValveChamberLen = 2.187f;
    c.ValveHeight = 0.5f;
    c.ValveLenRear = 0.687f;
    c.ValveExhCavityRear = 0.375f;
    c.ValveStemLen = 3.191f;
    c.BridgeWidthFront = 0.187f;
    c.SteamPortWidthFront = 0.156f;
    c.ValveLenFront = 0.687f;
    c.ValveExhCavityFront = 0.375f;
    return c;
}();

constexpr ViewState::Preset kBuiltInPresets[kPresetViews] = {
    {0, 0, 0},       {62, 310, 237},    {50, -100, 250},  {100, -500, 200},
    {59, -570, 250}, {250, -3450, 700}, {250, -3900, 700},
};

constexpr float kStartScale = 28.5f, kStartOffsetX = 110.0f, kStartOffsetY = 270.0f;

void ClearOverlay(OverlayState& o) {
    o = OverlayState{};
    for (int i = 1; i < kLineEntries; ++i) {
        o.LineType[i] = -1;
        o.LineColor[i] = -1;
        o.LineRefMode[i] = -1;
    }
}

} // namespace

void InitState(State& s) {
    s.DriverAngle = 0;
    s.RunStep = 10;
    s.StepAngle = 10.0f;
    for (int p : {0, 1, 6, 16, 19, 20}) s.PivotX[p] = s.PivotY[p] = 0;
    s.SolveTol = 0.0001f;
    for (float& r : s.RevArmSet) r = 0;
    s.RevArmCount = 1;
    s.DataSetName = "Nominal";
    s.PivotY[3] = 0;
    s.ValveStemToCylCL = 0;
    s.DynVarInc = 0.001f;
    s.VertScale = 1.5f;
    s.GraphicZoom = 7.5f;
    s.PrevFrontSteamOpening = s.PrevRearSteamOpening = 0;
    s.SteamDispOn = false;
    s.SteamFront = s.SteamRear = 20;
    s.PhaseFront = s.PhaseRear = 0;
    s.BeatArmedFront = s.BeatArmedRear = '0';
    s.BeatSteamFront = s.BeatSteamRear = 0;
    s.FrontCOText.clear();
    s.RearCOText.clear();
    s.DirectionText = "Fwd";
    for (int i = 0; i < kPresetViews; ++i) s.PresetView[i] = kBuiltInPresets[i];
    s.FontScaleX = s.FontScaleY = 1;
    ClearDynVars(s);
    s.ErrorBeepOn = true;
    ClearOverlay(s);
    s.ScreenDataOn = true;
    s.LineWidth = 1;
    s.ViewScale = s.NormViewScale = kStartScale;
    s.ViewOffsetX = s.NormViewOffsetX = kStartOffsetX;
    s.ViewOffsetY = s.NormViewOffsetY = kStartOffsetY;
}

void SetViewDefaults(ViewState& v) {
    v.SavedViewScale = kStartScale;
    v.SavedViewOffsetX = kStartOffsetX;
    v.SavedViewOffsetY = kStartOffsetY;
    v.ViewScale = v.NormViewScale = v.ZoomRefScale = v.SavedViewScale;
    v.ViewOffsetX = v.NormViewOffsetX = v.ZoomRefOffsetX = v.SavedViewOffsetX;
    v.ViewOffsetY = v.NormViewOffsetY = v.ZoomRefOffsetY = v.SavedViewOffsetY;
}

void SetFrameDefaults(Mechanism& m) {
    m.FrameDefaultsBlock.Dims = kBuiltInFrame;
    m.FrameDefaultsBlock.RockerPivotX = 8.13f;
    m.FrameDefaultsBlock.RockerPivotY = 1.3f;
    m.FrameDefaultsBlock.RevShaftX = 6.0f;
    m.FrameDefaultsBlock.RevShaftY = 2.0f;
}

void ApplyFrameDefaults(Mechanism& m) {
    const FrameDefaults& d = m.FrameDefaultsBlock;
    static_cast<FrameDims&>(m) = d.Dims;
    m.PivotX[6] = m.PivotX[7] = d.RockerPivotX;
    m.PivotY[6] = m.PivotY[7] = d.RockerPivotY;
    m.PivotX[16] = m.PivotX[17] = d.RevShaftX;
    m.PivotY[16] = m.PivotY[17] = d.RevShaftY;
}

void SetCylDefaults(Mechanism& m) {
    m.CylDefaults = kBuiltInCyl;
    m.CylCLDefault = 0;
    UpdateValveRodJointHeight(m);
}

void ApplyCylDefaults(Mechanism& m) {
    m.PivotY[3] = m.CylCLDefault;
    static_cast<CylBlock&>(m) = m.CylDefaults;
    UpdateValveRodJointHeight(m);
}

void StartUp(State& s) {
    InitState(s);
    SetViewDefaults(s);
    SetFrameDefaults(s);
    SetCylDefaults(s);
    ApplyFrameDefaults(s);
    ApplyCylDefaults(s);
    FindRevArmCent(s);
    SetDesignBaseline(s);
}

void CentreRevArm(Mechanism& m) {
    m.RevArmPos = m.RevArmSet[0];
    m.FrontCOText.clear();
    m.RearCOText.clear();
}

} // namespace vt
