// The sensitivity report's parts in turn, with one progress count.
#include "analysis/SensitivityRun.h"

#include "model/Format.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace vt {

std::optional<SensitivityReport> ComputeSensitivityReport(const Mechanism& m,
                                                          const SensitivityRequest& q,
                                                          const Progress& progress) {
    const std::optional<GearPlace> place = ParseGearPlace(m, q.Position);
    if (!place) return std::nullopt;
    const int designs = q.Tolerances ? q.MonteCarloDesigns : 0;
    const int total = kIdDimensions + designs + int(q.Wear.size());
    const auto part = [&](int before) -> Progress {
        if (!progress) return {};
        return [&progress, before, total](int done, int) { return progress(before + done, total); };
    };
    SensitivityReport r;
    r.Design = m.DataSetName;
    r.Position = q.Position;
    r.Result = ComputeSensitivity(m, *place, part(0));
    if (r.Result.Cancelled || !r.Result.Failure.empty()) return r;
    if (q.Tolerances) {
        r.Tolerances = q.Tolerances;
        r.Spread = SpreadOf(r.Result, *q.Tolerances);
        r.MonteCarlo = RunMonteCarlo(m, *place, *q.Tolerances, designs, kMonteCarloSeed,
                                     part(kIdDimensions));
        r.Result.Cancelled = r.MonteCarlo.Cancelled;
        if (r.Result.Cancelled) return r;
    }
    for (std::size_t i = 0; i < q.Wear.size(); ++i) {
        if (progress && !progress(kIdDimensions + designs + int(i), total)) {
            r.Result.Cancelled = true;
            return r;
        }
        r.Wear.push_back(
            {q.Wear[i], FindWornEvents(m, r.Result.Gear, q.Wear[i], r.Result.Nominal.DieSlip)});
    }
    if (progress) progress(total, total);
    return r;
}

bool SameDesign(const Mechanism& a, const Mechanism& b) {
    if (a.DataSetName != b.DataSetName || !std::equal(std::begin(a.RevArmSet),
                                                      std::end(a.RevArmSet), b.RevArmSet))
        return false;
    for (auto table : {std::span<const DimensionInfo>(FrameDimensionTable()),
                       std::span<const DimensionInfo>(CylDimensionTable())})
        for (const DimensionInfo& d : table)
            if (d.Ref(const_cast<Mechanism&>(a)) != d.Ref(const_cast<Mechanism&>(b)))
                return false;
    return true;
}

std::optional<std::vector<double>> ParseLostMotions(std::string_view text) {
    std::vector<double> out;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        std::string item(text.substr(from, comma - from));
        item.erase(0, item.find_first_not_of(' '));
        item.erase(item.find_last_not_of(' ') + 1);
        double s = 0;
        if (!ParseDecimal(item, s) || !(s >= 0 && s <= kMostLostMotion)) return std::nullopt;
        out.push_back(s);
        from = comma + 1;
    }
    return out;
}

} // namespace vt
