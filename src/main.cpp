// VALVETRACE: creates the one state and the windows, then runs the event loop until the
// main window closes.
#include "app/Look.h"
#include "app/Main.h"
#include "dialogs/GraphicZoom.h"
#include "dialogs/RefPoint.h"
#include "dialogs/SettingDialog.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/VGAboutBox.h"

#include <QApplication>
#include <QMessageBox>

#include <array>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("VALVETRACE");
    vt::ApplyLook(app);

    auto state = std::make_unique<vt::State>();
    vt::MainForm main(*state);

    // The analysis windows and the data table: created once, titled by every tick.
    std::array<std::unique_ptr<QWidget>, vt::kTitledWindows - 1> windows;
    std::array<QWidget*, vt::kTitledWindows - 1> titled{};
    for (std::size_t i = 0; i < windows.size(); ++i) {
        windows[i] = std::make_unique<QWidget>(nullptr, Qt::Window);
        titled[i] = windows[i].get();
    }
    main.SetTitledWindows(titled);
    vt::HelpWindow special(vt::kSpecialInstructions, &main);
    vt::RefPointsDialog refPoints(*state, main.controls(), &main);
    vt::SettingDialog revArmPosition(vt::SettingKind::RevArmPosition, *state, main.controls(), &main);
    vt::SettingDialog driverAngle(vt::SettingKind::DriverAngle, *state, main.controls(), &main);
    vt::SettingDialog stepAngle(vt::SettingKind::StepAngle, *state, main.controls(), &main);
    vt::HelpWindow instructions(vt::kInstructions, &main);
    vt::AboutBox about(&main);
    vt::GraphicZoomDialog graphicZoom(*state, &main);
    main.SetDialogs({&refPoints, &graphicZoom, &revArmPosition, &driverAngle, &stepAngle,
                     &instructions, &special, &about});
    // A help file that cannot be read is reported once, at start; its window stays empty.
    for (const vt::HelpWindow* help : {&special, &instructions})
        if (!help->LoadError().isEmpty())
            QMessageBox::critical(nullptr, "VALVETRACE", help->LoadError(), QMessageBox::Ok);

    main.show();
    return QApplication::exec();
}
