// Writing a diagram's picture as PNG or SVG; see DiagramFile.h.
#include "graphs/DiagramFile.h"

#include "files/FileIo.h"
#include "files/FileNames.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdint>
#include <span>

namespace vt {

namespace {

bool WritePng(const QImage& picture, QIODevice& out) { return picture.save(&out, "PNG"); }

// One user unit of the SVG is one pixel of the picture; at 96 dots per inch its width
// and height (written in millimetres) are the picture's in CSS pixels too.
bool WriteSvg(const QImage& picture, QIODevice& out) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setResolution(96);
    svg.setSize(picture.size());
    svg.setViewBox(picture.rect());
    svg.setTitle("VALVETRACE diagram");
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    painter.drawImage(QPoint(0, 0), picture);
    return painter.end();
}

} // namespace

QString SaveDiagramFile(const QImage& picture, const QString& path) {
    const ImageFormat format = ImageFormatOf(path.toStdString());
    if (format == ImageFormat::None) return "the name must end in .png or .svg";
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    const bool written = format == ImageFormat::Png ? WritePng(picture, encoded) : WriteSvg(picture, encoded);
    if (!written) return "the picture could not be encoded";
    const QByteArray& bytes = encoded.data();
    const std::span<const uint8_t> view(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                        std::size_t(bytes.size()));
    return QString::fromStdString(ReplaceFile(path.toStdString(), view));
}

} // namespace vt
