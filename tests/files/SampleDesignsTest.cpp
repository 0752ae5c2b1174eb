// The built-in design byte by byte against a committed golden dump, and the sample designs
// in data/: each file is its canonical design, opens and runs a whole turn without an
// error beep. VT_UPDATE_GOLDEN=1 rewrites the dump and the sample files.
#include "files/DimFile.h"

#include "files/FileTestSupport.h"
#include "files/LoadSteps.h"
#include "files/Records.h"
#include "model/Controls.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vt {
namespace {

bool Updating() { return std::getenv("VT_UPDATE_GOLDEN") != nullptr; }

// One line per record: its number and its 20 bytes in hexadecimal, in file order.
std::string HexDump(const std::vector<uint8_t>& bytes) {
    std::string text;
    for (std::size_t r = 0; r * kRecordBytes < bytes.size(); ++r) {
        char line[16];
        std::snprintf(line, sizeof line, "%02zu:", r + 1);
        text += line;
        for (std::size_t i = 0; i < kRecordBytes; ++i) {
            std::snprintf(line, sizeof line, i % 4 == 0 ? "  %02x" : " %02x", bytes[r * kRecordBytes + i]);
            text += line;
        }
        text += "\n";
    }
    return text;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(SampleDesigns, TheBuiltInDesignMatchesTheGoldenDump) {
    const std::string path = std::string(VT_FILES_GOLDEN_DIR) + "/Nominal.dvt.hex";
    const std::string actual = HexDump(EncodeDesign(*test::BuiltIn()));
    if (Updating()) {
        std::ofstream(path) << actual;
        GTEST_SKIP() << "golden dump rewritten";
    }
    EXPECT_EQ(actual, ReadText(path));
    // Two records read by hand: 62, 62, 0, 0, 3 and the empty overlay's types, all -1.
    EXPECT_EQ(actual.substr(0, 68), "01:  00 00 78 42  00 00 78 42  00 00 00 00  00 00 00 00  00 00 40 40");
    EXPECT_NE(actual.find("52:  00 00 80 bf  00 00 80 bf  00 00 80 bf  00 00 80 bf  00 00 80 bf"), std::string::npos);
}

TEST(SampleDesigns, EachFileIsItsDesignAndRunsWell) {
    for (const test::SampleDesign& d : test::SampleDesigns()) {
        const std::string path = std::string(VT_DATA_DIR) + "/" + d.file;
        auto design = d.make();
        if (Updating()) {
            ASSERT_TRUE(SaveDimensionFile(*design, path).ok) << path;
        }
        auto c = test::BuiltIn();
        Controls controls;
        ASSERT_TRUE(OpenDimensionFile(*c, path).ok) << path;
        FinishDesignLoad(*c, controls);
        EXPECT_EQ(EncodeDesign(*c), EncodeDesign(*design)) << d.file;
        EXPECT_EQ(c->DataSetName + ".dvt", d.file);
        EXPECT_EQ(controls.RevArm.Pos, 0) << d.file;
        for (int pos : {-1000, 0, 1000}) {
            SBRevArmChange(*c, controls, pos);
            for (int tick = 0; tick < 36; ++tick) TickModel(*c);
        }
        EXPECT_EQ(c.beeps(), 0) << d.file;
    }
}

} // namespace
} // namespace vt
