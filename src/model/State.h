// The one state of the program: the gear's dimensions, the pivot table, the run-time
// values, the view, the display settings, the dynamic-variable slots and the undo stack.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vt {

inline constexpr int kPivotCount = 27;
inline constexpr int kRevArmSetCount = 10;
inline constexpr int kDynVarSlots = 5;
inline constexpr int kUndoEntries = 21;
inline constexpr int kLineEntries = 21; // entry 0 is scratch, 1..20 are the user's
inline constexpr int kCylOutlinePoints = 24;
inline constexpr int kPistonValvePoints = 14;
inline constexpr int kPresetViews = 7;
// The values that make up a design as a user changes it: 28 frame and 22 cylinder
// dimensions, the nine stored reverse arm positions, the diagrams' vertical scale and the
// thirteen lists of the 20 overlay entries.
inline constexpr int kDesignPrintFloats = 28 + 22 + 9 + 1 + 13 * 20;

// Frame dimensions other than the two fixed pivots (rocker pivot, reverse shaft), which
// live in the pivot table. Lengths in the free model unit, angles in degrees.
struct FrameDims {
    float DriverDia = 0;
    float StrokeLen = 0;
    float MainRodLen = 0;
    float EccCircleDia = 0;
    float EccDia = 0;
    float EccFwdAngle = 0; // kept in [0, 360)
    float EccRevAngle = 0; // kept in [0, 360)
    float EccRodFwdLen = 0;
    float EccRodRevLen = 0;
    float LinkRadius = 0;
    float LinkCentPivotBackSet = 0;
    float LinkCentPivotVert = 0;
    float LinkEccRodPivotVert = 0;
    float LinkEccRodPivotBackSet = 0;
    float RockerUpperLen = 0;
    float RockerUpperBackSet = 0;
    float RockerLowerLen = 0;
    float ValveConRodLen = 0;
    float LiftingLinkLen = 0;
    float RevArmLen = 0;
    float RevArmBackSet = 0;
    float LiftingArmLen = 0; // its sign selects the arm's side of the shaft
    float RevArmCentNorm = 0;
    float RevArmCentMax = 0;
    float FrameSpare = 0; // saved and loaded with the design; no use in the geometry
};

// The frame-defaults block: every frame dimension plus the two fixed pivots.
struct FrameDefaults {
    FrameDims Dims;
    float RockerPivotX = 0, RockerPivotY = 0;
    float RevShaftX = 0, RevShaftY = 0;
};

// The cylinder block: 22 consecutive floats in the order the dimension file stores them.
// The centre-line height is not here; it lives in PivotY[3].
struct CylBlock {
    float CylCtrToDriverCtr = 0;
    float CylBoreDia = 0;
    float CylBoreLen = 0;
    float CylSpare = 0; // always 0
    float CylSteamPortWidth = 0;
    float PistonRodLen = 0;
    float PistonWidth = 0;
    float ValveSurfaceToCylCL = 0;
    float ValveStemToCylCL = 0;
    float ExhPortWidth = 0;
    float BridgeWidthRear = 0;
    float SteamPortWidthRear = 0;
    float ValveChamberHeight = 0;
    float ValveChamberLen = 0;
    float ValveHeight = 0;
    float ValveLenRear = 0;
    float ValveExhCavityRear = 0;
    float ValveStemLen = 0;
    float BridgeWidthFront = 0;
    float SteamPortWidthFront = 0;
    float ValveLenFront = 0;
    float ValveExhCavityFront = 0;
};
static_assert(sizeof(CylBlock) == 22 * sizeof(float), "the cylinder block is 22 packed floats");

// Pivot numbers of the pivot table.
enum Pivot : int {
    Axle = 1,
    CrankPin = 2,
    Crosshead = 3,
    ValveRodJoint = 4,
    RockerUpperPin = 5,
    RockerPivotCopy = 6,
    RockerPivot = 7,
    DieBlock = 8,
    LinkSuspPin = 9,
    FwdRodPin = 10,
    RevRodPin = 11,
    FwdEccCentre = 12,
    RevEccCentre = 13,
    LinkArcCentre = 14,
    LiftArmEnd = 15,
    RevArmPivot = 16,
    LiftArmPivot = 17,
    RevArmEnd = 18,
    RefPoint1 = 19,
    RefPoint2 = 20,
    FwdRodStart = 21,
    RevRodStart = 22,
    RockerUpperLine = 23,
    LinkCentrePoint = 24,
};

// Where the valve's edges stand against the ports; all but ValveTravel follow from the
// dimensions alone. Written at the end of every completed solve.
struct PortEdges {
    float ValveTravel = 0;
    float FrontSteamOpenTravel = 0;
    float FrontSteamMaxTravel = 0;
    float FrontExhOpenTravel = 0;
    float RearSteamOpenTravel = 0;
    float RearSteamMaxTravel = 0;
    float RearExhOpenTravel = 0;
    float LeadBaseUpper = 0;
    float LeadBaseLower = 0;
    float LapUpper = 0;
    float LapLower = 0;
    float ExClUpper = 0;
    float ExClLower = 0;
};

// Piston position (0..640 over the stroke) and the four port openings; > 0 means open,
// < 0 is the remaining lap. The Prev values are kept by whoever steps the angle.
struct ValveEvents {
    float PistonPos = 0;
    float FrontSteamOpening = 0;
    float FrontExhOpening = 0;
    float RearSteamOpening = 0;
    float RearExhOpening = 0;
    float PrevPistonPos = 0;
    float PrevFrontSteamOpening = 0;
    float PrevFrontExhOpening = 0;
    float PrevRearSteamOpening = 0;
    float PrevRearExhOpening = 0;
};

// Screen points of the cylinder section, rebuilt every tick.
struct Outlines {
    int32_t CylOutlineX[kCylOutlinePoints] = {};
    int32_t CylOutlineY[kCylOutlinePoints] = {};
    int32_t PistonValveX[kPistonValvePoints] = {};
    int32_t PistonValveY[kPistonValvePoints] = {};
};

// Working values shared by the solver's guards and the mid-gear calculation.
struct SolverWork {
    float CalcValue = 0;
    float CalcDenom = 0;
    float CalcAngle = 0; // radians
    float SearchStep = 0;
    float SolveTol = 0;
    float LiftLinkSpan = 0;
};

// The mechanism: dimensions, pivots, run-time values and what the solve derives.
struct Mechanism : FrameDims, CylBlock, PortEdges, ValveEvents, Outlines, SolverWork {
    float PivotX[kPivotCount] = {};
    float PivotY[kPivotCount] = {};
    int32_t PivotScrX[kPivotCount] = {};
    int32_t PivotScrY[kPivotCount] = {};

    FrameDefaults FrameDefaultsBlock;
    CylBlock CylDefaults;
    float CylCLDefault = 0;

    float DriverAngle = 0; // degrees; 0 = crank towards the cylinder, increasing clockwise
    float StepAngle = 0;
    float RunStep = 0;  // degrees per tick; 0 while stopped
    float RevArmPos = 0; // X of the reverse arm end
    float RevArmSet[kRevArmSetCount] = {}; // [0] is mid gear
    int32_t RevArmCount = 0;
    std::string DirectionText;
    float LinkAngle = 0; // radians
    float EccSense = 0;
    float LiftArmSense = 0;
    std::string DataSetName;
    std::string FrontCOText, RearCOText;
};

struct ViewState {
    float ViewScale = 0, ViewOffsetX = 0, ViewOffsetY = 0;
    float SavedViewScale = 0, SavedViewOffsetX = 0, SavedViewOffsetY = 0;
    float NormViewScale = 0, NormViewOffsetX = 0, NormViewOffsetY = 0;
    float ZoomRefScale = 0, ZoomRefOffsetX = 0, ZoomRefOffsetY = 0;
    struct Preset {
        float Scale = 0, OffsetX = 0, OffsetY = 0;
    };
    Preset PresetView[kPresetViews] = {};
    float GraphicZoom = 0;
    float VertScale = 0; // vertical scale of the sine and oval diagrams
};

struct DisplaySettings {
    bool ErrorBeepOn = false;
    bool SteamDispOn = false;
    int32_t LineWidth = 1;
    bool ScreenDataOn = false;
    float FontScaleX = 1, FontScaleY = 1;
    bool DynVarsOn = false;
    bool UndoOn = false;
    bool RefPointsOn = false;
    bool PivotDataOn = false;
    bool PickPromptOn = false;
};

// Five most-recent dimension slots and a 20-step undo stack (entry 0 is a transfer slot).
struct DynVarState {
    int32_t DynVarId[kDynVarSlots] = {};
    float DynVarValue[kDynVarSlots] = {};
    std::string DynVarName[kDynVarSlots];
    int32_t DynVarActive = 1;
    float DynVarInc = 0;
    float DynVarEnterValue = 0;
    int32_t BarLastPos[kDynVarSlots] = {};
    int32_t BarPrevPos[kDynVarSlots] = {};

    int32_t UndoId[kUndoEntries] = {};
    float UndoOld[kUndoEntries] = {};
    float UndoNew[kUndoEntries] = {};
    std::string UndoName[kUndoEntries];
    int32_t UndoCount = 0;
    std::string UndoStatusText;
    bool EditChanged = false;
    bool UndoEnabled = false; // the five "UnDo" buttons
};

// The lines-and-circles overlay entries, saved with the design.
struct OverlayState {
    float LineType[kLineEntries] = {};
    float LineColor[kLineEntries] = {};
    float LineRefMode[kLineEntries] = {};
    float LineP1Vert[kLineEntries] = {}, LineP1Horz[kLineEntries] = {};
    float LineP2Vert[kLineEntries] = {}, LineP2Horz[kLineEntries] = {};
    float LinePivot1[kLineEntries] = {}, LinePivot2[kLineEntries] = {};
    float LineRef1X[kLineEntries] = {}, LineRef1Y[kLineEntries] = {};
    float LineRef2X[kLineEntries] = {}, LineRef2Y[kLineEntries] = {};
    int32_t CurLineNo = 1;
    bool LeftPickDone = false;
};

// The steam display's memory between frames: quantity in each cylinder end, the phase
// last seen ('E' after admission, 'C' after exhaust, 0 for none) and the exhaust beats.
struct SteamState {
    float SteamFront = 0, SteamRear = 0;
    char PhaseFront = 0, PhaseRear = 0;
    char BeatArmedFront = '0', BeatArmedRear = '0';
    float BeatSteamFront = 0, BeatSteamRear = 0;
};

// What the readouts keep between frames: the cut-off countdowns and the pivot data rows.
struct ReadoutState {
    int32_t FrontCOShow = 0, RearCOShow = 0; // frames left to show each cut-off value
    float PivotSel[7] = {};                   // rows 1..6: a pivot number, as a real
    float PivotSelOn[7] = {};                 // 1 when the row has a pivot
    int32_t PivotPickRow = 0;                 // the row waiting for a pick, 0 for none
    int32_t LineRefChoice = -1; // the "Referenced to" choice of the lines dialog, -1 none
};

// The dimension marker display: the marker number of the dimension being shown (0 for
// none), the frames shown and the blink phase, and the editor to reopen at the end.
enum class MarkerEditor { None, Frame, Cylinder };
struct MarkerState {
    int32_t MarkerNo = 0;
    int32_t HighlightFrames = 0;
    int32_t HighlightBlink = 0;
    MarkerEditor MarkerReturn = MarkerEditor::None;
};

// What the graph windows share beyond the mechanism: the position being plotted, the
// flag that the reverse arm positions dialog has closed since the last redraw, and the
// port events graph's mode ('F' forward, 'R' reverse, 'B' both) and cycle arrows.
struct GraphState {
    float PlotRevArmPos = 0;
    bool RevArmSetChanged = false;
    char PortGraphMode = 'F';
    bool PortCycleNotesOn = true;
};

// The design as it was last saved, opened or started, to tell whether it has changed.
struct SavedDesignState {
    float SavedDesign[kDesignPrintFloats] = {};
};

// Effects that leave the core. The shell binds them; tests observe them.
struct Hooks {
    std::function<void()> Beep;            // the platform's default message beep
    std::function<uint32_t()> RandomSeed;  // a seed for the steam dots, from the clock
    std::function<void(uint32_t)> SetWaveVolume; // both 16-bit channel levels in one word
    std::function<void()> PlayExhaust;     // "Exhaust.wav", cutting off a beat still playing
    std::function<std::string()> DateText; // the current date, platform short format
    std::function<std::string()> TimeText; // the current time, platform long format
};

struct State : Mechanism,
               ViewState,
               DisplaySettings,
               DynVarState,
               OverlayState,
               SteamState,
               ReadoutState,
               MarkerState,
               GraphState,
               SavedDesignState {
    Hooks hooks;
};

} // namespace vt
