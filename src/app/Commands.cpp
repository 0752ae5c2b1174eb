// The main window's menu and tool bar tables.
#include "app/Commands.h"

#include <array>

namespace vt {

namespace {

constexpr MenuRow kMenu[] = {
    {0, Cmd::None, "&File"},
    {1, Cmd::OpenDimensions, "&OpenDimensions", true, "Ctrl+O"},
    {1, Cmd::OpenDosVersionDim, "Open&DosVersionDim"},
    {1, Cmd::SaveAsDimensions, "Save&AsDimensions", true, "Ctrl+S"},
    {1, Cmd::None, ""},
    {1, Cmd::NewGearDesign, "&New Gear Design..."},
    {1, Cmd::OpenGearDesign, "Open &Gear Design..."},
    {1, Cmd::None, ""},
    {1, Cmd::Exit, "E&xit", true, "Ctrl+Q"},
    {0, Cmd::None, "&SetUp"},
    {1, Cmd::SetRevArmPos, "Set&RevArmPos"},
    {1, Cmd::SetDriverAng, "Set&DriverAng"},
    {1, Cmd::SetStepAng, "Set&StepAng"},
    {1, Cmd::SetRefPoints, "SetRef&Points"},
    {1, Cmd::None, ""},
    {1, Cmd::SetFont, "SetLarge&Font"},
    {1, Cmd::CalcCentRevArm, "&CalcCentRevArm"},
    {1, Cmd::SetSteamDisp, "SetS&teamDisp On"},
    {1, Cmd::SetErrorBeep, "Set&ErrorBeep Off"},
    {1, Cmd::SetLineWidth, "Set&LineWidth 2"},
    {1, Cmd::SetScreenData, "SetScree&nData Off"},
    {1, Cmd::SetPanZoom, "SetP&anZoom On", false},
    {1, Cmd::FitGearToWindow, "Fit&GearToWindow", true, "Ctrl+0"},
    {0, Cmd::None, "&EditDimen"},
    {1, Cmd::FrameDimensions, "&FrameDimensions"},
    {1, Cmd::CylinderDimensions, "&CylinderDimensions"},
    {1, Cmd::None, ""},
    {1, Cmd::SetGraphicZoom, "Set&GraphicZoom"},
    {1, Cmd::None, ""},
    {1, Cmd::ResetAllDimensions, "&ResetAllDimensions"},
    {0, Cmd::ReferPoints, "&ReferPoints"},
    {0, Cmd::DrawLinesCircles, "&DrawLinesCircles", false},
    {0, Cmd::PivotData, "Pi&votData"},
    {0, Cmd::DynamicVari, "D&ynamicVari"},
    {0, Cmd::UnDo, "&UnDo"},
    {0, Cmd::None, "Draw&Graphs"},
    {1, Cmd::SineDiagram, "&SineDiagram"},
    {1, Cmd::OvalDiagram, "&OvalDiagram"},
    {1, Cmd::SteamDiagram, "S&teamDiagram"},
    {1, Cmd::PortOpenClose, "&PortOpenClose"},
    {1, Cmd::EventsTable, "&EventsTable"},
    {1, Cmd::ValveSetting, "&ValveSetting"},
    {1, Cmd::Sensitivity, "Se&nsitivity"},
    {0, Cmd::None, "&Help"},
    {1, Cmd::Instructions, "&Instructions"},
    {1, Cmd::InstructionsSpecial, "Instructions&Special"},
    {1, Cmd::None, ""},
    {1, Cmd::About, "&About"},
};

constexpr ToolRow kTools[] = {
    {Cmd::OpenDimensions, "Open File: Dimension Data"},
    {Cmd::SaveAsDimensions, "Save As: Dimension Data"},
    {Cmd::None, ""},
    {Cmd::FrameDimensions, "Change Frame Dimensions"},
    {Cmd::CylinderDimensions, "Change Cylinder Dimensions"},
    {Cmd::None, ""},
    {Cmd::SetDriverAng, "Set Driver Angle to Desired Position"},
    {Cmd::SetStepAng, "Set Step Angle to Desired Amount"},
    {Cmd::SetRevArmPos, "Set Reverse Arm to Desired Position"},
    {Cmd::None, ""},
    {Cmd::CalcCentRevArm, "Calculate Mid Gear Position if Necessary"},
    {Cmd::None, ""},
    {Cmd::SetSteamDisp, "Turn On Steam Display and Sound"},
    {Cmd::None, ""},
    {Cmd::ReferPoints, "Turn On Reference Points"},
    {Cmd::DrawLinesCircles, "Draw Lines and Circles"},
    {Cmd::PivotData, "Turn On Pivot Data"},
    {Cmd::DynamicVari, "Turn On Dynamic Variables"},
    {Cmd::UnDo, "Turn On UnDo"},
    {Cmd::None, ""},
    {Cmd::SineDiagram, "View Sine Diagram"},
    {Cmd::OvalDiagram, "View Oval Diagram"},
    {Cmd::SteamDiagram, "View Steam Diagram"},
    {Cmd::PortOpenClose, "View Port Events vs Reverse Arm Position"},
    {Cmd::EventsTable, "View Valve Events Table"},
    {Cmd::ValveSetting, "Set the Valve Gear"},
    {Cmd::Sensitivity, "Sensitivity and Wear of the Valve Events"},
    {Cmd::None, ""},
    {Cmd::FitGearToWindow, "Fit the Gear to the Window"},
};

} // namespace

std::span<const MenuRow> MainMenuTable() { return kMenu; }
std::span<const ToolRow> MainToolTable() { return kTools; }

} // namespace vt
