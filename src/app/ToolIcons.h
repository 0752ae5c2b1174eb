// The main window's tool bar pictograms, drawn in code on a 24-unit grid in one style:
// slate outlines, one accent colour per button group, transparent background.
#pragma once

#include <QIcon>
#include <QImage>

namespace vt {

// One per tool bar button, in tool bar order (separators have no icon).
enum class ToolIcon {
    OpenFile,
    SaveAs,
    FrameDimensions,
    CylinderDimensions,
    DriverAngle,
    StepAngle,
    ReverseArm,
    MidGear,
    SteamDisplay,
    ReferencePoints,
    DrawLines,
    PivotData,
    DynamicVariables,
    Undo,
    SineDiagram,
    OvalDiagram,
    SteamDiagram,
    PortEvents,
    EventsTable,
    ValveSetting,
    Sensitivity,
    FitToWindow
};
inline constexpr int kToolIconCount = 22;

// The icon with pixmaps drawn separately at 16, 24 and 32 px, so each size stays crisp.
QIcon MakeToolIcon(ToolIcon which);

// The same drawing into a size x size premultiplied ARGB image with a transparent
// background; a null image for a size below 1.
QImage RenderToolIcon(ToolIcon which, int size);

}  // namespace vt
