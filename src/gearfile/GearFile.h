// The gear file (".vgear"): one design of any gear kind as a JSON document, read and
// written whole. A refused file changes nothing; a save replaces the old file only when
// the new one is complete.
#pragma once

#include "gears/Gear.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

inline constexpr const char* kGearFileFormat = "valvetrace-gear";
inline constexpr int kGearFileVersion = 1;
inline constexpr std::size_t kGearFileLimit = 1024 * 1024; // larger files are refused

// The outcome of a file operation; on failure `message` is the text for the user.
struct GearFileResult {
    bool ok = true;
    std::string message;
};

// The document of a design: "format", "version", "kind", "name", "unit", "dimensions"
// (every dimension of the kind by its field name, in the kind's order: a number, or a
// choice's text) and "positions" (the stored reverser settings: name and setting).
std::string EncodeGearFile(const gears::GearDesign& d);

// Takes a design from a document. Refuses, naming the key: a key given twice, missing,
// unknown or of the wrong type, an unknown format, version, kind, unit or choice, and a
// number that is not finite. `d` changes only when the whole document passes.
GearFileResult DecodeGearFile(gears::GearDesign& d, std::string_view text);

// A choice dimension's value texts ("outside|inside" gives outside, inside), and the text
// of a value (rounded to the nearest choice there is).
std::vector<std::string> ChoiceTexts(const gears::Dimension& dim);
std::string ChoiceText(const gears::Dimension& dim, double value);

GearFileResult SaveGearFile(const gears::GearDesign& d, const std::string& path);
// Also refuses a file larger than kGearFileLimit.
GearFileResult OpenGearFile(gears::GearDesign& d, const std::string& path);

} // namespace vt
