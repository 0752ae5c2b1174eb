// Changed copies of a design at one notch from their own mid gear.
#include "analysis/DesignVariant.h"

#include "model/EditorRules.h"
#include "model/Format.h"
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

GearPlace PlaceOf(const Mechanism& m, GearSetting g) {
    const double sense = SenseIsDirect(m) ? 1.0 : -1.0;
    return {sense * (double(g.RevArmPos) - double(m.RevArmSet[0])), g.Forward};
}

std::optional<GearPlace> ParseGearPlace(const Mechanism& m, std::string_view text) {
    const std::optional<GearSetting> g = ParseGearPosition(m, text);
    if (!g) return std::nullopt;
    return PlaceOf(m, *g);
}

void WriteChange(Mechanism& m, const DimensionInfo& d, double value) {
    const float v = IsAngle(d) ? WrapEccentricAngle(F32(value)) : F32(value);
    if (d.Id > 0) WriteDimension(m, d.Id, v);
    else d.Ref(m) = v;
}

bool Assembled(const PositionEvents& e) { return e.Ok() && e.GuardBeeps == 0; }

std::string AssemblyFailureReason(const PositionEvents& e) {
    std::string why;
    const auto add = [&why](int count, const char* before, const char* after) {
        if (count == 0) return;
        why += why.empty() ? "" : "; ";
        why += before; // piece by piece: GCC 12 warns falsely about a literal + a temporary
        why += std::to_string(count);
        why += after;
    };
    add(e.GuardBeeps, "the solver had to clamp impossible geometry ",
        " times (a rod, link or arm too short to reach its pin)");
    add(e.GaveUpSolves, "the link search gave up at ", " crank angles");
    add(e.NonFiniteSolves, "values that are not numbers came out at ", " crank angles");
    add(e.UnconvergedSearches, "", " searches for an event did not close in");
    return why;
}

std::string AssemblyFailure(const PositionEvents& e) {
    if (Assembled(e)) return {};
    std::string out = "the design cannot be assembled with the reverse arm at ";
    out += FormatFixed(e.RevArmPos, 0, 3);
    out += e.Forward ? " (forward): " : " (reverse): ";
    return out + AssemblyFailureReason(e);
}

std::string AssemblyFailure(const Mechanism& m, GearPlace place) {
    DesignVariant variant(m);
    return AssemblyFailure(variant.At(place));
}

struct DesignVariant::Work {
    Mechanism nominal;
    GearPlace place;
    EngineOptions options;
    State gear;
    int beeps = 0;
    int midGearBeeps = 0;

    template <class Write>
    void Change(Write write) {
        static_cast<Mechanism&>(gear) = nominal;
        write(gear);
        beeps = 0;
        FindRevArmCent(gear);
        midGearBeeps = beeps;
    }
};

DesignVariant::DesignVariant(const Mechanism& nominal, const EngineOptions& o)
    : DesignVariant(nominal, GearPlace{}, o) {}

DesignVariant::DesignVariant(const Mechanism& nominal, GearPlace place, const EngineOptions& o)
    : work_(std::make_unique<Work>()) {
    work_->nominal = nominal;
    work_->place = place;
    work_->options = o;
    work_->gear.ErrorBeepOn = true;
    work_->gear.hooks.Beep = [w = work_.get()] { ++w->beeps; };
    Change(std::span<const DimensionChange>{});
}

DesignVariant::~DesignVariant() = default;

void DesignVariant::Change(std::span<const DimensionChange> changes) {
    work_->Change([changes](Mechanism& g) {
        for (const auto& [index, value] : changes)
            WriteChange(g, *IdDimensions()[std::size_t(index)], value);
    });
}

void DesignVariant::Change(const DimensionInfo& d, double value) {
    work_->Change([&d, value](Mechanism& g) { WriteChange(g, d, value); });
}

PositionEvents DesignVariant::At(GearPlace place) {
    Work& w = *work_;
    const GearSetting g = GearAtOffset(w.gear, place.Offset);
    PositionEvents e = FindEvents(w.gear, g.RevArmPos, place.Forward, w.options);
    e.GuardBeeps += w.midGearBeeps;
    return e;
}

const Mechanism& DesignVariant::Design() const { return work_->gear; }

PositionEvents DesignVariant::Events(std::span<const DimensionChange> changes) {
    Change(changes);
    return At(work_->place);
}

} // namespace vt
