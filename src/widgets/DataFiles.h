// Where the program finds the files it reads at run time (the exhaust beat, the help
// texts, the sample designs): the working directory first, then beside the executable,
// then the installed data folder.
#pragma once

#include <QString>
#include <QStringList>

namespace vt {

// The folders searched, in order.
QStringList DataFolders();
// The first existing file of that name in the folders, or an empty string.
QString FindDataFile(const QString& name, const QStringList& folders = DataFolders());

} // namespace vt
