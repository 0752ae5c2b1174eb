// A gear kind held as data; see TableKind.h.
#include "gears/TableKind.h"

namespace vt::gears {

TableKind::TableKind(const KindTables& t)
    : t_(t), face_(DimensionIndex("CylCtrToDriverCtr")), admit_(DimensionIndex("Admission")) {}

PortFace TableKind::Face(const GearDesign& d) const {
    // In PortFaceDimensions' order: centre, exhaust port, then front before rear.
    auto c = [&](int i) { return d.Values[std::size_t(face_ + i)]; };
    const bool inside = admit_ >= 0 && d.Values[std::size_t(admit_)] >= 0.5;
    return {c(0), c(1), c(3), c(2), c(5), c(4), c(7), c(6), c(9), c(8),
            inside ? Admission::Inside : Admission::Outside};
}

GearDesign TableKind::Sample() const {
    GearDesign d{this, t_.SampleName, LengthUnit::Inch, {}, {}};
    for (const Dimension& dim : t_.Dimensions) d.Values.push_back(dim.Default);
    return d;
}

} // namespace vt::gears
