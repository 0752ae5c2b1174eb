// Number texts; see Format.h.
#include "model/Format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace vt {

std::string FormatFixed(double v, int width, int decimals) {
    char buf[64];
    if (std::isnan(v)) {
        std::snprintf(buf, sizeof buf, "%*s", width, "NAN");
    } else if (std::isinf(v)) {
        std::snprintf(buf, sizeof buf, "%*s", width, v > 0 ? "INF" : "-INF");
    } else if (std::abs(v) >= 1e15) {
        std::snprintf(buf, sizeof buf, "%*.*e", width, decimals, v); // keeps the text short
    } else {
        std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, v);
    }
    return buf;
}

std::string FormatField(double v, int width, int decimals) {
    constexpr std::size_t kFieldChars = 10;
    std::string text = FormatFixed(v, width, decimals);
    if (text.size() > kFieldChars) text.resize(kFieldChars);
    return text;
}

bool ParseDecimal(const std::string& text, double& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && *first == ' ') ++first;
    while (last > first && last[-1] == ' ') --last;
    if (first == last) return false;
    double v = 0;
    const auto [end, err] = std::from_chars(first, last, v);
    if (err != std::errc() || end != last) return false;
    out = v;
    return true;
}

} // namespace vt
