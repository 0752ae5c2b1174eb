// The main window's file commands: "Save&AsDimensions", "&OpenDimensions" and
// "Open&DosVersionDim", and the save question before a changed design is put aside. The
// file code and the rules decide; this only asks and reports.
#include "app/Main.h"

#include "files/DimFile.h"
#include "files/LoadSteps.h"
#include "model/DesignChanges.h"
#include "model/Lines.h"

#include <QFile>

namespace vt {

namespace {
std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
} // namespace

bool MainForm::SaveAsDimensionsClick() {
    const QString path = fileUi_.choose(kSaveDimensionsDialog);
    if (path.isEmpty()) return false;
    const FileResult r = SaveDimensionFile(s_, LocalPath(path));
    if (!r.ok) {
        fileUi_.report(QString::fromStdString(r.message));
        return false;
    }
    SetDesignBaseline(s_);
    UpdateTitles();
    return true;
}

// The save goes the usual way, through the save dialog; its cancel or failure keeps the
// design and the program as they are.
bool MainForm::MayPutDesignAside() {
    const bool modified = DesignModified(s_);
    const QString question = QString::fromStdString(SaveQuestion(s_));
    const SaveAnswer answer = modified ? AskSaveChanges(this, question) : SaveAnswer::Cancel;
    switch (PutDesignAside(modified, answer)) {
    case SetAside::Proceed: return true;
    case SetAside::SaveThenProceed: return SaveAsDimensionsClick();
    case SetAside::Stay: break;
    }
    return false;
}

// A load either takes the whole design or nothing; after a good one the mid gear, the
// reverse arm bar and the overlay's rows follow it. A cancel refreshes the rows too.
void MainForm::OpenDimensionsClick() {
    if (!MayPutDesignAside()) return;
    const QString path = fileUi_.choose(kOpenDimensionsDialog);
    if (!path.isEmpty()) {
        const FileResult r = OpenDimensionFile(s_, LocalPath(path));
        if (!r.ok) {
            fileUi_.report(QString::fromStdString(r.message));
            return;
        }
        BlankLineLabels(ctl_.Lines);
        FinishDesignLoad(s_, ctl_);
        SetDesignBaseline(s_);
    }
    RefreshLineRows(s_, ctl_.Lines);
    Refresh();
}

void MainForm::OpenDosVersionDimClick() {
    if (!MayPutDesignAside()) return;
    const QString path = fileUi_.choose(kOpenOlderDialog);
    if (path.isEmpty()) return;
    const FileResult r = ImportOlderDimensionFile(s_, LocalPath(path));
    if (!r.ok) return fileUi_.report(QString::fromStdString(r.message));
    Apply([](State& s, Controls& c) {
        FinishDesignLoad(s, c);
        SetDesignBaseline(s);
    });
}

} // namespace vt
