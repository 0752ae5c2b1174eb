// The gear as an ASCII DXF drawing (AutoCAD R12 entities, which every CAD program reads):
// the bodies and the cylinder section as LINEs, the pins as CIRCLEs and the paths of the
// chosen pins over a turn as closed POLYLINEs, in the design's unit (the header's
// $INSUNITS says which). No Qt.
#pragma once

#include "gears/Gear.h"
#include "workbench/GearPicture.h"

#include <span>
#include <string>

namespace vt::wb {

// Layers: "BODIES", "SECTION", "PINS", and "PATH-" followed by the pin's name for each
// path. `pinRadius` is the circles' radius in the design's unit.
std::string GearDxf(const gears::GearDesign& d, const GearPicture& pic, const TurnSweep& turn,
                    std::span<const int> pathPins, double pinRadius);

// The DXF unit code of a length unit: 1 inches, 4 millimetres, 0 unitless.
int DxfUnitCode(gears::LengthUnit u);

} // namespace vt::wb
