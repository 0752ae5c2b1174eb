// Whole-file reading and replacing: the runtime texts, and a save that fails half-way
// or at the start leaves the old file as it was.
#include "files/FileIo.h"

#include "files/DimFile.h"
#include "files/FileTestSupport.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vt {
namespace {

TEST(FileIo, RuntimeTexts) {
    EXPECT_EQ(IoErrorText(ENOENT), "File not found");
    EXPECT_EQ(IoErrorText(EACCES), "File access denied");
    EXPECT_EQ(IoErrorText(EROFS), "File access denied");
    EXPECT_EQ(IoErrorText(ENOSPC), "Disk full");
    EXPECT_EQ(IoErrorText(EIO), "I/O error 5");
    EXPECT_EQ(IoErrorText(EMFILE), "I/O error " + std::to_string(EMFILE));
}

TEST(FileIo, ReadsNoMoreThanAskedAndWholeFilesOfAnySize) {
    test::ScratchFolder dir;
    test::WriteBytes(dir.Path("f"), std::vector<uint8_t>(3000, 7));
    EXPECT_EQ(ReadFileStart(dir.Path("f"), 1440).bytes.size(), 1440u);
    test::WriteBytes(dir.Path("f"), {});
    const ReadResult empty = ReadFileStart(dir.Path("f"), 1440);
    EXPECT_TRUE(empty.error.empty());
    EXPECT_TRUE(empty.bytes.empty());
}

TEST(FileIo, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    test::ScratchFolder dir;
    namespace fs = std::filesystem;
    const std::string path = dir.Path("Old.dvt");
    auto old = test::LongTravel();
    ASSERT_TRUE(SaveDimensionFile(*old, path).ok);
    const std::vector<uint8_t> oldBytes = test::ReadBytes(path);
    fs::permissions(dir.Dir(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    auto c = test::BuiltIn();
    c->DataSetName = "Mine";
    FileResult r;
    test::AsOrdinaryUser([&] { r = SaveDimensionFile(*c, path); });
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "File access denied");
    EXPECT_EQ(c->DataSetName, "Mine");
    EXPECT_EQ(test::ReadBytes(path), oldBytes);
    // A writable folder with a read-only file in it refuses the save too.
    fs::permissions(dir.Dir(), fs::perms::owner_all | fs::perms::others_all);
    test::AsOrdinaryUser([&] { r = SaveDimensionFile(*c, path); });
    EXPECT_EQ(r.message, "File access denied");
    EXPECT_EQ(test::ReadBytes(path), oldBytes);
}

TEST(FileIo, ReplacingKeepsThePermissionsOfTheOldFile) {
    test::ScratchFolder dir;
    namespace fs = std::filesystem;
    const std::string path = dir.Path("Shared.dvt");
    test::WriteBytes(path, {1, 2, 3});
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                           fs::perms::group_write;
    fs::permissions(path, mode);
    const std::vector<uint8_t> bytes(1440, 9);
    EXPECT_EQ(ReplaceFile(path, bytes), "");
    EXPECT_EQ(test::ReadBytes(path), bytes);
    EXPECT_EQ(fs::status(path).permissions(), mode);
}

} // namespace
} // namespace vt
