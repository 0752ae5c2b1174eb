// The context menu of a graph window's diagram: "Copy Image" puts the diagram on the
// clipboard at the scale shown, "Save Image As..." writes it as PNG, SVG or PDF, and "PNG
// Size" chooses the PNG's scale: as shown, or a whole number of pixels per layout unit.
#pragma once

#include "canvas/QtCanvas.h"
#include "graphs/DiagramFile.h"
#include "widgets/FileDialogs.h"

#include <QMenu>

#include <array>
#include <functional>
#include <utility>

class QAction;

namespace vt {

class DiagramMenu final : public QMenu {
    Q_OBJECT
public:
    // `picture` draws the diagram as it is at each use; `shownScale` is the window's scale.
    DiagramMenu(DiagramPicture picture, std::function<double()> shownScale, FileUi ui,
                QWidget* parent);
    // A picture that exists only as the canvas's pixels, shown at 1:1 and read at each use.
    DiagramMenu(const QtCanvas& canvas, FileUi ui, QWidget* parent);

    void SetFileUi(FileUi ui) { ui_ = std::move(ui); }
    void CopyImageClick();
    void SaveImageAsClick(); // a failure is reported through the FileUi; cancel does nothing
    // The scale a PNG is written at: the window's, or the size chosen.
    double PngScale() const;

private:
    void BuildSizeMenu();

    DiagramPicture picture_;
    std::function<double()> shownScale_;
    FileUi ui_;
    // "As Shown", then 1x to 4x: the choice's scale, 0 for the window's.
    std::array<std::pair<QAction*, int>, 5> sizes_{};
};

} // namespace vt
