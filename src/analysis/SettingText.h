// The setting assistant's result as tables of text, for the window's tables and the
// report's listing: each target before and after, each variable's old and new value, the
// status with the evaluations and the time.
#pragma once

#include "analysis/ValveSetting.h"

#include <string>
#include <vector>

namespace vt {

struct TextTable {
    std::vector<std::string> Header;
    std::vector<std::vector<std::string>> Rows;
};

// Target, what it measures with its unit, front and rear before and after, met.
TextTable TargetTable(const SettingResult& r);
// Dimension (its caption), unit, bounds, before, after, change.
TextTable VariableTable(const SettingResult& r);
// "Status: met", then the evaluations and the time.
std::string StatusLines(const SettingResult& r);

// Both tables in aligned columns, then the status lines.
std::string FormatSettingText(const SettingResult& r);

} // namespace vt
