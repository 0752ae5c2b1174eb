// The gear file: every kind's design read back as written, each refusal naming its key
// and changing nothing, the size limit, and a failed save keeping the old file.
#include "gearfile/GearFile.h"

#include "files/FileTestSupport.h"
#include "gears/Gears.h"
#include "gears/kinds/ClassicGear.h"
#include "gears/kinds/Walschaerts.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace vt {
namespace {

using gears::GearDesign;

void ExpectSame(const GearDesign& a, const GearDesign& b) {
    EXPECT_EQ(a.Kind, b.Kind);
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.Unit, b.Unit);
    EXPECT_EQ(a.Values, b.Values); // exactly: every double is written to read back
    EXPECT_EQ(a.Positions, b.Positions);
}

TEST(GearFile, EveryKindReadsBackAsWritten) {
    std::vector<GearDesign> designs{gears::WalschaertsInside()};
    for (const gears::GearKind* k : gears::AllGears()) designs.push_back(k->Sample());
    for (GearDesign& d : designs) {
        d.Name += " \"quoted\", \xc3\xa9";
        d.Unit = gears::LengthUnit::Millimetre;
        d.Values[1] = 1.0 / 3.0;
        d.Positions = {{"notch 1", 0.1 + 0.2}, {"back", -1e-7}};
        GearDesign back;
        const GearFileResult r = DecodeGearFile(back, EncodeGearFile(d));
        ASSERT_TRUE(r.ok) << r.message;
        ExpectSame(back, d);
    }
    // The document names what it holds, every dimension by its field name.
    const GearDesign inside = gears::WalschaertsInside();
    const auto doc = nlohmann::json::parse(EncodeGearFile(inside));
    EXPECT_EQ(doc["format"], "valvetrace-gear");
    EXPECT_EQ(doc["kind"], "walschaerts");
    EXPECT_EQ(doc["unit"], "in");
    EXPECT_EQ(doc["dimensions"]["Admission"], "inside");
    EXPECT_EQ(doc["dimensions"]["LiftPointOffset"], inside.Value("LiftPointOffset"));
    EXPECT_EQ(doc["dimensions"].size(), inside.Values.size());
}

std::string Edited(const std::function<void(nlohmann::json&)>& edit) {
    auto doc = nlohmann::json::parse(EncodeGearFile(gears::Walschaerts().Sample()));
    edit(doc);
    return doc.dump();
}

// The sample's text with `insert` put just after the first occurrence of `after`.
std::string Inserted(const std::string& after, const std::string& insert) {
    std::string text = EncodeGearFile(gears::Walschaerts().Sample());
    return text.insert(text.find(after) + after.size(), insert);
}

TEST(GearFile, RefusalsNameTheKeyAndChangeNothing) {
    using J = nlohmann::json;
    const struct {
        std::string text, key;
    } cases[] = {
        {Edited([](J& j) { j["kind"] = "no-such-gear"; }), "\"kind\""},
        {Edited([](J& j) { j["dimensions"].erase("StrokeLen"); }), "\"dimensions.StrokeLen\""},
        {Edited([](J& j) { j["dimensions"]["Boiler"] = 1; }), "\"dimensions.Boiler\""},
        {Inserted("\"dimensions\": {", "\"EccRodLen\": 1,"), "\"dimensions.EccRodLen\""},
        {Inserted("\"StrokeLen\": ", "1e999 , \"x\":"), "\"dimensions.StrokeLen\""},
        {Inserted("\"MainRodLen\": ", "NaN, \"x\":"), "after the key \"dimensions.MainRodLen\""},
        {Edited([](J& j) { j["dimensions"]["MainRodLen"] = "120"; }), "\"dimensions.MainRodLen\""},
        {Edited([](J& j) { j["dimensions"]["Admission"] = 1; }), "\"dimensions.Admission\""},
        {Edited([](J& j) { j["dimensions"]["Admission"] = "both"; }), "\"dimensions.Admission\""},
        {Edited([](J& j) { j["positions"] = {{{"name", "a"}, {"setting", true}}}; }),
         "\"positions[0].setting\""},
        {Edited([](J& j) { j["positions"] = J::object(); }), "\"positions\""},
        {Edited([](J& j) { j.erase("name"); }), "\"name\""},
        {Edited([](J& j) { j["unit"] = "ft"; }), "\"unit\""},
        {Edited([](J& j) { j["format"] = "valvetrace-dimensions"; }), "\"format\""},
        {Edited([](J& j) { j["version"] = 2; }), "\"version\""},
        {Edited([](J& j) { j["colour"] = "red"; }), "\"colour\""},
        {EncodeGearFile(gears::Walschaerts().Sample()).substr(0, 200), "at byte"},
    };
    for (const auto& c : cases) {
        GearDesign d = gears::ClassicGear().Sample();
        const GearDesign before = d;
        const GearFileResult r = DecodeGearFile(d, c.text);
        EXPECT_FALSE(r.ok) << c.key;
        EXPECT_NE(r.message.find(c.key), std::string::npos) << r.message;
        EXPECT_NE(r.message.find("Nothing was changed"), std::string::npos) << r.message;
        ExpectSame(d, before);
    }
}

TEST(GearFile, AFileOverOneMebibyteIsRefused) {
    test::ScratchFolder dir;
    std::string text = EncodeGearFile(gears::Walschaerts().Sample());
    text.resize(kGearFileLimit, ' '); // still a whole document: taken
    test::WriteBytes(dir.Path("Big.vgear"), {text.begin(), text.end()});
    GearDesign d;
    EXPECT_TRUE(OpenGearFile(d, dir.Path("Big.vgear")).ok);
    text += ' ';
    test::WriteBytes(dir.Path("Big.vgear"), {text.begin(), text.end()});
    d = gears::ClassicGear().Sample();
    const GearFileResult r = OpenGearFile(d, dir.Path("Big.vgear"));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("larger than 1 MiB"), std::string::npos) << r.message;
    ExpectSame(d, gears::ClassicGear().Sample());
}

TEST(GearFile, AFailedSaveKeepsTheOldFile) {
    test::ScratchFolder dir;
    namespace fs = std::filesystem;
    const std::string path = dir.Path("Old.vgear");
    ASSERT_TRUE(SaveGearFile(gears::Walschaerts().Sample(), path).ok);
    const std::vector<uint8_t> old = test::ReadBytes(path);
    fs::permissions(dir.Dir(), fs::perms::owner_read | fs::perms::owner_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
    GearFileResult r;
    test::AsOrdinaryUser([&] { r = SaveGearFile(gears::WalschaertsInside(), path); });
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "File access denied");
    EXPECT_EQ(test::ReadBytes(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Dir()), fs::directory_iterator()), 1);
}

} // namespace
} // namespace vt
