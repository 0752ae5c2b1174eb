// The parts of the gear interface every kind shares; see Gear.h.
#include "gears/Gear.h"

#include <stdexcept>

namespace vt::gears {

namespace {

constexpr std::array<std::string_view, 3> kUnitNames{"in", "mm", "units"};
constexpr std::array<std::string_view, 5> kPositionNames{"full-fwd", "normal-fwd", "mid",
                                                         "normal-rev", "full-rev"};

std::size_t IndexOf(const GearDesign& d, std::string_view field) {
    const int i = d.Kind ? d.Kind->DimensionIndex(field) : -1;
    if (i < 0 || std::size_t(i) >= d.Values.size())
        throw std::out_of_range("no dimension " + std::string(field));
    return std::size_t(i);
}

} // namespace

std::string_view UnitName(LengthUnit u) { return kUnitNames[std::size_t(u)]; }

std::optional<LengthUnit> ParseUnit(std::string_view text) {
    for (std::size_t i = 0; i < kUnitNames.size(); ++i)
        if (kUnitNames[i] == text) return LengthUnit(i);
    return std::nullopt;
}

double UnitFactor(LengthUnit from, LengthUnit to) {
    constexpr double kMmPerInch = 25.4;
    if (from == to || from == LengthUnit::Units || to == LengthUnit::Units) return 1;
    return from == LengthUnit::Inch ? kMmPerInch : 1 / kMmPerInch;
}

std::string_view PositionName(NamedPosition p) { return kPositionNames[std::size_t(p)]; }

double GearDesign::Value(std::string_view field) const { return Values[IndexOf(*this, field)]; }

void GearDesign::Set(std::string_view field, double v) { Values[IndexOf(*this, field)] = v; }

double SettingOf(const GearDesign& d, NamedPosition p) {
    const ReverserInfo r = d.Kind->Reverser();
    const double full = d.Values[std::size_t(r.FullDim)];
    const double normal = d.Values[std::size_t(r.NormalDim)];
    switch (p) {
    case NamedPosition::FullForward: return full;
    case NamedPosition::NormalForward: return normal;
    case NamedPosition::Mid: return 0;
    case NamedPosition::NormalReverse: return -normal;
    case NamedPosition::FullReverse: return -full;
    }
    return 0;
}

int GearKind::DimensionIndex(std::string_view name) const {
    const auto dims = Dimensions();
    for (std::size_t i = 0; i < dims.size(); ++i)
        if (name == dims[i].Name || (dims[i].Alias && name == dims[i].Alias)) return int(i);
    return -1;
}

int GearKind::PinIndex(std::string_view name) const {
    const auto pins = Pins();
    for (std::size_t i = 0; i < pins.size(); ++i)
        if (name == pins[i].Name) return int(i);
    return -1;
}

} // namespace vt::gears
