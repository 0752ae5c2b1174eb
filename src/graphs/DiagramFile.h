// A diagram's picture written to a file, PNG, SVG or PDF as the name's extension says,
// and the dialog that asks for the name.
#pragma once

#include "render/Canvas.h"
#include "widgets/FileDialogs.h"

#include <QImage>
#include <QString>

#include <functional>

namespace vt {

inline constexpr FileDialogFacts kSaveImageDialog{
    "Save Image As", "PNG Image (*.png);;SVG Image (*.svg);;PDF Document (*.pdf)", "png", true,
    false};

// A diagram as its files hold it: its layout's size in its own units and the routine that
// draws it there. A picture that exists only as pixels gives `raster` instead: its files
// hold those pixels (the SVG and PDF as one embedded image), at one unit per pixel.
struct DiagramPicture {
    int width = 0, height = 0;
    std::function<void(Canvas&)> draw;
    std::function<QImage()> raster;
};

// The picture on a raster of `scale` pixels per unit (at least 1 x 1), its lines crisp as
// on screen: at scale 1 the very pixels a window shows at its layout's size.
QImage DiagramImage(const DiagramPicture& picture, double scale);

// PNG at `pngScale` pixels per unit; SVG as shapes (lines, ellipses, arcs, text) at one
// user unit per layout unit; PDF as one landscape A4 page with the picture fitted inside
// its margins. Written as the dimension files are (ReplaceFile), so a failure leaves any
// file there as it was. Returns the reason of a failure in plain words, empty on success.
QString SaveDiagramFile(const DiagramPicture& picture, double pngScale, const QString& path);

} // namespace vt
