// The sensitivity report's parts in turn, with one progress count.
#include "analysis/SensitivityRun.h"

#include "model/Format.h"

#include <algorithm>

namespace vt {

std::optional<SensitivityReport> ComputeSensitivityReport(const gears::GearDesign& m,
                                                          const SensitivityRequest& q,
                                                          const Progress& progress) {
    const std::optional<GearPlace> place = ParseGearPlace(m, q.Position);
    if (!place) return std::nullopt;
    const int designs = q.Tolerances ? q.MonteCarloDesigns : 0;
    const int dims = int(InfluenceDimensions(m).size());
    const int total = dims + designs + int(q.Wear.size());
    const auto part = [&](int before) -> Progress {
        if (!progress) return {};
        return [&progress, before, total](int done, int) { return progress(before + done, total); };
    };
    SensitivityReport r;
    r.Design = m.Name;
    r.Position = q.Position;
    r.Result = ComputeSensitivity(m, *place, part(0));
    if (r.Result.Cancelled || !r.Result.Failure.empty()) return r;
    if (q.Tolerances) {
        r.Tolerances = q.Tolerances;
        r.Spread = SpreadOf(r.Result, *q.Tolerances);
        r.MonteCarlo = RunMonteCarlo(m, *place, *q.Tolerances, designs, kMonteCarloSeed,
                                     part(dims));
        r.Result.Cancelled = r.MonteCarlo.Cancelled;
        if (r.Result.Cancelled) return r;
    }
    for (std::size_t i = 0; i < q.Wear.size(); ++i) {
        if (progress && !progress(dims + designs + int(i), total)) {
            r.Result.Cancelled = true;
            return r;
        }
        r.Wear.push_back(
            {q.Wear[i], FindWornEvents(m, {r.Result.Nominal.Setting, r.Result.Place.Forward},
                                       q.Wear[i], r.Result.Nominal.DieSlip)});
    }
    if (progress) progress(total, total);
    return r;
}

bool SameDesign(const gears::GearDesign& a, const gears::GearDesign& b) {
    return a.Kind == b.Kind && a.Name == b.Name && a.Values == b.Values &&
           a.Positions == b.Positions && a.Unit == b.Unit;
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
