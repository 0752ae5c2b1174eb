// Values found for a design (by the setting assistant) written into it as a designer
// would type them into the editors: one undo entry each, the twins kept, the dynamic
// variables told, then mid gear as closing an editor finds it.
#pragma once

#include "model/Controls.h"
#include "model/Dimensions.h"

#include <span>

namespace vt {

struct DimensionValue {
    const DimensionInfo* Dimension = nullptr; // a dimension with an id
    float Before = 0, After = 0;              // as stored in the design
};

// Writes each value whose After differs from its Before, then closes as the editors'
// "Close" does. Returns the number of dimensions written.
int ApplySetting(State& s, Controls& c, std::span<const DimensionValue> values);

} // namespace vt
