// Changed copies of a design, judged at gear positions: the one evaluator of a changed
// design that every design tool uses (the setting, sensitivity, tolerances, the sweep), for
// any gear. Each copy starts afresh from the nominal design, so that what it gives depends
// on its changes alone; each change is written as the editors write it (an angle whose
// range is a whole turn wrapped into [0, 360)), the changed design's solver finds its own
// mid gear by the kind's rule, then the events engine runs at each place asked for.
//
// A gear position is held as an offset from mid gear (a reverser setting), not as the
// reverser's own value: a designer's "normal forward" is a notch relative to mid gear, and
// a changed link or lifting gear moves mid gear. So every changed design is judged at its
// own mid gear plus the same offset.
#pragma once

#include "analysis/EventsEngine.h"
#include "gears/Gear.h"
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

// The place of a gear setting of this design.
GearPlace PlaceOf(const Mechanism& m, GearSetting g);

// What ParseGearPosition accepts, as a place; empty for anything else.
std::optional<GearPlace> ParseGearPlace(const Mechanism& m, std::string_view text);

// One changed value: index into the design's kind's dimensions, and the value to write.
using DimensionChange = std::pair<int, double>;

// The dimension of this index in the design's kind.
const gears::Dimension& DimensionAt(const gears::GearDesign& d, int index);
inline bool IsAngle(const gears::Dimension& d) { return d.Unit == gears::UnitKind::Angle; }

// Writes one dimension as its editor does: an angle whose range is a whole turn is
// wrapped into [0, 360). Throws std::out_of_range for an index the design has not.
void WriteChange(gears::GearDesign& d, int index, double value);

// Whether the gear of these events could be assembled: every pose solved, every search
// closed in, the changed design's reference assembly and mid gear included.
inline bool Assembled(const PositionEvents& e) { return e.Ok(); }

// Why the gear of these events could not be assembled, in plain words naming the
// reverser's setting and what failed; empty when Assembled(e).
std::string AssemblyFailure(const PositionEvents& e);

// What failed alone, without the setting: empty when Assembled(e).
std::string AssemblyFailureReason(const PositionEvents& e);

// The same for the design itself at a place.
std::string AssemblyFailure(const gears::GearDesign& d, GearPlace place);
std::string AssemblyFailure(const Mechanism& m, GearPlace place);

class DesignVariant {
public:
    explicit DesignVariant(const gears::GearDesign& nominal, GearPlace place = {},
                           const EngineOptions& o = {});
    // A classic design as its classic gear.
    explicit DesignVariant(const Mechanism& nominal, GearPlace place = {},
                           const EngineOptions& o = {});
    ~DesignVariant();
    DesignVariant(const DesignVariant&) = delete;
    DesignVariant& operator=(const DesignVariant&) = delete;

    // Makes the changed design: a fresh copy of the nominal with these changes written.
    // It stays until the next Change.
    void Change(std::span<const DimensionChange> changes);

    // The changed design's events at its own mid gear plus the place's offset.
    PositionEvents At(GearPlace place);

    // The changed design as it stands.
    const gears::GearDesign& Design() const;

    // Change(changes), then At the held place.
    PositionEvents Events(std::span<const DimensionChange> changes);

private:
    struct Work;
    std::unique_ptr<Work> work_;
};

} // namespace vt
