// Changed copies of a design at one notch from their own mid gear.
#include "analysis/DesignVariant.h"

#include "analysis/GearTurn.h"
#include "gears/kinds/ClassicGear.h"
#include "model/Format.h"
#include "model/MidGear.h"

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

// A body's name within a sentence: "Main rod" as "main rod".
std::string Lowered(std::string_view text) {
    std::string out(text);
    if (!out.empty() && out[0] >= 'A' && out[0] <= 'Z') out[0] = char(out[0] - 'A' + 'a');
    return out;
}

} // namespace

std::span<const DimensionInfo* const, kIdDimensions> IdDimensions() {
    static const auto table = CollectIdDimensions();
    return table;
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

const gears::Dimension& DimensionAt(const gears::GearDesign& d, int index) {
    return d.Kind->Dimensions()[std::size_t(index)];
}

void WriteChange(gears::GearDesign& d, int index, double value) {
    double& stored = d.Values.at(std::size_t(index)); // throws for an index the kind has not
    const gears::Dimension& info = DimensionAt(d, index);
    const bool turn = IsAngle(info) && info.HardLow == 0 && info.HardHigh == 360;
    stored = turn ? Wrap360(value) : value;
}

std::string AssemblyFailureReason(const PositionEvents& e) {
    if (Assembled(e)) return {};
    std::string why;
    if (e.FailedBody) {
        why = std::string_view(e.FailedBody) == "Design"
                  ? std::string("its values do not fit the gear")
                  : "the " + Lowered(e.FailedBody) + " cannot be assembled";
        if (e.FailedSolves > 0) {
            why += " at ";
            why += std::to_string(e.FailedSolves);
            why += " of the crank angles tried";
        }
    }
    if (e.UnconvergedSearches > 0) {
        why += why.empty() ? "" : "; ";
        why += std::to_string(e.UnconvergedSearches);
        why += " searches for an event did not close in";
    }
    return why;
}

std::string AssemblyFailure(const PositionEvents& e) {
    if (Assembled(e)) return {};
    std::string out = "the design cannot be assembled at ";
    out += e.Setting >= 0 ? "+" : "";
    out += FormatFixed(e.Setting, 0, 3);
    out += " from mid gear";
    out += e.Forward ? " (forward): " : " (reverse): ";
    return out + AssemblyFailureReason(e);
}

std::string AssemblyFailure(const gears::GearDesign& d, GearPlace place) {
    DesignVariant variant(d);
    return AssemblyFailure(variant.At(place));
}

std::string AssemblyFailure(const Mechanism& m, GearPlace place) {
    return AssemblyFailure(gears::ClassicDesign(m), place);
}

struct DesignVariant::Work {
    gears::GearDesign nominal, design;
    GearPlace place;
    EngineOptions options;
    std::unique_ptr<EventsEngine> engine;
};

DesignVariant::DesignVariant(const gears::GearDesign& nominal, GearPlace place,
                             const EngineOptions& o)
    : work_(std::make_unique<Work>()) {
    work_->nominal = nominal;
    work_->place = place;
    work_->options = o;
    Change({});
}

DesignVariant::DesignVariant(const Mechanism& nominal, GearPlace place, const EngineOptions& o)
    : DesignVariant(gears::ClassicDesign(nominal), place, o) {}

DesignVariant::~DesignVariant() = default;

void DesignVariant::Change(std::span<const DimensionChange> changes) {
    Work& w = *work_;
    w.design = w.nominal;
    for (const auto& [index, value] : changes) WriteChange(w.design, index, value);
    w.engine = std::make_unique<EventsEngine>(w.design, w.options);
}

PositionEvents DesignVariant::At(GearPlace place) { return work_->engine->Find(place); }

const gears::GearDesign& DesignVariant::Design() const { return work_->design; }

PositionEvents DesignVariant::Events(std::span<const DimensionChange> changes) {
    Change(changes);
    return At(work_->place);
}

} // namespace vt
