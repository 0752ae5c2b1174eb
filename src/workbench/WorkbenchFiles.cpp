// The workbench's files: save and save as (atomic, through the gear file), the question
// before a changed design closes, the DXF export and the design to compare with.
#include "workbench/Workbench.h"

#include "gearfile/GearFile.h"
#include "model/DesignChanges.h"
#include "workbench/Dxf.h"
#include "workbench/Workbenches.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>

#include <cmath>

namespace vt::wb {

bool Workbench::WriteTo(const QString& path) {
    const GearFileResult r = SaveGearFile(design_, QFile::encodeName(path).toStdString());
    if (!r.ok) {
        fileUi_.report(QString::fromStdString(r.message));
        return false;
    }
    path_ = path;
    saved_ = design_;
    UpdateTitle();
    return true;
}

bool Workbench::Save() {
    return path_.isEmpty() ? SaveAs() : WriteTo(path_);
}

bool Workbench::SaveAs() {
    const QString path = fileUi_.choose(kSaveGearDialog);
    return !path.isEmpty() && WriteTo(path);
}

void Workbench::closeEvent(QCloseEvent* e) {
    const bool modified = Modified();
    const QString name =
        path_.isEmpty() ? QString::fromStdString(design_.Name) : QFileInfo(path_).fileName();
    const SaveAnswer answer = modified
                                  ? AskSaveChanges(this, QString("Save changes to %1?").arg(name))
                                  : SaveAnswer::Cancel;
    bool close = false;
    switch (PutDesignAside(modified, answer)) {
    case SetAside::Proceed:
        close = true;
        break;
    case SetAside::SaveThenProceed:
        close = Save();
        break;
    case SetAside::Stay:
        break;
    }
    if (close) timer_.stop();
    e->setAccepted(close);
}

// The pins' circles a hundredth of the gear's size across the sweep.
bool Workbench::ExportDxf() {
    const QString path = fileUi_.choose(kExportDxfDialog);
    if (path.isEmpty()) return false;
    std::vector<int> pins;
    for (const QAction* a : pathPins_)
        if (a->isChecked()) pins.push_back(a->data().toInt());
    const TurnSweep turn = SweepTurn(design_, setting_, 360);
    const Box& b = turn.Pins;
    const double size = b.Empty() ? 1 : std::hypot(b.X1 - b.X0, b.Y1 - b.Y0);
    const std::string text =
        GearDxf(design_, PictureOf(design_, pose_, frame_), turn, pins, size / 200);
    const QString error = SaveTextFile(path, text);
    if (!error.isEmpty()) fileUi_.report(error);
    return error.isEmpty();
}

void Workbench::CompareWith(const gears::GearDesign& other) {
    compared_ = other;
    comparedSolver_ = other.Kind->MakeSolver(other);
    Resweep();
    Redraw();
    emit comparisonChanged();
}

void Workbench::ClearComparison() {
    compared_.reset();
    comparedSolver_.reset();
    Redraw();
    emit comparisonChanged();
}

// Another open design by its title, or a file.
void Workbench::CompareCommand() {
    std::vector<Workbench*> others;
    QStringList names;
    if (benches_)
        for (Workbench* w : benches_->Windows())
            if (w != this) others.push_back(w), names << w->windowTitle().remove("[*]");
    const QString fromFile = "A design from a file...";
    names << fromFile;
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(this, "Compare With", "Design:", names, 0, false, &ok);
    if (!ok) return;
    const qsizetype i = names.indexOf(chosen);
    if (i >= 0 && std::size_t(i) < others.size())
        return CompareWith(others[std::size_t(i)]->Design());
    const QString path = fileUi_.choose(kOpenGearDialog);
    if (path.isEmpty()) return;
    const OpenedDesign opened = ReadDesign(path);
    if (!opened.Error.isEmpty()) return fileUi_.report(opened.Error);
    CompareWith(opened.Design);
}

} // namespace vt::wb
