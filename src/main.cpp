// VALVETRACE: creates the one state and the windows, then runs the event loop until the
// main window closes.
#include "app/Look.h"
#include "app/Main.h"
#include "dialogs/GraphicZoom.h"
#include "dialogs/RefPoint.h"
#include "dialogs/SettingDialog.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/VGAboutBox.h"
#include "dialogs/DatTable.h"
#include "dialogs/DimensionEditor.h"
#include "dialogs/EventsTableWindow.h"
#include "graphs/GraphWindow.h"
#include "graphs/Oval.h"
#include "graphs/Ports.h"
#include "graphs/SetReverArm.h"
#include "graphs/Sine.h"
#include "graphs/Steam.h"
#include "render/Line.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("VALVETRACE");
    vt::ApplyLook(app);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) icon.addFile(QString(":/icons/%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    auto state = std::make_unique<vt::State>();
    vt::MainForm main(*state);

    // The analysis windows: created once, titled by every tick like the data table. The
    // positions dialog comes first, as the sine, oval and steam windows open it.
    vt::SetRevArmDialog positions(*state, &main);
    const vt::GraphHost host{[&main](bool on) { on ? main.Timer().start() : main.Timer().stop(); },
                             [&main] { main.SharedStateChanged(); }};
    vt::GraphWindow sine(vt::SineDiaFacts(), *state, host, &positions, &main);
    vt::GraphWindow oval(vt::OvalDiaFacts(), *state, host, &positions, &main);
    vt::GraphWindow steam(vt::SteamDiaFacts(), *state, host, &positions, &main);
    vt::GraphWindow ports(vt::PortDiaFacts(), *state, host, nullptr, &main);
    vt::HelpWindow special(vt::kSpecialInstructions, &main);
    vt::RefPointsDialog refPoints(*state, main.controls(), &main);
    vt::SettingDialog revArmPosition(vt::SettingKind::RevArmPosition, *state, main.controls(), &main);
    vt::SettingDialog driverAngle(vt::SettingKind::DriverAngle, *state, main.controls(), &main);
    vt::SettingDialog stepAngle(vt::SettingKind::StepAngle, *state, main.controls(), &main);
    vt::HelpWindow instructions(vt::kInstructions, &main);
    vt::AboutBox about(&main);
    vt::DataTableWindow dataTable(*state, &main);
    main.SetTitledWindows({&sine, &oval, &steam, &ports, &dataTable});
    main.SetGraphWindows({&sine, &oval, &steam, &ports});
    vt::GraphicZoomDialog graphicZoom(*state, &main);
    vt::DimensionEditor frameDimensions(vt::FrameEditorLayout(), *state, main.controls(), &main);
    vt::DimensionEditor cylDimensions(vt::CylEditorLayout(), *state, main.controls(), &main);
    vt::LinesDialog drawLines(*state, main.controls(), &main);
    vt::EventsTableWindow eventsTable(*state, vt::StandardFileUi(&main), &main);
    main.SetDialogs({&refPoints, &graphicZoom, &revArmPosition, &driverAngle, &stepAngle,
                     &instructions, &special, &about, &dataTable, &frameDimensions, &cylDimensions,
                     &drawLines, &eventsTable});
    // A help file that cannot be read is reported once, at start; its window stays empty.
    for (const vt::HelpWindow* help : {&special, &instructions})
        if (!help->LoadError().isEmpty())
            QMessageBox::critical(nullptr, "VALVETRACE", help->LoadError(), QMessageBox::Ok);

    main.show();
    return QApplication::exec();
}
