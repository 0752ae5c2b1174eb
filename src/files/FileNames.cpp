// File name rules; see FileNames.h.
#include "files/FileNames.h"

#include <algorithm>
#include <cctype>

namespace vt {

namespace {

bool IsPlainSuffix(std::string_view s) {
    return !s.empty() && s.find_first_of("*?[") == std::string_view::npos;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char ch) { return char(std::tolower(ch)); });
    return out;
}

// What follows the last dot after the last slash; a dot in a folder's name is not one.
std::string_view Extension(std::string_view fileName) {
    const auto slash = fileName.find_last_of("/\\");
    const std::string_view base = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const auto dot = base.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : base.substr(dot + 1);
}

} // namespace

// The patterns are the words inside the last pair of parentheses, or the whole filter.
std::string FilterSuffix(std::string_view filter) {
    const auto open = filter.rfind('(');
    const auto close = filter.rfind(')');
    if (open != std::string_view::npos && close != std::string_view::npos && open < close)
        filter = filter.substr(open + 1, close - open - 1);
    std::size_t at = 0;
    while (at < filter.size()) {
        const auto end = std::min(filter.find(' ', at), filter.size());
        const std::string_view pattern = filter.substr(at, end - at);
        if (pattern.starts_with("*.") && IsPlainSuffix(pattern.substr(2)))
            return std::string(pattern.substr(2));
        at = end + 1;
    }
    return {};
}

ImageFormat ImageFormatOf(std::string_view fileName) {
    const std::string suffix = Lower(Extension(fileName));
    if (suffix == "png") return ImageFormat::Png;
    if (suffix == "svg") return ImageFormat::Svg;
    if (suffix == "pdf") return ImageFormat::Pdf;
    return ImageFormat::None;
}

} // namespace vt
