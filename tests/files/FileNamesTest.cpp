// The names a file dialog gives: the suffix a name filter stands for, and the image
// format a diagram's file name asks for.
#include "files/FileNames.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(FileNames, FilterSuffixIsTheFirstPatternThatNamesAnExtension) {
    EXPECT_EQ(FilterSuffix("PNG Image (*.png)"), "png");
    EXPECT_EQ(FilterSuffix("SVG Image (*.svg)"), "svg");
    EXPECT_EQ(FilterSuffix("Data File (*.dvt)"), "dvt");
    EXPECT_EQ(FilterSuffix("Images (*.svg *.png)"), "svg");
    EXPECT_EQ(FilterSuffix("Any (* *.txt)"), "txt");
    EXPECT_EQ(FilterSuffix("*.csv"), "csv"); // a bare pattern list
    EXPECT_EQ(FilterSuffix("Old (v2) files (*.ovt)"), "ovt");
}

TEST(FileNames, FilterOfWildcardsOnlyNamesNoSuffix) {
    EXPECT_EQ(FilterSuffix("All Files (*.*)"), "");
    EXPECT_EQ(FilterSuffix("All Files (*)"), "");
    EXPECT_EQ(FilterSuffix("Backups (*.dv?)"), "");
    EXPECT_EQ(FilterSuffix(""), "");
    EXPECT_EQ(FilterSuffix("Broken (*."), "");
}

TEST(FileNames, ImageFormatFollowsTheExtensionInAnyCase) {
    EXPECT_EQ(ImageFormatOf("/tmp/sine.png"), ImageFormat::Png);
    EXPECT_EQ(ImageFormatOf("sine.PNG"), ImageFormat::Png);
    EXPECT_EQ(ImageFormatOf("/tmp/oval.svg"), ImageFormat::Svg);
    EXPECT_EQ(ImageFormatOf("C:\\plots\\oval.Svg"), ImageFormat::Svg);
    EXPECT_EQ(ImageFormatOf("/tmp/ports.Pdf"), ImageFormat::Pdf);
    EXPECT_EQ(ImageFormatOf("steam.svg.png"), ImageFormat::Png); // the last one counts
}

TEST(FileNames, NoImageFormatForOtherOrMissingExtensions) {
    EXPECT_EQ(ImageFormatOf("/tmp/ports.bmp"), ImageFormat::None);
    EXPECT_EQ(ImageFormatOf("/tmp/ports"), ImageFormat::None);
    EXPECT_EQ(ImageFormatOf("/tmp/ports."), ImageFormat::None);
    EXPECT_EQ(ImageFormatOf("/tmp/my.png/ports"), ImageFormat::None); // a folder's dot
    EXPECT_EQ(ImageFormatOf("/tmp/portspng"), ImageFormat::None);
    EXPECT_EQ(ImageFormatOf(""), ImageFormat::None);
}

} // namespace
} // namespace vt
