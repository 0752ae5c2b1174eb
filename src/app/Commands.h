// Every command of the main window's menus and tool bar, and the tables that lay them out.
// Qt-free: the window builds its menus and tool bar from these tables.
#pragma once

#include <span>

namespace vt {

enum class Cmd {
    None, // a menu title, or a separator when the caption is empty
    OpenDimensions,
    OpenDosVersionDim,
    SaveAsDimensions,
    NewGearDesign,
    OpenGearDesign,
    Exit,
    SetRevArmPos,
    SetDriverAng,
    SetStepAng,
    SetRefPoints,
    SetFont,
    CalcCentRevArm,
    SetSteamDisp,
    SetErrorBeep,
    SetLineWidth,
    SetScreenData,
    SetPanZoom,
    FitGearToWindow,
    FrameDimensions,
    CylinderDimensions,
    SetGraphicZoom,
    ResetAllDimensions,
    ReferPoints,
    DrawLinesCircles,
    PivotData,
    DynamicVari,
    UnDo,
    SineDiagram,
    OvalDiagram,
    SteamDiagram,
    PortOpenClose,
    EventsTable,
    ValveSetting,
    Sensitivity,
    Instructions,
    InstructionsSpecial,
    About,
    DataTable, // the "DataTable" button
};

// One row of the menu bar. Depth 0: a menu title (Cmd::None) or a command standing on
// the bar itself; depth 1: an item of the last title, a separator when caption is "".
struct MenuRow {
    int depth;
    Cmd cmd;
    const char* caption;
    bool enabledAtStart = true;
    const char* shortcut = nullptr; // a standard key where it clashes with nothing
};
std::span<const MenuRow> MainMenuTable();

// The tool bar, in order; Cmd::None is a separator.
struct ToolRow {
    Cmd cmd;
    const char* hint;
};
std::span<const ToolRow> MainToolTable();

} // namespace vt
