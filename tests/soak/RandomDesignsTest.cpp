// The sample designs and random ones made from them (zero, negative, huge, tiny and
// non-finite values in the dimensions, stored positions, settings and overlay), written
// as dimension files and opened as the program opens them. A refused file changes
// nothing; a design that loads runs a whole turn of the main window's tick, draws the
// four diagrams and builds the pivot table, all in bounded work and bounded pixels.
#include "files/DimFile.h"
#include "files/FileTestSupport.h"
#include "files/LoadSteps.h"
#include "files/Records.h"
#include "model/Controls.h"
#include "model/Lines.h"
#include "model/PivotData.h"
#include "render/RecordingCanvas.h"
#include "render/Scene.h"
#include "support/Adversarial.h"
#include "support/Designs.h"
#include "support/DrawingChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace vt {
namespace {

constexpr int kRandomDesigns = 1'000;
constexpr uint32_t kSeed = 20261208;
constexpr std::size_t kSceneCalls = 20000;
constexpr int kTableHeadLines = 4;

std::vector<uint8_t> SampleBytes(const test::SampleDesign& d) {
    return test::ReadBytes(std::string(VT_DATA_DIR) + "/" + d.file);
}

// A sample file with one to eight values replaced, mostly in records 1 to 19 (the
// dimensions, settings, view presets and stored positions), now and then in the overlay
// or the current line. Notes whether a non-finite value went in, which the reader refuses.
struct RandomFile {
    std::vector<uint8_t> bytes;
    bool finite = true;
};

RandomFile Damaged(std::vector<uint8_t> bytes, std::mt19937& rng) {
    using Pick = std::uniform_int_distribution<int>;
    RandomFile f{std::move(bytes)};
    std::vector<std::pair<int, int>> changed; // a later change may replace an earlier one
    for (int k = Pick(1, 8)(rng); k > 0; --k) {
        const int record = Pick(0, 4)(rng) > 0 ? Pick(1, kShortRecords)(rng)
                                               : Pick(kFirstLineRecord, kDesignRecords)(rng);
        const int field = record == kDesignRecords ? kRecordFields : Pick(1, kRecordFields)(rng);
        const float nominal = test::RecordField(f.bytes, record, field);
        test::SetRecordField(f.bytes, record, field, test::Adversarial(rng, nominal));
        changed.emplace_back(record, field);
    }
    f.finite = std::ranges::all_of(changed, [&](std::pair<int, int> rf) {
        return std::isfinite(test::RecordField(f.bytes, rf.first, rf.second));
    });
    return f;
}

// The reader's rule: every value it stored is finite, the current line one of the entries.
void ExpectStoredValuesFinite(const State& s) {
    for (int r = 1; r <= kDesignRecords; ++r) {
        for (int f = 1; f <= kRecordFields; ++f) {
            const float* v = FieldValue(s, Layout::Current, r, f);
            ASSERT_TRUE(!v || std::isfinite(*v)) << FieldName(Layout::Current, r, f);
        }
    }
    EXPECT_GE(s.CurLineNo, 1);
    EXPECT_LT(s.CurLineNo, kLineEntries);
}

// A whole turn of the main window's tick at its step: the model, then the frame.
void RunTurn(State& s) {
    const int ticks = int(std::ceil(360.0 / double(s.RunStep)));
    for (int t = 0; t < ticks; ++t) {
        TickModel(s);
        RecordingCanvas frame(kSceneWidth, kSceneHeight);
        DrawScene(frame, s);
        test::CheckCanvasCalls(frame, kSceneCalls, "scene");
        if (::testing::Test::HasFatalFailure()) return;
    }
    EXPECT_TRUE(s.DriverAngle >= 0.0f && s.DriverAngle <= 360.1f) << s.DriverAngle;
}

// The table has a row for every step from 0 to 360 and puts the run-time values back.
void CheckPivotTable(State& s) {
    const uint32_t angle = std::bit_cast<uint32_t>(s.DriverAngle);
    const uint32_t step = std::bit_cast<uint32_t>(s.RunStep);
    const std::string table = BuildPivotTable(s, "date", "time");
    ASSERT_EQ(s.StepAngle, 10.0f); // the start-up step; files do not store it
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), kTableHeadLines + 37);
    EXPECT_EQ(std::bit_cast<uint32_t>(s.DriverAngle), angle);
    EXPECT_EQ(std::bit_cast<uint32_t>(s.RunStep), step);
}

// Opens the file into the state as "&OpenDimensions" does and, when it loads, runs the
// design through. Returns whether it loaded.
bool OpenAndRun(const test::ScratchFolder& dir, const RandomFile& file, test::CountingState& c) {
    const std::string path = dir.Path("Random.dvt");
    test::WriteBytes(path, file.bytes);
    Controls controls;
    const test::Snapshot before = test::Take(*c);
    const FileResult r = OpenDimensionFile(*c, path);
    EXPECT_EQ(r.ok, file.finite) << r.message;
    if (!r.ok) {
        EXPECT_FALSE(r.message.empty());
        EXPECT_EQ(test::Take(*c), before);
        return false;
    }
    ExpectStoredValuesFinite(*c);
    BlankLineLabels(controls.Lines);
    FinishDesignLoad(*c, controls);
    RefreshLineRows(*c, controls.Lines);
    RunTurn(*c);
    for (test::Diagram d : test::kDiagrams) test::CheckDiagram(*c, d, "diagram");
    CheckPivotTable(*c);
    return true;
}

TEST(RandomDesigns, SampleFilesLoadAndRunWithoutAnErrorBeep) {
    const test::ScratchFolder dir;
    for (const test::SampleDesign& d : test::SampleDesigns()) {
        SCOPED_TRACE(d.file);
        auto c = test::BuiltIn();
        EXPECT_TRUE(OpenAndRun(dir, {SampleBytes(d), true}, c));
        EXPECT_EQ(c.beeps(), 0);
    }
}

TEST(RandomDesigns, RandomFilesAreRefusedOrLoadAndRun) {
    const test::ScratchFolder dir;
    std::vector<std::vector<uint8_t>> samples;
    for (const test::SampleDesign& d : test::SampleDesigns()) samples.push_back(SampleBytes(d));
    std::mt19937 rng(kSeed);
    int loaded = 0, refused = 0;
    for (int i = 0; i < kRandomDesigns && !HasFailure(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", design " + std::to_string(i));
        auto c = test::BuiltIn();
        const RandomFile file = Damaged(samples[std::size_t(i) % samples.size()], rng);
        (OpenAndRun(dir, file, c) ? loaded : refused)++;
    }
    std::printf("%d random designs: %d loaded, %d refused\n", loaded + refused, loaded, refused);
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

} // namespace
} // namespace vt
