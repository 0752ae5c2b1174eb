// Changed copies of a design, judged at gear positions: the one evaluator of a changed
// design that every design tool uses (the setting, sensitivity, tolerances, the sweep).
// Each copy starts afresh from the nominal design, so that what it gives depends on its
// changes alone; each change is written as the editors write it (twin pivots kept in step,
// eccentric angles wrapped into [0, 360)), mid gear is recalculated as closing an editor
// does, then the events engine runs at each place asked for.
//
// A gear position is held as an offset from mid gear, not as a reverse arm position:
// a designer's "normal forward" is a notch relative to mid gear, and a changed link or
// lifting gear moves mid gear. So every changed design is judged at its own mid gear
// plus the same offset (RevArmCentNorm and RevArmCentMax have no id and never change).
#pragma once

#include "analysis/EventsEngine.h"
#include "model/Dimensions.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
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
    bool operator==(const GearPlace&) const = default;
};

// The place of a gear setting of this design.
GearPlace PlaceOf(const Mechanism& m, GearSetting g);

// What ParseGearPosition accepts, as a place; empty for anything else.
std::optional<GearPlace> ParseGearPlace(const Mechanism& m, std::string_view text);

// One changed value: index into IdDimensions, and the value to write.
using DimensionChange = std::pair<int, double>;

// Writes one dimension as its editor does: through its id (twin pivots kept in step, the
// eccentric angles wrapped into [0, 360)), or into its field when it has none.
void WriteChange(Mechanism& m, const DimensionInfo& d, double value);

// The one rule for whether the gear of these events could be assembled: every solve
// completed with finite values and no guard had to clamp impossible geometry (a rod too
// short to reach, ...), the changed design's mid-gear solve included.
bool Assembled(const PositionEvents& e);

// Why the gear of these events could not be assembled, in plain words naming the reverse
// arm's position and what failed; empty when Assembled(e).
std::string AssemblyFailure(const PositionEvents& e);

// What failed alone, without the position: empty when Assembled(e).
std::string AssemblyFailureReason(const PositionEvents& e);

// The same for the design itself at a place, mid gear recalculated as DesignVariant does.
std::string AssemblyFailure(const Mechanism& m, GearPlace place);

class DesignVariant {
public:
    explicit DesignVariant(const Mechanism& nominal, const EngineOptions& o = {});
    // With a place held for Events.
    DesignVariant(const Mechanism& nominal, GearPlace place, const EngineOptions& o = {});
    ~DesignVariant();
    DesignVariant(const DesignVariant&) = delete;
    DesignVariant& operator=(const DesignVariant&) = delete;

    // Makes the changed design: a fresh copy of the nominal, these changes written, mid
    // gear recalculated. It stays until the next Change.
    void Change(std::span<const DimensionChange> changes);
    void Change(const DimensionInfo& d, double value); // any one dimension, id or not

    // The changed design's events at its own mid gear plus the place's offset. GuardBeeps
    // counts the guards' clamps of its mid-gear solve too.
    PositionEvents At(GearPlace place);

    // The changed design as it stands (its mid gear found).
    const Mechanism& Design() const;

    // Change(changes), then At the held place.
    PositionEvents Events(std::span<const DimensionChange> changes);

private:
    struct Work;
    std::unique_ptr<Work> work_;
};

} // namespace vt
