// Central differences of the event figures through changed copies of the design.
#include "analysis/Sensitivity.h"

#include "model/Real.h"

#include <algorithm>
#include <cmath>

namespace vt {

double SensitivityStep(const DimensionInfo& d) { return IsAngle(d) ? kAngleStep : kLengthStep; }

Figures CentralDifference(const Figures& plus, const Figures& minus, double step) {
    Figures out;
    for (std::size_t k = 0; k < kFigureCount; ++k) out[k] = (plus[k] - minus[k]) / (2 * step);
    return out;
}

std::vector<const InfluenceRow*> LargestInfluences(const SensitivityResult& r, std::size_t figure,
                                                   std::size_t n) {
    std::vector<const InfluenceRow*> out;
    for (const InfluenceRow& row : r.Rows)
        if (std::abs(row.Derivative[figure]) > 0) out.push_back(&row); // NaN fails too
    const auto size = [figure](const InfluenceRow* row) {
        return std::abs(row->Derivative[figure]);
    };
    std::stable_sort(out.begin(), out.end(), [&](const InfluenceRow* a, const InfluenceRow* b) {
        return size(a) > size(b);
    });
    if (out.size() > n) out.resize(n);
    return out;
}

SensitivityResult ComputeSensitivity(const Mechanism& m, GearPlace place,
                                     const Progress& progress) {
    SensitivityResult r;
    r.Place = place;
    r.Gear = GearAtOffset(m, place.Offset);
    r.Gear.Forward = place.Forward;
    Mechanism nominal = m;
    DesignVariant variant(nominal, place);
    r.Nominal = variant.Events({});
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
