// Numeric key filter; see KeyFilter.h.
#include "model/KeyFilter.h"

namespace vt {

bool AcceptNumberKey(const std::string& text, char key, bool allowMinus) {
    if (key == kBackspace || (key >= '0' && key <= '9')) return true;
    if (key == '.') return text.find('.') == std::string::npos;
    if (key == '-') return allowMinus && text.find('-') == std::string::npos;
    return false;
}

} // namespace vt
