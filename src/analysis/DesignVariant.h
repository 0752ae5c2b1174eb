// Changed copies of a design, judged at one gear position: the 48 dimensions that have
// an id, each written as the editors write it (twin pivots kept in step), mid gear
// recalculated as closing an editor does, then the events at the same notch.
//
// The gear position is held as an offset from mid gear, not as a reverse arm position:
// a designer's "normal forward" is a notch relative to mid gear, and a changed link or
// lifting gear moves mid gear. So every changed design is judged at its own mid gear
// plus the same offset (RevArmCentNorm and RevArmCentMax have no id and never change).
#pragma once

#include "analysis/EventsEngine.h"
#include "model/Dimensions.h"

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace vt {

inline constexpr int kIdDimensions = 48;

// The dimensions with an id, frame then cylinder, in editor order.
std::span<const DimensionInfo* const, kIdDimensions> IdDimensions();

// The eccentric angles, in degrees; every other dimension is a length in model units.
bool IsAngle(const DimensionInfo& d);

// Where a gear position lies: its signed offset from mid gear as GearAtOffset takes it,
// and the direction the driver turns there.
struct GearPlace {
    double Offset = 0;
    bool Forward = true;
};

// What ParseGearPosition accepts, as a place; empty for anything else.
std::optional<GearPlace> ParseGearPlace(const Mechanism& m, std::string_view text);

// One changed value: index into IdDimensions, and the value to write.
using DimensionChange = std::pair<int, double>;

// Whether the gear of these events could be assembled: every solve completed with finite
// values and no guard had to clamp impossible geometry (a rod too short to reach, ...).
bool Assembled(const PositionEvents& e);

class DesignVariant {
public:
    DesignVariant(const Mechanism& nominal, GearPlace place, const EngineOptions& o = {});
    ~DesignVariant();
    DesignVariant(const DesignVariant&) = delete;
    DesignVariant& operator=(const DesignVariant&) = delete;

    // The events of the nominal design with these changes, at its own mid gear plus the
    // place's offset. GuardBeeps counts the guards' clamps of its mid-gear solve too.
    PositionEvents Events(std::span<const DimensionChange> changes);

private:
    struct Work;
    std::unique_ptr<Work> work_;
};

} // namespace vt
