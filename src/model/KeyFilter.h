// The key filter of every numeric field: backspace, the digits, one full stop and, where
// negative values make sense, one minus sign pass; every other key is dropped.
#pragma once

#include <string>

namespace vt {

inline constexpr char kBackspace = '\b';

bool AcceptNumberKey(const std::string& text, char key, bool allowMinus);

} // namespace vt
