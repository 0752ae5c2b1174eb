// VALVETRACE: creates the one state and the windows, opens a workbench for every gear
// file named on the command line, then runs the event loop until the main window and
// every workbench have closed (each asks about its own unsaved changes).
#include "app/AppWindows.h"
#include "widgets/Look.h"
#include "workbench/Workbenches.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("VALVETRACE");
    vt::ApplyLook(app);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) icon.addFile(QString(":/icons/%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    vt::AppWindows windows;
    // A help file that cannot be read is reported once, at start; its window stays empty.
    for (const vt::HelpWindow* help : {&windows.special, &windows.instructions})
        if (!help->LoadError().isEmpty())
            QMessageBox::critical(nullptr, "VALVETRACE", help->LoadError(), QMessageBox::Ok);

    vt::wb::Workbenches benches;
    windows.main.SetGearDesignOpeners({[&] { benches.NewDesign(&windows.main); },
                                       [&] { benches.OpenDesign(&windows.main); }});
    windows.main.show();
    for (const QString& path : QApplication::arguments().mid(1)) benches.OpenPath(path);
    return QApplication::exec();
}
