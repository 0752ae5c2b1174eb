// The open workbenches and the openers.
#include "workbench/Workbenches.h"

#include "files/DimFile.h"
#include "gearfile/GearFile.h"
#include "gears/Gears.h"
#include "gears/kinds/ClassicGear.h"
#include "model/MidGear.h"
#include "workbench/Workbench.h"

#include <QFile>
#include <QFileInfo>
#include <QInputDialog>

#include <memory>

namespace vt::wb {

OpenedDesign ReadDesign(const QString& path) {
    const std::string local = QFile::encodeName(path).toStdString();
    OpenedDesign out;
    if (QFileInfo(path).suffix().compare("dvt", Qt::CaseInsensitive) == 0) {
        auto s = std::make_unique<State>();
        const FileResult r = OpenDimensionFile(*s, local);
        if (!r.ok) return {{}, QString::fromStdString(r.message)};
        FindRevArmCent(*s);
        out.Design = gears::ClassicDesign(*s);
        return out;
    }
    const GearFileResult r = OpenGearFile(out.Design, local);
    if (!r.ok) out.Error = QString::fromStdString(r.message);
    return out;
}

Workbenches::Workbenches(QObject* parent) : QObject(parent), fileUi_(StandardFileUi(nullptr)) {}

Workbenches::~Workbenches() {
    for (const auto& w : windows_)
        delete w.data();
}

Workbench* Workbenches::Open(gears::GearDesign design, const QString& path) {
    auto* w = new Workbench(std::move(design), path, this);
    w->SetFileUi(fileUi_);
    windows_.push_back(w);
    w->show();
    return w;
}

Workbench* Workbenches::OpenPath(const QString& path) {
    OpenedDesign opened = ReadDesign(path);
    if (!opened.Error.isEmpty()) {
        fileUi_.report(opened.Error);
        return nullptr;
    }
    const bool classic = opened.Design.Kind == &gears::ClassicGear();
    const bool dvt = QFileInfo(path).suffix().compare("dvt", Qt::CaseInsensitive) == 0;
    // A classic design file is not overwritten as a gear file: it saves under a new name.
    return Open(std::move(opened.Design), classic && dvt ? QString() : path);
}

Workbench* Workbenches::NewDesign(QWidget* parent) {
    QStringList captions;
    for (const gears::GearKind* k : gears::AllGears())
        captions << QString::fromUtf8(k->Caption());
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(parent, "New Gear Design", "Gear:", captions, 0, false, &ok);
    const qsizetype i = captions.indexOf(chosen);
    if (!ok || i < 0) return nullptr;
    return Open(gears::AllGears()[std::size_t(i)]->Sample(), QString());
}

Workbench* Workbenches::OpenDesign(QWidget*) {
    const QString path = fileUi_.choose(kOpenGearDialog);
    return path.isEmpty() ? nullptr : OpenPath(path);
}

std::vector<Workbench*> Workbenches::Windows() const {
    std::vector<Workbench*> out;
    for (const auto& w : windows_)
        if (w) out.push_back(w.data());
    return out;
}

} // namespace vt::wb
