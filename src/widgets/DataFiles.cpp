// Data file lookup; see DataFiles.h.
#include "widgets/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vt {

QStringList DataFolders() {
    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QDir beside(QCoreApplication::applicationDirPath());
        folders << beside.path();
        folders << QStringLiteral(VT_INSTALLED_DATA_DIR);
        // A program run from a build tree inside the source tree finds the sources' data/.
        for (const char* up : {"../data", "../../data", "../../../data"})
            folders << QDir::cleanPath(beside.filePath(up));
    }
    return folders;
}

QString FindDataFile(const QString& name, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

} // namespace vt
