// The context menu of a graph window's diagram: "Copy Image" puts the picture shown on
// the clipboard, "Save Image As..." writes it as PNG or SVG.
#pragma once

#include "canvas/QtCanvas.h"
#include "widgets/FileDialogs.h"

#include <QMenu>

#include <utility>

namespace vt {

class DiagramMenu final : public QMenu {
    Q_OBJECT
public:
    // `canvas` holds the picture shown; it is read at each use.
    DiagramMenu(const QtCanvas& canvas, FileUi ui, QWidget* parent);

    void SetFileUi(FileUi ui) { ui_ = std::move(ui); }
    void CopyImageClick();
    void SaveImageAsClick(); // a failure is reported through the FileUi; cancel does nothing

private:
    const QtCanvas& canvas_;
    FileUi ui_;
};

} // namespace vt
