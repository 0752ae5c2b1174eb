// Central differences of the event figures through changed copies of the design.
#include "analysis/Sensitivity.h"

#include "model/Real.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

namespace vt {

double SensitivityStep(const DimensionInfo& d) { return IsAngle(d) ? kAngleStep : kLengthStep; }

Figures CentralDifference(const Figures& plus, const Figures& minus, double step) {
    Figures out;
    for (std::size_t k = 0; k < kFigureCount; ++k) out[k] = (plus[k] - minus[k]) / (2 * step);
    return out;
}

bool OnlyDrawn(const DimensionInfo& d) {
    static constexpr std::string_view kDrawn[] = {
        "DriverDia",   "EccDia",          "CylBoreDia",          "CylBoreLen",
        "PistonWidth", "PistonRodLen",    "CylSteamPortWidth",   "ValveChamberHeight",
        "ValveHeight", "ValveChamberLen", "ValveSurfaceToCylCL"};
    return std::find(std::begin(kDrawn), std::end(kDrawn), d.Name) != std::end(kDrawn);
}

SensitivityResult ComputeSensitivity(const Mechanism& m, GearPlace place,
                                     const Progress& progress) {
    SensitivityResult r;
    r.Place = place;
    Mechanism nominal = m;
    DesignVariant variant(nominal, place);
    r.Nominal = variant.Events({});
    r.Gear = {r.Nominal.RevArmPos, place.Forward};
    r.Failure = AssemblyFailureReason(r.Nominal);
    if (!r.Failure.empty()) return r;
    const int total = kIdDimensions;
    for (int i = 0; i < total; ++i) {
        if (progress && !progress(i, total)) {
            r.Cancelled = true;
            return r;
        }
        const DimensionInfo& d = *IdDimensions()[std::size_t(i)];
        InfluenceRow row;
        row.Dimension = &d;
        row.Value = d.Ref(nominal);
        const double h = SensitivityStep(d);
        const double up = F32(row.Value + h), down = F32(row.Value - h);
        row.Step = (up - down) / 2;
        if (OnlyDrawn(d)) {
            row.Derivative.fill(0);
            r.Rows.push_back(row);
            continue;
        }
        const DimensionChange plus[] = {{i, up}}, minus[] = {{i, down}};
        const PositionEvents a = variant.Events(plus), b = variant.Events(minus);
        row.Assembles = Assembled(a) && Assembled(b);
        row.Derivative = row.Assembles ? CentralDifference(FiguresOf(a), FiguresOf(b), row.Step)
                                       : NoFigures();
        r.Rows.push_back(row);
    }
    if (progress) progress(total, total);
    return r;
}

} // namespace vt
