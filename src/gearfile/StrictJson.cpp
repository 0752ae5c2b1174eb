// Strict JSON parsing; see StrictJson.h.
#include "gearfile/StrictJson.h"

#include <set>
#include <vector>

namespace vt {

namespace {

using nlohmann::json;

// One open object or array of the document, outermost first: the keys met so far in an
// object, and the path of keys that leads to it.
struct Level {
    std::set<std::string> keys;
    std::string path;
    std::string lastKey;
};

// Watches the parser's events and remembers the first repeated key.
class DuplicateWatch {
public:
    bool operator()(int, json::parse_event_t event, json& parsed) {
        switch (event) {
        case json::parse_event_t::object_start:
        case json::parse_event_t::array_start: Open(); break;
        case json::parse_event_t::object_end:
        case json::parse_event_t::array_end: levels_.pop_back(); break;
        case json::parse_event_t::key: Key(parsed.get<std::string>()); break;
        case json::parse_event_t::value: break;
        }
        return true;
    }
    const std::string& Repeated() const { return repeated_; }
    // The key whose value is being read, as "dimensions.StrokeLen"; "" at the top.
    std::string Current() const {
        return levels_.empty() ? std::string() : Join(levels_.back().path, levels_.back().lastKey);
    }

private:
    void Open() {
        std::string path;
        if (!levels_.empty()) path = Join(levels_.back().path, levels_.back().lastKey);
        levels_.push_back({{}, std::move(path), {}});
    }
    void Key(const std::string& key) {
        Level& top = levels_.back();
        top.lastKey = key;
        if (!top.keys.insert(key).second && repeated_.empty()) repeated_ = Join(top.path, key);
    }
    static std::string Join(const std::string& path, const std::string& key) {
        if (key.empty()) return path;
        return path.empty() ? key : path + "." + key;
    }

    std::vector<Level> levels_;
    std::string repeated_;
};

} // namespace

StrictJson ParseStrictJson(std::string_view text) {
    StrictJson r;
    DuplicateWatch watch;
    try {
        r.value = json::parse(text, std::ref(watch));
    } catch (const json::parse_error& e) {
        const std::string key = watch.Current();
        r.error = "it is not a JSON document (it stops being one at byte " +
                  std::to_string(e.byte) + (key.empty() ? "" : ", after the key \"" + key + "\"") +
                  ")";
        return r;
    } catch (const json::out_of_range&) {
        // The parser throws this for a number beyond the range of a double.
        const std::string key = watch.Current();
        r.error = (key.empty() ? "it" : "the key \"" + key + "\"") +
                  " holds a number that is not finite";
        return r;
    }
    if (!watch.Repeated().empty()) {
        r.error = "the key \"" + watch.Repeated() + "\" is given twice";
        r.value = json();
    }
    return r;
}

} // namespace vt
