// Linear spreads from the derivatives, and the Monte Carlo check of them.
#include "analysis/Tolerances.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace vt {

namespace {

// Uniform in [-1, 1) from the generator's top 53 bits: the same on every library.
double Symmetric(std::mt19937_64& gen) {
    return double(gen() >> 11) * 0x1.0p-53 * 2.0 - 1.0;
}

void Widen(MonteCarloRange& r, const Figures& change) {
    for (std::size_t k = 0; k < kFigureCount; ++k) {
        r.Low[k] = std::min(r.Low[k], change[k]);
        r.High[k] = std::max(r.High[k], change[k]);
        if (std::isnan(change[k])) r.Low[k] = r.High[k] = change[k];
    }
}

} // namespace

double ToleranceSet::Of(const DimensionInfo& d) const {
    if (const auto it = Overrides.find(d.Name); it != Overrides.end()) return std::abs(it->second);
    return std::abs(IsAngle(d) ? Angle : Length);
}

LinearSpread SpreadOf(const SensitivityResult& s, const ToleranceSet& t) {
    LinearSpread out;
    for (const InfluenceRow& row : s.Rows) {
        const double tol = t.Of(*row.Dimension);
        for (std::size_t k = 0; k < kFigureCount; ++k) {
            const double term = std::abs(row.Derivative[k]) * tol;
            out.WorstCase[k] += term;
            out.Statistical[k] += term * term;
        }
    }
    for (double& v : out.Statistical) v = std::sqrt(v);
    return out;
}

MonteCarloRange RunMonteCarlo(const Mechanism& m, GearPlace place, const ToleranceSet& t,
                              int designs, std::uint64_t seed, const Progress& progress) {
    MonteCarloRange r;
    r.Seed = seed;
    r.Low.fill(INFINITY);
    r.High.fill(-INFINITY);
    Mechanism nominal = m;
    DesignVariant variant(nominal, place);
    const Figures own = FiguresOf(variant.Events({}));
    std::mt19937_64 gen(seed);
    std::vector<DimensionChange> changes(kIdDimensions);
    for (int n = 0; n < designs; ++n) {
        if (progress && !progress(n, designs)) {
            r.Cancelled = true;
            break;
        }
        for (int i = 0; i < kIdDimensions; ++i) {
            const DimensionInfo& d = *IdDimensions()[std::size_t(i)];
            changes[std::size_t(i)] = {i, d.Ref(nominal) + Symmetric(gen) * t.Of(d)};
        }
        const PositionEvents e = variant.Events(changes);
        ++r.Designs;
        if (!Assembled(e)) {
            ++r.Failed;
            continue;
        }
        Figures change = FiguresOf(e);
        for (std::size_t k = 0; k < kFigureCount; ++k) change[k] -= own[k];
        Widen(r, change);
    }
    for (std::size_t k = 0; k < kFigureCount; ++k)
        if (!std::isfinite(r.Low[k])) r.Low[k] = r.High[k] = NAN;
    if (progress && !r.Cancelled) progress(designs, designs);
    return r;
}

} // namespace vt
