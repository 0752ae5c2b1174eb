// The diagram's context menu; see DiagramMenu.h.
#include "graphs/DiagramMenu.h"

#include "graphs/DiagramFile.h"

#include <QApplication>
#include <QClipboard>

#include <utility>

namespace vt {

DiagramMenu::DiagramMenu(const QtCanvas& canvas, FileUi ui, QWidget* parent)
    : QMenu(parent), canvas_(canvas), ui_(std::move(ui)) {
    setObjectName("DiagramMenu");
    connect(addAction("Copy Image"), &QAction::triggered, this, &DiagramMenu::CopyImageClick);
    connect(addAction("Save Image As..."), &QAction::triggered, this, &DiagramMenu::SaveImageAsClick);
}

void DiagramMenu::CopyImageClick() { QApplication::clipboard()->setImage(canvas_.Image()); }

void DiagramMenu::SaveImageAsClick() {
    const QString path = ui_.choose ? ui_.choose(kSaveImageDialog) : QString();
    if (path.isEmpty()) return;
    if (const QString error = SaveDiagramFile(canvas_.Image(), path); !error.isEmpty())
        ui_.report("The diagram could not be saved as " + path + ": " + error +
                   "; any file of that name is as it was.");
}

} // namespace vt
