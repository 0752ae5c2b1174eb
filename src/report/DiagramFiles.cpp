// The diagrams of a design as PNG files: each graph window's routine drawn into a canvas
// of the window's client size, exactly as the window would show it.
#include "report/DiagramFiles.h"

#include "graphs/Oval.h"
#include "graphs/Ports.h"
#include "graphs/Sine.h"
#include "graphs/Steam.h"
#include "render/QtCanvas.h"

#include <QDir>
#include <QImageWriter>
#include <QString>

namespace vt {

namespace {

struct DiagramFile {
    const char* name;
    const GraphFacts& (*facts)();
};

constexpr DiagramFile kDiagrams[] = {
    {"sine", SineDiaFacts},
    {"oval", OvalDiaFacts},
    {"steam", SteamDiaFacts},
    {"ports", PortDiaFacts},
};

} // namespace

std::string WriteDiagramPngs(State& s, const std::string& dir) {
    const QString folder = QString::fromStdString(dir);
    if (!QDir().mkpath(folder)) return "the folder cannot be made";
    s.PortGraphMode = 'B'; // the port events diagram with both graphs, forward and reverse
    for (const DiagramFile& d : kDiagrams) {
        const GraphFacts& f = d.facts();
        QtCanvas canvas(f.clientWidth, f.clientHeight);
        f.draw(canvas, s);
        const QString path = QDir(folder).filePath(QString(d.name) + ".png");
        QImageWriter writer(path, "png");
        if (!writer.write(canvas.Image()))
            return path.toStdString() + ": " + writer.errorString().toStdString();
    }
    return {};
}

} // namespace vt
