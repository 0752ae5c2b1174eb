// Changed copies of a design at one notch from their own mid gear.
#include "analysis/DesignVariant.h"

#include "model/MidGear.h"
#include "model/Real.h"

#include <array>

namespace vt {

namespace {

std::array<const DimensionInfo*, kIdDimensions> CollectIdDimensions() {
    std::array<const DimensionInfo*, kIdDimensions> out{};
    std::size_t n = 0;
    for (const DimensionInfo& d : FrameDimensionTable())
        if (d.Id > 0) out[n++] = &d;
    for (const DimensionInfo& d : CylDimensionTable())
        if (d.Id > 0) out[n++] = &d;
    return out;
}

} // namespace

std::span<const DimensionInfo* const, kIdDimensions> IdDimensions() {
    static const auto table = CollectIdDimensions();
    return table;
}

bool IsAngle(const DimensionInfo& d) {
    const std::string_view name = d.Name;
    return name == "EccFwdAngle" || name == "EccRevAngle";
}

std::optional<GearPlace> ParseGearPlace(const Mechanism& m, std::string_view text) {
    const std::optional<GearSetting> g = ParseGearPosition(m, text);
    if (!g) return std::nullopt;
    const double sense = SenseIsDirect(m) ? 1.0 : -1.0;
    return GearPlace{sense * (double(g->RevArmPos) - double(m.RevArmSet[0])), g->Forward};
}

bool Assembled(const PositionEvents& e) { return e.Ok() && e.GuardBeeps == 0; }

struct DesignVariant::Work {
    Mechanism nominal;
    GearPlace place;
    EngineOptions options;
    State gear;
    int beeps = 0;
};

DesignVariant::DesignVariant(const Mechanism& nominal, GearPlace place, const EngineOptions& o)
    : work_(std::make_unique<Work>()) {
    work_->nominal = nominal;
    work_->place = place;
    work_->options = o;
    work_->gear.ErrorBeepOn = true;
    work_->gear.hooks.Beep = [w = work_.get()] { ++w->beeps; };
}

DesignVariant::~DesignVariant() = default;

PositionEvents DesignVariant::Events(std::span<const DimensionChange> changes) {
    Work& w = *work_;
    static_cast<Mechanism&>(w.gear) = w.nominal;
    for (const auto& [index, value] : changes)
        WriteDimension(w.gear, IdDimensions()[std::size_t(index)]->Id, F32(value));
    w.beeps = 0;
    FindRevArmCent(w.gear);
    const int midGearBeeps = w.beeps;
    const GearSetting g = GearAtOffset(w.gear, w.place.Offset);
    PositionEvents e = FindEvents(w.gear, g.RevArmPos, w.place.Forward, w.options);
    e.GuardBeeps += midGearBeeps;
    return e;
}

} // namespace vt
