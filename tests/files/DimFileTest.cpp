// The dimension file: its record layout, save and open, the short-file rule, refused
// files that change nothing, and the data-set name.
#include "files/DimFile.h"

#include "files/FileIo.h"
#include "files/FileTestSupport.h"
#include "files/LoadSteps.h"
#include "files/Records.h"
#include "model/Rounding.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt {
namespace {

using test::RecordField;
using test::SetRecordField;
using test::Take;

// Gives every stored value of the state its own number: field f of record r gets
// r + f / 10, so a value in the wrong place shows where it came from.
void Number(State& s) {
    for (int r = 1; r <= kLastLineRecord; ++r)
        for (int f = 1; f <= kRecordFields; ++f)
            if (float* v = FieldValue(s, Layout::Current, r, f)) *v = float(r) + float(f) / 10.0f;
    // The valve rod joint's height follows from two others; every solve sets it so.
    s.PivotY[4] = s.PivotY[3] + s.ValveStemToCylCL;
}

std::vector<uint8_t> Truncated(std::vector<uint8_t> bytes, int records) {
    bytes.resize(std::size_t(records * kRecordBytes));
    return bytes;
}

TEST(DimFileLayout, EveryValueLiesWhereTheRecordTablePutsIt) {
    auto c = test::BuiltIn();
    Number(*c);
    const std::vector<uint8_t> b = EncodeDesign(*c);
    ASSERT_EQ(b.size(), 1440u);
    // Spot checks against the members themselves, the twice-named PivotY[3] included.
    EXPECT_EQ(RecordField(b, 1, 1), c->EccFwdAngle);
    EXPECT_EQ(RecordField(b, 1, 5), c->StrokeLen);
    EXPECT_EQ(RecordField(b, 4, 4), c->FrameSpare);
    EXPECT_EQ(RecordField(b, 5, 2), c->PivotX[6]);
    EXPECT_EQ(RecordField(b, 6, 3), c->PivotX[17]);
    EXPECT_EQ(RecordField(b, 6, 5), c->PivotY[3]); // written twice, the same value
    EXPECT_EQ(RecordField(b, 7, 1), c->PivotY[3]);
    EXPECT_EQ(RecordField(b, 7, 5), c->CylSpare);
    EXPECT_EQ(RecordField(b, 11, 3), c->LinkCentPivotVert);
    EXPECT_EQ(RecordField(b, 11, 5), c->PivotY[4]);
    EXPECT_EQ(RecordField(b, 12, 3), c->GraphicZoom);
    EXPECT_EQ(RecordField(b, 13, 2), c->RevArmPos);
    EXPECT_EQ(RecordField(b, 13, 4), c->PlotRevArmPos);
    // Presets: float i of the 21 in record 14 + i div 5, field i mod 5 + 1.
    for (int i = 0; i < 21; ++i) {
        const ViewState::Preset& p = c->PresetView[i / 3];
        const float v = i % 3 == 0 ? p.Scale : i % 3 == 1 ? p.OffsetX : p.OffsetY;
        EXPECT_EQ(RecordField(b, 14 + i / 5, i % 5 + 1), v) << i;
    }
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(RecordField(b, 18 + k / 5, k % 5 + 1), c->RevArmSet[k]) << k;
    // Overlay lists: entry k of the list at record b0 in record b0 + (k-1) div 5.
    const struct {
        int first;
        const float* list;
    } lists[] = {{20, c->LineP1Horz}, {32, c->LineP2Vert}, {52, c->LineType},
                 {56, c->LineColor},  {60, c->LineRefMode}, {68, c->LinePivot2}};
    for (const auto& l : lists)
        for (int k = 1; k <= 20; ++k)
            EXPECT_EQ(RecordField(b, l.first + (k - 1) / 5, (k - 1) % 5 + 1), l.list[k]) << l.first << " " << k;
    EXPECT_EQ(FieldName(Layout::Current, 16, 3), "PresetView[4] scale");
    EXPECT_EQ(FieldName(Layout::Current, 57, 2), "LineColor[7]");
    EXPECT_EQ(FieldName(Layout::Older, 13, 2), "PivotX[18]");
}

TEST(DimFileLayout, SavedFileIs1440BytesEndingWithTheCurrentEntry) {
    test::ScratchFolder dir;
    auto c = test::BuiltIn();
    test::AddOverlay(*c);
    ASSERT_TRUE(SaveDimensionFile(*c, dir.Path("Entry.dvt")).ok);
    const std::vector<uint8_t> b = test::ReadBytes(dir.Path("Entry.dvt"));
    ASSERT_EQ(b.size(), 1440u);
    for (int f = 1; f <= 4; ++f) EXPECT_EQ(RecordField(b, 72, f), 0.0f);
    EXPECT_EQ(RecordField(b, 72, 5), 7.0f);
    EXPECT_EQ(c->DataSetName, "Entry");
    // Little-endian: 62.0 is 0x42780000.
    EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.begin() + 4), (std::vector<uint8_t>{0x00, 0x00, 0x78, 0x42}));
}

TEST(DimFileOpen, SaveThenOpenRestoresEveryStoredValueButTheReverseArm) {
    test::ScratchFolder dir;
    auto saved = test::LongTravel();
    Number(*saved);
    test::AddOverlay(*saved);
    ASSERT_TRUE(SaveDimensionFile(*saved, dir.Path("Round Trip.dvt")).ok);

    auto loaded = test::BuiltIn();
    Controls c;
    InitRevArmBar(*loaded, c);
    SBRevArmChange(*loaded, c, 400);
    ASSERT_TRUE(OpenDimensionFile(*loaded, dir.Path("Round Trip.dvt")).ok);
    FinishDesignLoad(*loaded, c);
    EXPECT_EQ(loaded->DataSetName, "Round Trip");
    EXPECT_EQ(loaded->CurLineNo, 7);
    const auto recomputed = [](int r, int f) { return (r == 13 && f == 2) || (r == 18 && f >= 2 && f <= 4); };
    for (int r = 1; r <= kLastLineRecord; ++r) {
        for (int f = 1; f <= kRecordFields; ++f) {
            if (recomputed(r, f) || !FieldValue(*saved, Layout::Current, r, f)) continue;
            EXPECT_EQ(*FieldValue(*loaded, Layout::Current, r, f), *FieldValue(*saved, Layout::Current, r, f))
                << FieldName(Layout::Current, r, f);
        }
    }
    // Mid gear replaces the stored reverse arm positions 1..3; the bar stands at 0.
    EXPECT_EQ(loaded->RevArmPos, loaded->RevArmSet[0]);
    EXPECT_EQ(loaded->RevArmSet[1], loaded->RevArmSet[0]);
    EXPECT_NE(loaded->RevArmSet[1], 18.2f);
    EXPECT_EQ(c.RevArm.Pos, 0);
    EXPECT_EQ(c.RevArm.Max, RoundClamped(1000.0 * loaded->RevArmCentMax, 0, 1 << 30));
    EXPECT_EQ(c.RevArm.Min, -c.RevArm.Max);
}

TEST(DimFileOpen, ValuesLoadUncheckedAndTheCurrentEntryStaysWithinTheTable) {
    auto c = test::BuiltIn();
    std::vector<uint8_t> b = EncodeDesign(*c);
    SetRecordField(b, 1, 1, 400);      // the frame editor would have made it 40
    SetRecordField(b, 2, 3, -10);      // a negative main rod
    SetRecordField(b, 64, 1, 99.0f);   // LinePivot1[1] beyond the pivot table: kept as it is
    SetRecordField(b, 6, 5, 1.0f);     // PivotY[3] twice: the later field wins
    SetRecordField(b, 7, 1, 2.0f);
    const struct {
        float stored;
        int32_t cur;
    } cases[] = {{7.6f, 8}, {20, 20}, {55, 20}, {0, 1}, {-3, 1}, {1e30f, 20}};
    for (const auto& k : cases) {
        SetRecordField(b, 72, 5, k.stored);
        ASSERT_TRUE(DecodeDesign(*c, b).ok);
        EXPECT_EQ(c->CurLineNo, k.cur) << k.stored;
    }
    EXPECT_EQ(c->EccFwdAngle, 400.0f);
    EXPECT_EQ(c->MainRodLen, -10.0f);
    EXPECT_EQ(c->PivotY[3], 2.0f);
    EXPECT_EQ(c->LinePivot1[1], 99.0f);
    EXPECT_EQ(RecordField(EncodeDesign(*c), 64, 1), 99.0f);
}

TEST(DimFileOpen, ShortFilesKeepTheOverlayAndStartAtEntryOne) {
    auto source = test::CrossedRods();
    const std::vector<uint8_t> b = EncodeDesign(*source);
    for (int records : {19, 20}) {
        auto c = test::BuiltIn();
        test::AddOverlay(*c);
        const std::vector<uint8_t> overlayBefore = EncodeDesign(*c);
        ASSERT_TRUE(DecodeDesign(*c, Truncated(b, records)).ok) << records;
        EXPECT_EQ(c->CurLineNo, 1);
        EXPECT_EQ(c->EccFwdAngle, 118.0f);
        const std::vector<uint8_t> after = EncodeDesign(*c);
        EXPECT_TRUE(std::equal(after.begin() + 19 * kRecordBytes, after.begin() + 71 * kRecordBytes,
                               overlayBefore.begin() + 19 * kRecordBytes))
            << records;
    }
}

TEST(DimFileOpen, FilesThatEndEarlyFailAndChangeNothing) {
    test::ScratchFolder dir;
    auto source = test::NegativeLiftingArm();
    const std::vector<uint8_t> b = EncodeDesign(*source);
    for (int records : {0, 1, 18, 21, 40, 71}) {
        test::WriteBytes(dir.Path("Short.dvt"), Truncated(b, records));
        auto c = test::BuiltIn();
        test::AddOverlay(*c);
        const test::Snapshot before = Take(*c);
        const FileResult r = OpenDimensionFile(*c, dir.Path("Short.dvt"));
        EXPECT_FALSE(r.ok) << records;
        EXPECT_EQ(r.message, "Read beyond end of file") << records;
        EXPECT_EQ(Take(*c), before) << records;
    }
    // A partial record at the end does not count: 72 whole records and some bytes load.
    std::vector<uint8_t> longer = b;
    longer.resize(b.size() + 27, 0xFF);
    auto c = test::BuiltIn();
    EXPECT_TRUE(DecodeDesign(*c, longer).ok);
    EXPECT_EQ(c->LiftingArmLen, -1.812f);
}

TEST(DimFileOpen, NonFiniteValuesAreRefusedNamingTheirPlace) {
    auto source = test::BuiltIn();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        int record, field;
        float value;
        const char* message;
    } cases[] = {
        {5, 2, nan, "record 5, field 2 (PivotX[6]) holds no number"},
        {12, 1, inf, "record 12, field 1 (ViewScale) holds an infinite value"},
        {17, 2, -inf, "record 17, field 2 (PresetView[5] offset X) holds an infinite value"},
        {65, 3, nan, "record 65, field 3 (LinePivot1[8]) holds no number"},
        {72, 5, nan, "record 72, field 5 (CurLineNo) holds no number"},
    };
    for (const auto& k : cases) {
        std::vector<uint8_t> b = EncodeDesign(*source);
        SetRecordField(b, k.record, k.field, k.value);
        auto c = test::LongTravel();
        const test::Snapshot before = Take(*c);
        const FileResult r = DecodeDesign(*c, b);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(k.message), std::string::npos) << r.message;
        EXPECT_EQ(Take(*c), before) << k.message;
    }
    // Fields whose values are dropped do not matter: record 72's first four, and what a
    // short file holds beyond record 19.
    std::vector<uint8_t> b = EncodeDesign(*source);
    SetRecordField(b, 72, 2, nan);
    auto c = test::BuiltIn();
    EXPECT_TRUE(DecodeDesign(*c, b).ok);
    SetRecordField(b, 20, 1, nan);
    EXPECT_TRUE(DecodeDesign(*c, Truncated(b, 20)).ok);
}

TEST(DimFileOpen, FilesThatCannotBeReadReportTheRuntimeText) {
    test::ScratchFolder dir;
    auto c = test::BuiltIn();
    const test::Snapshot before = Take(*c);
    EXPECT_EQ(OpenDimensionFile(*c, dir.Path("Missing.dvt")).message, "File not found");
    EXPECT_EQ(OpenDimensionFile(*c, dir.Path("no folder/Missing.dvt")).message, "File not found");
    std::filesystem::create_directory(dir.Path("Folder.dvt"));
    EXPECT_EQ(OpenDimensionFile(*c, dir.Path("Folder.dvt")).message, "File access denied");
    EXPECT_EQ(Take(*c), before);
}

TEST(DimFileSave, AFailedSaveLeavesTheOldFileAndTheName) {
    test::ScratchFolder dir;
    auto old = test::CrossedRods();
    const std::string path = dir.Path("Kept.dvt");
    ASSERT_TRUE(SaveDimensionFile(*old, path).ok);
    const std::vector<uint8_t> oldBytes = test::ReadBytes(path);

    auto c = test::BuiltIn();
    c->DataSetName = "Before";
    // A folder that is not there, and a file name that is a folder.
    EXPECT_EQ(SaveDimensionFile(*c, dir.Path("gone/New.dvt")).message, "File not found");
    std::filesystem::create_directory(dir.Path("Folder.dvt"));
    EXPECT_EQ(SaveDimensionFile(*c, dir.Path("Folder.dvt")).message, "File access denied");
    EXPECT_EQ(c->DataSetName, "Before");
    EXPECT_EQ(test::ReadBytes(path), oldBytes);
    // A successful save replaces the file whole and leaves nothing else in the folder.
    ASSERT_TRUE(SaveDimensionFile(*c, path).ok);
    EXPECT_EQ(test::ReadBytes(path), EncodeDesign(*c));
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Dir())) files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(DataSetName, BaseNameWithoutItsLastFourCharacters) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"D:\\x\\Big Valve.dvt", "Big Valve"},
        {"C:\\Gears\\Test.dvt", "Test"},
        {"/home/u/gears/Big Valve.dvt", "Big Valve"},
        {"/mixed\\sep/Back\\Name.dvt", "Name"},
        {"/a/design.data", "design."},  // not a three-letter extension: four go all the same
        {"/a/b.dvt", "b"},
        {"/a/.dvt", ""},
        {"/a/abc", ""},
        {"", ""},
        {"/a/Dampf\xc3\xa4.dvt", "Dampf\xc3\xa4"},
        {"/a/Ventil.d\xc3\xa4t", "Ventil"}, // four characters, one of them two bytes long
    };
    for (const auto& k : cases) EXPECT_EQ(DataSetNameFromPath(k.path), k.name) << k.path;
}

} // namespace
} // namespace vt
