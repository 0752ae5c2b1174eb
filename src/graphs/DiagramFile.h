// A diagram's picture written to a file, PNG or SVG as the name's extension says, and
// the dialog that asks for the name.
#pragma once

#include "widgets/FileDialogs.h"

#include <QImage>
#include <QString>

namespace vt {

inline constexpr FileDialogFacts kSaveImageDialog{
    "Save Image As", "PNG Image (*.png);;SVG Image (*.svg)", "png", true, false};

// PNG holds the picture itself; SVG holds it as one image at 1:1, since the diagrams are
// drawn pixel by pixel. Written as the dimension files are (ReplaceFile), so a failure
// leaves any file there as it was. Returns the reason of a failure in plain words, empty on success.
QString SaveDiagramFile(const QImage& picture, const QString& path);

} // namespace vt
