// Number texts: w:d is a decimal number with d digits after the point, right-aligned in
// at least w characters. Used by every readout, dialog field and graph label.
#pragma once

#include <string>

namespace vt {

// Non-finite values read "NAN", "INF" and "-INF", padded the same way.
std::string FormatFixed(double v, int width, int decimals);

// w:d cut to its first 10 characters, as the dialogs' fields and the pivot data table
// show numbers.
std::string FormatField(double v, int width, int decimals);

// Reads a decimal number typed into a field; false when the text is not one.
bool ParseDecimal(const std::string& text, double& out);

} // namespace vt
