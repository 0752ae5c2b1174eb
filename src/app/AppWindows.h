// The program's windows: the one state, the main window and every window and dialog its
// menus open, created once in the program's order and wired to the main window.
#pragma once

#include "app/Main.h"
#include "dialogs/DatTable.h"
#include "dialogs/DimensionEditor.h"
#include "dialogs/EventsTableWindow.h"
#include "dialogs/GraphicZoom.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/Line.h"
#include "dialogs/RefPoint.h"
#include "dialogs/SensitivityWindow.h"
#include "dialogs/SettingDialog.h"
#include "dialogs/VGAboutBox.h"
#include "dialogs/ValveSetting.h"
#include "graphs/GraphWindow.h"
#include "graphs/SetReverArm.h"
#include "model/State.h"

#include <memory>

namespace vt {

// Members are created in declaration order, which is the program's creation order, and
// destroyed in reverse: every dialog before the main window that parents it, the state
// last. Lives until the program exits.
struct AppWindows {
    AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    std::unique_ptr<State> state = std::make_unique<State>();
    MainForm main{*state};
    // The analysis windows: titled by every tick like the data table. The positions
    // dialog comes first, as the sine, oval and steam windows open it.
    SetRevArmDialog positions{*state, &main};
    GraphWindow sine, oval, steam, ports;
    HelpWindow special{kSpecialInstructions, &main};
    RefPointsDialog refPoints{*state, main.controls(), &main};
    SettingDialog revArmPosition{SettingKind::RevArmPosition, *state, main.controls(), &main};
    SettingDialog driverAngle{SettingKind::DriverAngle, *state, main.controls(), &main};
    SettingDialog stepAngle{SettingKind::StepAngle, *state, main.controls(), &main};
    HelpWindow instructions{kInstructions, &main};
    AboutBox about{&main};
    DataTableWindow dataTable{*state, &main};
    GraphicZoomDialog graphicZoom{*state, &main};
    DimensionEditor frameDimensions{FrameEditorLayout(), *state, main.controls(), &main};
    DimensionEditor cylDimensions{CylEditorLayout(), *state, main.controls(), &main};
    LinesDialog drawLines{*state, main.controls(), &main};
    EventsTableWindow eventsTable{*state, StandardFileUi(&main), &main};
    ValveSettingWindow valveSetting{*state, main.controls(), &main};
    SensitivityWindow sensitivity{*state, StandardFileUi(&main), &main};
};

} // namespace vt
