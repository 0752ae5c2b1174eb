// Rules of the names a file dialog gives: the suffix a name filter stands for and the
// image format a diagram's file name asks for. Standard library only.
#pragma once

#include <string>
#include <string_view>

namespace vt {

// The extension of the first pattern of a name filter that names one, "png" for
// "PNG Image (*.png)"; empty when the filter has only wildcards ("All Files (*.*)").
std::string FilterSuffix(std::string_view filter);

enum class ImageFormat { Png, Svg, Pdf, None };

// The format a file name's extension asks for, in any letter case; None for any other
// extension or none at all.
ImageFormat ImageFormatOf(std::string_view fileName);

} // namespace vt
