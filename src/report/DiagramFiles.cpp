// The diagrams of a design as PNG files: each graph window's routine drawn into a canvas
// of the window's client size, exactly as the window would show it.
#include "report/DiagramFiles.h"

#include "canvas/QtCanvas.h"
#include "diagrams/Diagrams.h"

#include <QDir>
#include <QImageWriter>
#include <QString>

namespace vt {

std::string WriteDiagramPngs(State& s, const std::string& dir) {
    const QString folder = QString::fromStdString(dir);
    if (!QDir().mkpath(folder)) return "the folder cannot be made";
    s.PortGraphMode = 'B'; // the port events diagram with both graphs, forward and reverse
    for (const Diagram& d : kDiagrams) {
        QtCanvas canvas(d.width, d.height);
        d.draw(canvas, s);
        const QString path = QDir(folder).filePath(QString(d.fileStem) + ".png");
        QImageWriter writer(path, "png");
        if (!writer.write(canvas.Image()))
            return path.toStdString() + ": " + writer.errorString().toStdString();
    }
    return {};
}

} // namespace vt
