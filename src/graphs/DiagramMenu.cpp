// The diagram's context menu; see DiagramMenu.h.
#include "graphs/DiagramMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>

#include <utility>

namespace vt {

namespace {

constexpr struct {
    const char* caption;
    int scale; // pixels per layout unit, 0 for the window's own
} kPngSizes[] = {{"&As Shown", 0}, {"&1x", 1}, {"&2x", 2}, {"&3x", 3}, {"&4x", 4}};

} // namespace

DiagramMenu::DiagramMenu(DiagramPicture picture, std::function<double()> shownScale, FileUi ui,
                         QWidget* parent)
    : QMenu(parent), picture_(std::move(picture)), shownScale_(std::move(shownScale)),
      ui_(std::move(ui)) {
    setObjectName("DiagramMenu");
    connect(addAction("&Copy Image"), &QAction::triggered, this, &DiagramMenu::CopyImageClick);
    connect(addAction("&Save Image As..."), &QAction::triggered, this,
            &DiagramMenu::SaveImageAsClick);
    BuildSizeMenu();
}

DiagramMenu::DiagramMenu(const QtCanvas& canvas, FileUi ui, QWidget* parent)
    : DiagramMenu({0, 0, {}, [&canvas] { return canvas.Image(); }}, [] { return 1.0; },
                  std::move(ui), parent) {}

void DiagramMenu::BuildSizeMenu() {
    QMenu* menu = addMenu("&PNG Size");
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < sizes_.size(); ++i) {
        QAction* a = menu->addAction(kPngSizes[i].caption);
        a->setCheckable(true);
        a->setChecked(i == 0);
        group->addAction(a);
        sizes_[i] = {a, kPngSizes[i].scale};
    }
}

double DiagramMenu::PngScale() const {
    for (const auto& [action, scale] : sizes_)
        if (action->isChecked() && scale > 0) return scale;
    return shownScale_();
}

void DiagramMenu::CopyImageClick() {
    QApplication::clipboard()->setImage(DiagramImage(picture_, shownScale_()));
}

void DiagramMenu::SaveImageAsClick() {
    const QString path = ui_.choose ? ui_.choose(kSaveImageDialog) : QString();
    if (path.isEmpty()) return;
    if (const QString error = SaveDiagramFile(picture_, PngScale(), path); !error.isEmpty())
        ui_.report("The diagram could not be saved as " + path + ": " + error +
                   "; any file of that name is as it was.");
}

} // namespace vt
