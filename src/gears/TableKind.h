// A gear kind held as data: its tables (name, caption, dimensions, pins, bodies, guides,
// reverser) and its solver's maker. Every kind in gears/kinds/ is one of these, so the
// accessors, the sample from the dimension defaults and the port face are written once.
#pragma once

#include "gears/DimensionParts.h"
#include "gears/Gear.h"

#include <memory>
#include <span>

namespace vt::gears {

// A guide's height: the value of dimension I.
template <int I>
double ValueAt(std::span<const double> values) {
    return values[std::size_t(I)];
}

template <class Solver>
std::unique_ptr<GearSolver> MakeSolverOf(const GearDesign& d) {
    return std::make_unique<Solver>(d);
}

struct KindTables {
    const char* Name;       // "walschaerts"
    const char* Caption;    // "Walschaerts gear"
    const char* SampleName; // what the sample design represents
    std::span<const Dimension> Dimensions;
    std::span<const PinInfo> Pins;
    std::span<const BodyInfo> Bodies;
    std::span<const GuideInfo> Guides;
    ReverserInfo Reverser;
    std::unique_ptr<GearSolver> (*MakeSolver)(const GearDesign&);
};

class TableKind : public GearKind {
public:
    explicit TableKind(const KindTables& t);

    std::string_view Name() const override { return t_.Name; }
    std::string_view Caption() const override { return t_.Caption; }
    std::span<const Dimension> Dimensions() const override { return t_.Dimensions; }
    std::span<const PinInfo> Pins() const override { return t_.Pins; }
    std::span<const BodyInfo> Bodies() const override { return t_.Bodies; }
    std::span<const GuideInfo> Guides() const override { return t_.Guides; }
    ReverserInfo Reverser() const override { return t_.Reverser; }

    // From the port face dimensions (PortFaceDimensions) and Admission, if the kind has it.
    PortFace Face(const GearDesign& d) const override;
    // The defaults of the dimension table, in inches.
    GearDesign Sample() const override;
    std::unique_ptr<GearSolver> MakeSolver(const GearDesign& d) const override {
        return t_.MakeSolver(d);
    }

private:
    KindTables t_;
    int face_ = -1;  // index of CylCtrToDriverCtr, the port face's first dimension
    int admit_ = -1; // index of Admission; -1: outside admission always
};

} // namespace vt::gears
