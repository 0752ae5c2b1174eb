// Central differences of the event figures through changed copies of the design.
#include "analysis/Sensitivity.h"

#include "analysis/SettingVariables.h"

namespace vt {

double SensitivityStep(const gears::Dimension& d) { return IsAngle(d) ? kAngleStep : kLengthStep; }

Figures CentralDifference(const Figures& plus, const Figures& minus, double step) {
    Figures out;
    for (std::size_t k = 0; k < kFigureCount; ++k) out[k] = (plus[k] - minus[k]) / (2 * step);
    return out;
}

std::vector<int> InfluenceDimensions(const gears::GearDesign& d) {
    std::vector<int> out;
    for (int i = 0; i < int(d.Values.size()); ++i)
        if (CanVary(d, i)) out.push_back(i);
    return out;
}

SensitivityResult ComputeSensitivity(const gears::GearDesign& d, GearPlace place,
                                     const Progress& progress) {
    SensitivityResult r;
    r.Place = place;
    r.Unit = d.Unit;
    r.ReverserLabel = d.Kind->Reverser().Label;
    r.ReverserKey = d.Kind->Reverser().Key;
    DesignVariant variant(d, place);
    r.Nominal = variant.Events({});
    r.Failure = AssemblyFailureReason(r.Nominal);
    if (!r.Failure.empty()) return r;
    const std::vector<int> dims = InfluenceDimensions(d);
    const int total = int(dims.size());
    for (int n = 0; n < total; ++n) {
        if (progress && !progress(n, total)) {
            r.Cancelled = true;
            return r;
        }
        const int i = dims[std::size_t(n)];
        InfluenceRow row;
        row.Index = i;
        row.Dimension = &DimensionAt(d, i);
        row.Value = d.Values[std::size_t(i)];
        row.Step = SensitivityStep(*row.Dimension);
        const DimensionChange plus[] = {{i, row.Value + row.Step}},
                              minus[] = {{i, row.Value - row.Step}};
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
