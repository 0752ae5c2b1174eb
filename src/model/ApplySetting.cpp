// Values written through the editors' path.
#include "model/ApplySetting.h"

#include "model/EditorRules.h"

namespace vt {

int ApplySetting(State& s, Controls& c, std::span<const DimensionValue> values) {
    int written = 0;
    for (const DimensionValue& v : values) {
        if (v.After == v.Before) continue;
        s.EditChanged = true;
        DimensionValueExit(s, *v.Dimension, v.After);
        ++written;
    }
    EditorCloseClick(s, c);
    return written;
}

} // namespace vt
