// Data files are found in the folders in their order; a missing one is an empty path.
#include "widgets/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(DataFiles, FirstFolderThatHasTheFileWins) {
    QTemporaryDir a, b;
    ASSERT_TRUE(a.isValid() && b.isValid());
    QFile(b.filePath("Exhaust.wav")).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindDataFile("Exhaust.wav", {a.path(), b.path()}),
              QDir(b.path()).absoluteFilePath("Exhaust.wav"));
    QFile(a.filePath("Exhaust.wav")).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindDataFile("Exhaust.wav", {a.path(), b.path()}),
              QDir(a.path()).absoluteFilePath("Exhaust.wav"));
    EXPECT_TRUE(FindDataFile("missing.doc", {a.path(), b.path()}).isEmpty());
    QDir(a.path()).mkdir("folder.wav"); // a folder of that name is not the file
    EXPECT_TRUE(FindDataFile("folder.wav", {a.path()}).isEmpty());
}

TEST(DataFiles, WorkingDirectoryThenBesideTheProgramThenTheInstalledFolder) {
    const QStringList folders = DataFolders();
    ASSERT_GE(folders.size(), 3);
    EXPECT_EQ(folders[0], QDir::currentPath());
    EXPECT_EQ(folders[1], QCoreApplication::applicationDirPath());
    EXPECT_TRUE(folders[2].endsWith("/share/valvetrace")) << folders[2].toStdString();
}

} // namespace
} // namespace vt
