// The import of the older 13-record form: which values it takes, which it leaves, and
// the files it refuses.
#include "files/DimFile.h"

#include "files/FileTestSupport.h"
#include "files/Records.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <limits>

namespace vt {
namespace {

using test::SetRecordField;

// An older file: 13 records with a value of its own in every field.
std::vector<uint8_t> OlderFile() {
    std::vector<uint8_t> b(kOlderRecords * kRecordBytes);
    for (int r = 1; r <= kOlderRecords; ++r)
        for (int f = 1; f <= kRecordFields; ++f) SetRecordField(b, r, f, float(r) * 10 + float(f));
    return b;
}

TEST(OlderImport, ChangesExactlyTheValuesOfItsRecordsButTheGraphicZoom) {
    test::ScratchFolder dir;
    test::WriteBytes(dir.Path("Old Gear.ovt"), OlderFile());
    auto c = test::BuiltIn();
    test::AddOverlay(*c);
    c->RevArmSet[5] = 5.5f;
    c->CurLineNo = 9;
    State before = *c;
    ASSERT_TRUE(ImportOlderDimensionFile(*c, dir.Path("Old Gear.ovt")).ok);
    EXPECT_EQ(c->DataSetName, "Old Gear");

    // Every field of records 1 to 13 as the older table names it.
    for (int r = 1; r <= kOlderRecords; ++r) {
        for (int f = 1; f <= kRecordFields; ++f) {
            const float* v = FieldValue(*c, Layout::Older, r, f);
            if (!v || (r == 6 && f == 5)) continue; // PivotY[3] takes record 7 field 1
            EXPECT_EQ(*v, float(r) * 10 + float(f)) << FieldName(Layout::Older, r, f);
        }
    }
    EXPECT_EQ(c->PivotY[3], 71.0f);
    EXPECT_EQ(c->ViewOffsetY, 124.0f); // field 3 of record 12 is dropped
    EXPECT_EQ(c->PivotX[18], 132.0f);
    EXPECT_EQ(c->RevArmPos, before.RevArmPos); // the older record 13 holds PivotX[18] there
    EXPECT_EQ(c->GraphicZoom, before.GraphicZoom);
    // The rest of the current form stays as it was: presets, stored positions, overlay.
    for (int r = 14; r <= kLastLineRecord; ++r)
        for (int f = 1; f <= kRecordFields; ++f)
            EXPECT_EQ(*FieldValue(*c, Layout::Current, r, f), *FieldValue(before, Layout::Current, r, f))
                << FieldName(Layout::Current, r, f);
    EXPECT_EQ(c->CurLineNo, 9);
}

TEST(OlderImport, ACurrentFileIsReadWithTheOlderMapping) {
    auto source = test::LongTravel();
    source->GraphicZoom = 33;
    source->RevArmPos = 4.5f;
    auto c = test::BuiltIn();
    test::AddOverlay(*c);
    const std::vector<uint8_t> overlay = EncodeDesign(*c);
    ASSERT_TRUE(DecodeOlderDesign(*c, EncodeDesign(*source)).ok);
    EXPECT_EQ(c->EccCircleDia, 1.0f);
    EXPECT_EQ(c->ValveLenFront, 0.75f);
    EXPECT_EQ(c->GraphicZoom, 7.5f);
    EXPECT_EQ(c->PivotX[18], 4.5f);
    const std::vector<uint8_t> after = EncodeDesign(*c);
    EXPECT_TRUE(std::equal(after.begin() + 13 * kRecordBytes, after.end(), overlay.begin() + 13 * kRecordBytes));
}

TEST(OlderImport, ShortAndBrokenFilesFailAndChangeNothing) {
    test::ScratchFolder dir;
    std::vector<uint8_t> twelve = OlderFile();
    twelve.resize(12 * kRecordBytes + 19);
    test::WriteBytes(dir.Path("Twelve.ovt"), twelve);
    std::vector<uint8_t> broken = OlderFile();
    SetRecordField(broken, 13, 5, std::numeric_limits<float>::infinity());
    test::WriteBytes(dir.Path("Broken.ovt"), broken);
    std::vector<uint8_t> dropped = OlderFile();
    SetRecordField(dropped, 12, 3, std::numeric_limits<float>::quiet_NaN()); // never used

    auto c = test::CrossedRods();
    const test::Snapshot before = test::Take(*c);
    EXPECT_EQ(ImportOlderDimensionFile(*c, dir.Path("Twelve.ovt")).message, "Read beyond end of file");
    EXPECT_EQ(ImportOlderDimensionFile(*c, dir.Path("None.ovt")).message, "File not found");
    const FileResult r = ImportOlderDimensionFile(*c, dir.Path("Broken.ovt"));
    EXPECT_NE(r.message.find("record 13, field 5 (VertScale)"), std::string::npos) << r.message;
    EXPECT_EQ(test::Take(*c), before);
    EXPECT_TRUE(DecodeOlderDesign(*c, dropped).ok);
}

} // namespace
} // namespace vt
