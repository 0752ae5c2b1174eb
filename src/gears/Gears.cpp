// The registry of gear kinds. Each file pair in gears/kinds/ is one kind, and the build
// lists them by file name (GearList.inc: VT_GEAR(ClassicGear) ...), the kind's function
// bearing its file's name; so adding a gear touches nothing here.
#include "gears/Gears.h"

#include <array>

namespace vt::gears {

#define VT_GEAR(stem) const GearKind& stem();
#include "gears/GearList.inc"
#undef VT_GEAR

std::span<const GearKind* const> AllGears() {
    static const std::array kinds{
#define VT_GEAR(stem) &stem(),
#include "gears/GearList.inc"
#undef VT_GEAR
    };
    return kinds;
}

const GearKind* FindGear(std::string_view name) {
    for (const GearKind* k : AllGears())
        if (k->Name() == name) return k;
    return nullptr;
}

} // namespace vt::gears
