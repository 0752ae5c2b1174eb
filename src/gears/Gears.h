// Every kind of gear the engine knows, by name.
#pragma once

#include "gears/Gear.h"

#include <span>
#include <string_view>

namespace vt::gears {

// "classic", "walschaerts", ... in that order; each lives as long as the program.
std::span<const GearKind* const> AllGears();

// The kind of this name (exact), or nullptr.
const GearKind* FindGear(std::string_view name);

} // namespace vt::gears
