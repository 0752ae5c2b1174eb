// The gear file; see GearFile.h. Reading walks the document with the kind's own tables
// into a staging design and hands it over only when every key has passed.
#include "gearfile/GearFile.h"

#include "files/FileIo.h"
#include "gearfile/StrictJson.h"
#include "gears/Gears.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace vt {

namespace {

using gears::GearDesign;
using gears::GearKind;
using nlohmann::json;
using nlohmann::ordered_json;

// What made the document unusable, said with the key it concerns; caught in
// DecodeGearFile, never outside this file.
struct Refused {
    std::string why;
};

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted.append(text);
    return quoted += '"';
}

std::string Described(const json& v) {
    if (v.is_string()) return "the text " + Quoted(v.get<std::string>());
    const std::string type = v.type_name();
    return (type == "array" || type == "object" ? "an " : "a ") + type;
}

[[noreturn]] void Refuse(const std::string& key, const std::string& what) {
    throw Refused{"the key " + Quoted(key) + " " + what};
}

std::string Listed(const std::vector<std::string>& texts) {
    std::string list;
    for (const std::string& t : texts) list += (list.empty() ? "" : ", ") + t;
    return list;
}

// ---- reading ----------------------------------------------------------------------

std::string Join(const std::string& path, const std::string& key) {
    return path.empty() ? key : path + "." + key;
}

const json& Member(const json& object, const std::string& path, const std::string& key) {
    const auto it = object.find(key);
    if (it == object.end()) Refuse(Join(path, key), "is missing");
    return *it;
}

// The object keeps no key but those listed; `what` says what an unknown one is not.
void OnlyKnownKeys(const json& object, const std::string& path,
                   const std::vector<std::string>& known, const std::string& what) {
    for (const auto& [key, value] : object.items())
        if (std::find(known.begin(), known.end(), key) == known.end())
            Refuse(Join(path, key), what);
}

const json& Checked(const json& v, const std::string& key, bool right, const char* want) {
    if (!right) Refuse(key, "holds " + Described(v) + ", not " + want);
    return v;
}

std::string Text(const json& v, const std::string& key) {
    return Checked(v, key, v.is_string(), "a text").get<std::string>();
}

// The parser refuses numbers beyond a double's range, so every number taken is finite.
double Number(const json& v, const std::string& key) {
    return Checked(v, key, v.is_number(), "a number").get<double>();
}

const GearKind& TakeKind(const json& doc) {
    const std::string name = Text(Member(doc, "", "kind"), "kind");
    if (const GearKind* kind = gears::FindGear(name)) return *kind;
    std::vector<std::string> known;
    for (const GearKind* k : gears::AllGears()) known.emplace_back(k->Name());
    Refuse("kind", "holds " + Quoted(name) + ", which is no gear kind this program knows (" +
                       Listed(known) + ")");
}

void TakeHeader(const json& doc) {
    if (Text(Member(doc, "", "format"), "format") != kGearFileFormat)
        Refuse("format", "is not " + Quoted(kGearFileFormat) + ": this is not a gear file");
    const json& version = Member(doc, "", "version");
    if (!version.is_number_integer() || version.get<std::int64_t>() < 1)
        Refuse("version", "holds " + Described(version) + ", not a whole number from 1");
    if (version.get<std::int64_t>() > kGearFileVersion)
        Refuse("version", "is " + std::to_string(version.get<std::int64_t>()) +
                              ": the file was written by a newer VALVETRACE, which reads "
                              "version " + std::to_string(kGearFileVersion) + " files");
}

double TakeDimension(const json& v, const gears::Dimension& dim, const std::string& key) {
    if (dim.Unit != gears::UnitKind::Choice) return Number(v, key);
    const std::vector<std::string> texts = ChoiceTexts(dim);
    const std::string text = Text(v, key);
    const auto it = std::find(texts.begin(), texts.end(), text);
    if (it == texts.end()) Refuse(key, "holds " + Quoted(text) + ", not one of " + Listed(texts));
    return double(it - texts.begin());
}

std::vector<double> TakeDimensions(const json& doc, const GearKind& kind) {
    const json& dims = Member(doc, "", "dimensions");
    Checked(dims, "dimensions", dims.is_object(), "an object");
    std::vector<double> values;
    std::vector<std::string> names;
    for (const gears::Dimension& dim : kind.Dimensions()) {
        names.emplace_back(dim.Name);
        values.push_back(TakeDimension(Member(dims, "dimensions", dim.Name), dim,
                                       "dimensions." + names.back()));
    }
    OnlyKnownKeys(dims, "dimensions", names,
                  "names no dimension of the " + std::string(kind.Caption()));
    return values;
}

std::vector<gears::StoredPosition> TakePositions(const json& doc) {
    const json& list = Member(doc, "", "positions");
    Checked(list, "positions", list.is_array(), "an array");
    std::vector<gears::StoredPosition> positions;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string path = "positions[" + std::to_string(i) + "]";
        const json& p = Checked(list[i], path, list[i].is_object(), "an object");
        OnlyKnownKeys(p, path, {"name", "setting"}, "is not part of a stored position");
        positions.push_back({Text(Member(p, path, "name"), path + ".name"),
                             Number(Member(p, path, "setting"), path + ".setting")});
    }
    return positions;
}

GearDesign TakeDesign(const json& doc) {
    if (!doc.is_object()) throw Refused{"it holds " + Described(doc) + ", not a JSON object"};
    OnlyKnownKeys(doc, "",
                  {"format", "version", "kind", "name", "unit", "dimensions", "positions"},
                  "is not part of a gear file");
    TakeHeader(doc);
    const GearKind& kind = TakeKind(doc);
    GearDesign d;
    d.Kind = &kind;
    d.Name = Text(Member(doc, "", "name"), "name");
    const std::string unit = Text(Member(doc, "", "unit"), "unit");
    const auto parsed = gears::ParseUnit(unit);
    if (!parsed) Refuse("unit", "holds " + Quoted(unit) + ", not one of in, mm, units");
    d.Unit = *parsed;
    d.Values = TakeDimensions(doc, kind);
    d.Positions = TakePositions(doc);
    return d;
}

// ---- writing ----------------------------------------------------------------------

ordered_json DimensionValue(const gears::Dimension& dim, double v) {
    if (dim.Unit != gears::UnitKind::Choice) return v;
    return ChoiceText(dim, v);
}

std::string Unusable(const std::string& why) {
    return "The gear file cannot be used: " + why + ". Nothing was changed.";
}

} // namespace

std::vector<std::string> ChoiceTexts(const gears::Dimension& dim) {
    std::vector<std::string> texts;
    std::string_view rest = dim.Choices ? dim.Choices : "";
    while (!rest.empty()) {
        const std::size_t bar = std::min(rest.find('|'), rest.size());
        texts.emplace_back(rest.substr(0, bar));
        rest.remove_prefix(std::min(bar + 1, rest.size()));
    }
    return texts;
}

std::string ChoiceText(const gears::Dimension& dim, double value) {
    const std::vector<std::string> texts = ChoiceTexts(dim);
    if (texts.empty() || !std::isfinite(value)) return texts.empty() ? "" : texts.front();
    const double last = double(texts.size() - 1);
    return texts[std::size_t(std::lround(std::clamp(value, 0.0, last)))];
}

std::string EncodeGearFile(const GearDesign& d) {
    ordered_json doc;
    doc["format"] = kGearFileFormat;
    doc["version"] = kGearFileVersion;
    doc["kind"] = std::string(d.Kind->Name());
    doc["name"] = d.Name;
    doc["unit"] = std::string(gears::UnitName(d.Unit));
    ordered_json dims = ordered_json::object();
    const auto table = d.Kind->Dimensions();
    for (std::size_t i = 0; i < table.size(); ++i)
        dims[table[i].Name] = DimensionValue(table[i], d.Values[i]);
    doc["dimensions"] = std::move(dims);
    ordered_json positions = ordered_json::array();
    for (const gears::StoredPosition& p : d.Positions)
        positions.push_back({{"name", p.Name}, {"setting", p.Setting}});
    doc["positions"] = std::move(positions);
    // A name from a file name may hold bytes that are no UTF-8; they become U+FFFD.
    return doc.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

GearFileResult DecodeGearFile(GearDesign& d, std::string_view text) {
    const StrictJson doc = ParseStrictJson(text);
    if (!doc.error.empty()) return {false, Unusable(doc.error)};
    try {
        d = TakeDesign(doc.value);
    } catch (const Refused& r) {
        return {false, Unusable(r.why)};
    }
    return {};
}

GearFileResult SaveGearFile(const GearDesign& d, const std::string& path) {
    const std::string text = EncodeGearFile(d);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::string error = ReplaceFile(path, std::span(bytes, text.size()));
    return {error.empty(), error};
}

GearFileResult OpenGearFile(GearDesign& d, const std::string& path) {
    const ReadResult file = ReadFileStart(path, kGearFileLimit + 1);
    if (!file.error.empty()) return {false, file.error};
    if (file.bytes.size() > kGearFileLimit)
        return {false, Unusable("the file is larger than 1 MiB (1,048,576 bytes)")};
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()),
                                file.bytes.size());
    return DecodeGearFile(d, text);
}

} // namespace vt
