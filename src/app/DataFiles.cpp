// Data file lookup; see DataFiles.h.
#include "app/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vt {

QStringList DataFolders() {
    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString beside = QCoreApplication::applicationDirPath();
        folders << beside << QDir(beside).filePath("../../data"); // a build tree's data/
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
