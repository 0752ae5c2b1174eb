// VALVETRACE: creates the one state and the windows, then runs the event loop until the
// main window closes.
#include "app/Look.h"
#include "app/Main.h"
#include "dialogs/GraphicZoom.h"
#include "dialogs/RefPoint.h"
#include "dialogs/SettingDialog.h"

#include <QApplication>

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
    vt::RefPointsDialog refPoints(*state, main.controls(), &main);
    vt::SettingDialog revArmPosition(vt::SettingKind::RevArmPosition, *state, main.controls(), &main);
    vt::SettingDialog driverAngle(vt::SettingKind::DriverAngle, *state, main.controls(), &main);
    vt::SettingDialog stepAngle(vt::SettingKind::StepAngle, *state, main.controls(), &main);
    vt::GraphicZoomDialog graphicZoom(*state, &main);
    main.SetDialogs({&refPoints, &graphicZoom, &revArmPosition, &driverAngle, &stepAngle});

    main.show();
    return QApplication::exec();
}
