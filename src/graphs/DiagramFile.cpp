// Writing a diagram's picture as PNG, SVG or PDF; see DiagramFile.h.
#include "graphs/DiagramFile.h"

#include "canvas/PainterCanvas.h"
#include "canvas/QtCanvas.h"
#include "files/FileIo.h"
#include "files/FileNames.h"
#include "render/Placement.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>
#include <cstdint>
#include <span>

namespace vt {

namespace {

// The picture drawn as shapes through a painter already placed on its device.
bool DrawShapes(const DiagramPicture& picture, QPainter& painter) {
    if (picture.raster) {
        painter.drawImage(QPoint(0, 0), picture.raster());
        return painter.end();
    }
    painter.setClipRect(QRectF(0, 0, picture.width, picture.height)); // the layout's box only
    PainterCanvas canvas(painter, picture.width, picture.height);
    canvas.Clear();
    picture.draw(canvas);
    return painter.end();
}

QSize SizeOf(const DiagramPicture& picture) {
    return picture.raster ? picture.raster().size() : QSize(picture.width, picture.height);
}

bool WritePng(const DiagramPicture& picture, double scale, QIODevice& out) {
    return DiagramImage(picture, scale).save(&out, "PNG");
}

// One user unit of the SVG is one unit of the layout; at 96 dots per inch its width and
// height are the layout's in CSS pixels too.
bool WriteSvg(const DiagramPicture& picture, QIODevice& out) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setResolution(96);
    const QSize size = SizeOf(picture);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle("VALVETRACE diagram");
    QPainter painter;
    return painter.begin(&svg) && DrawShapes(picture, painter);
}

bool WritePdf(const DiagramPicture& picture, QIODevice& out) {
    QPdfWriter pdf(&out);
    pdf.setTitle("VALVETRACE diagram");
    pdf.setCreator("VALVETRACE");
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    const QSize size = SizeOf(picture);
    const Placement p = FitInto(size.width(), size.height(), pdf.width(), pdf.height());
    painter.translate(p.x, p.y);
    painter.scale(p.scale, p.scale);
    return DrawShapes(picture, painter);
}

bool Write(ImageFormat format, const DiagramPicture& picture, double pngScale, QIODevice& out) {
    switch (format) {
    case ImageFormat::Png: return WritePng(picture, pngScale, out);
    case ImageFormat::Svg: return WriteSvg(picture, out);
    case ImageFormat::Pdf: return WritePdf(picture, out);
    case ImageFormat::None: break;
    }
    return false;
}

} // namespace

QImage DiagramImage(const DiagramPicture& picture, double scale) {
    if (picture.raster) {
        const QImage image = picture.raster();
        if (scale == 1) return image.copy();
        return image.scaled((QSizeF(image.size()) * scale).toSize(), Qt::IgnoreAspectRatio,
                            Qt::FastTransformation);
    }
    const auto size = [scale](int units) { return std::max(1, int(std::lround(units * scale))); };
    QtCanvas canvas(size(picture.width), size(picture.height));
    canvas.SetPlacement({scale, 0, 0});
    canvas.Clear();
    picture.draw(canvas);
    return canvas.Image().copy();
}

QString SaveDiagramFile(const DiagramPicture& picture, double pngScale, const QString& path) {
    const ImageFormat format = ImageFormatOf(path.toStdString());
    if (format == ImageFormat::None) return "the name must end in .png, .svg or .pdf";
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    if (!Write(format, picture, pngScale, encoded)) return "the picture could not be encoded";
    const QByteArray& bytes = encoded.data();
    const std::span<const uint8_t> view(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                        std::size_t(bytes.size()));
    return QString::fromStdString(ReplaceFile(path.toStdString(), view));
}

} // namespace vt
