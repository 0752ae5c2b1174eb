// JSON text parsed strictly for the gear file: nlohmann-json keeps the last of two equal
// keys in one object, so the parse watches the keys itself and refuses a repeated one.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace vt {

struct StrictJson {
    nlohmann::json value;
    std::string error; // empty when the text was taken
};

// The document in `text`. Refuses, with a message for the user: text that is not JSON
// (with the byte where it stops being so and the last key before it), a key given twice in one object and a number
// beyond the range of a double (each named with the keys of the objects around it, as
// "dimensions.StrokeLen").
StrictJson ParseStrictJson(std::string_view text);

} // namespace vt
