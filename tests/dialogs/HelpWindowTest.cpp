// Help windows show their file; a file that cannot be read says so in plain words.
#include "dialogs/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(HelpWindow, LoadsTheFileOrSaysWhyNot) {
    QTemporaryDir dir;
    const QString path = dir.filePath("instruct.doc");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Line one\nLine two\n");
    }
    const HelpText ok = LoadHelpText(path, "instruct.doc");
    EXPECT_TRUE(ok.error.isEmpty());
    EXPECT_EQ(ok.text, "Line one\nLine two\n");
    const HelpText missing = LoadHelpText(dir.filePath("VtoSpIns.doc"), "VtoSpIns.doc");
    EXPECT_TRUE(missing.text.isEmpty());
    EXPECT_EQ(missing.error, "Error Loading VtoSpIns.doc: Cannot open file VtoSpIns.doc");
}

TEST(HelpWindow, ShowsTheShippedInstructions) {
    const QString saved = QDir::currentPath();
    QDir::setCurrent(VT_DATA_DIR);
    HelpWindow window(kInstructions, nullptr);
    QDir::setCurrent(saved);
    EXPECT_TRUE(window.LoadError().isEmpty());
    EXPECT_TRUE(window.Text().startsWith("VALVETRACE - INSTRUCTIONS"));
    EXPECT_EQ(window.windowTitle(), "Instructions");
    EXPECT_EQ(window.size(), QSize(427, 273));
}

TEST(HelpWindow, AMissingFileLeavesTheWindowEmptyWithTheError) {
    QTemporaryDir empty;
    HelpWindow window(kSpecialInstructions, nullptr, {empty.path()});
    EXPECT_TRUE(window.Text().isEmpty());
    EXPECT_EQ(window.LoadError(), "Error Loading VtoSpIns.doc: Cannot open file VtoSpIns.doc");
    EXPECT_EQ(window.windowTitle(), "Valvetrace Special Instructions");
}

} // namespace
} // namespace vt
