// The main window's file commands: "Save&AsDimensions", "&OpenDimensions" and
// "Open&DosVersionDim". The file code decides; this only asks for the name and reports.
#include "app/Main.h"

#include "files/DimFile.h"
#include "files/LoadSteps.h"
#include "model/Lines.h"

#include <QFile>

namespace vt {

namespace {
std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
} // namespace

void MainForm::SaveAsDimensionsClick() {
    const QString path = fileUi_.choose(kSaveDimensionsDialog);
    if (path.isEmpty()) return;
    const FileResult r = SaveDimensionFile(s_, LocalPath(path));
    if (!r.ok) fileUi_.report(QString::fromStdString(r.message));
}

// A load either takes the whole design or nothing; after a good one the mid gear, the
// reverse arm bar and the overlay's rows follow it. A cancel refreshes the rows too.
void MainForm::OpenDimensionsClick() {
    const QString path = fileUi_.choose(kOpenDimensionsDialog);
    if (!path.isEmpty()) {
        const FileResult r = OpenDimensionFile(s_, LocalPath(path));
        if (!r.ok) {
            fileUi_.report(QString::fromStdString(r.message));
            return;
        }
        BlankLineLabels(ctl_.Lines);
        FinishDesignLoad(s_, ctl_);
    }
    RefreshLineRows(s_, ctl_.Lines);
    Refresh();
}

void MainForm::OpenDosVersionDimClick() {
    const QString path = fileUi_.choose(kOpenOlderDialog);
    if (path.isEmpty()) return;
    const FileResult r = ImportOlderDimensionFile(s_, LocalPath(path));
    if (r.ok)
        Apply(FinishDesignLoad);
    else
        fileUi_.report(QString::fromStdString(r.message));
}

} // namespace vt
