// Linear spreads from the derivatives, and the Monte Carlo check of them on a pool of
// workers.
#include "analysis/Tolerances.h"

#include "model/Format.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <iterator>
#include <numbers>
#include <random>
#include <string_view>
#include <thread>
#include <vector>

namespace vt {

namespace {

// A length that may be negative is a place or an offset; every other length is a size.
bool IsPlace(const gears::Dimension& d) { return d.HardLow < 0; }

// Uniform in (0, 1] from the generator's top 53 bits: the same on every library.
double Unit(std::mt19937_64& gen) { return (double(gen() >> 11) + 1.0) * 0x1.0p-53; }

// A standard normal by the Box-Muller rule.
double Normal(std::mt19937_64& gen) {
    const double r = std::sqrt(-2.0 * std::log(Unit(gen)));
    return r * std::cos(2.0 * std::numbers::pi * Unit(gen));
}

void Widen(MonteCarloRange& r, const Figures& change) {
    for (std::size_t k = 0; k < kFigureCount; ++k) {
        r.Low[k] = std::min(r.Low[k], change[k]);
        r.High[k] = std::max(r.High[k], change[k]);
        if (std::isnan(change[k])) r.Low[k] = r.High[k] = change[k];
    }
}

// What the workers share: the next design to take, how many are done, and the stop.
struct Pool {
    const gears::GearDesign& design;
    GearPlace place;
    const ToleranceSet& tolerances;
    int designs;
    std::uint64_t seed;
    Figures own{};
    std::atomic<int> next{0}, done{0};
    std::atomic<bool> stop{false};
};

// One worker: takes designs until none is left or the pool stops, each drawn from its
// own generator so the design does not depend on which worker ran it.
MonteCarloRange Work(Pool& p) {
    MonteCarloRange r;
    r.Low.fill(INFINITY);
    r.High.fill(-INFINITY);
    DesignVariant variant(p.design, p.place);
    const std::vector<int> dims = InfluenceDimensions(p.design);
    std::vector<DimensionChange> changes(dims.size());
    for (int n = p.next++; n < p.designs && !p.stop; n = p.next++) {
        std::mt19937_64 gen(p.seed + std::uint64_t{0x9E3779B97F4A7C15} * std::uint64_t(n));
        for (std::size_t k = 0; k < dims.size(); ++k) {
            const int i = dims[k];
            const double t = p.tolerances.Of(DimensionAt(p.design, i));
            changes[k] = {i, p.design.Values[std::size_t(i)] + Normal(gen) * t / 3};
        }
        const PositionEvents e = variant.Events(changes);
        ++r.Designs;
        if (Assembled(e)) {
            Figures change = FiguresOf(e);
            for (std::size_t k = 0; k < kFigureCount; ++k) change[k] -= p.own[k];
            Widen(r, change);
        } else {
            ++r.Failed;
        }
        ++p.done;
    }
    return r;
}

void Merge(MonteCarloRange& into, const MonteCarloRange& part) {
    into.Designs += part.Designs;
    into.Failed += part.Failed;
    for (std::size_t k = 0; k < kFigureCount; ++k) {
        const bool missing = std::isnan(into.Low[k]) || std::isnan(part.Low[k]);
        into.Low[k] = missing ? NAN : std::min(into.Low[k], part.Low[k]);
        into.High[k] = missing ? NAN : std::max(into.High[k], part.High[k]);
    }
}

std::string Larger(const std::string& limit) {
    return "it is larger than the dimension allows (" + limit + ")";
}

} // namespace

double ToleranceSet::Of(const gears::Dimension& d) const {
    if (const auto it = Overrides.find(d.Name); it != Overrides.end()) return std::abs(it->second);
    if (d.Alias)
        if (const auto it = Overrides.find(d.Alias); it != Overrides.end())
            return std::abs(it->second);
    return std::abs(IsAngle(d) ? Angle : Length);
}

std::string ToleranceRefusal(const gears::Dimension& d, double value, double t) {
    if (std::isnan(t) || std::isinf(t)) return "it is not a finite number";
    if (t < 0) return "it is negative; a tolerance is the +- around the dimension";
    if (t > 0 && t < kFinestTolerance) return "it is finer than 0.00001, the finest taken";
    if (IsAngle(d)) {
        if (t > kMostAngleTolerance) return Larger("at most 10 degrees for an angle");
    } else if (IsPlace(d)) {
        if (t > kMostPlaceTolerance) return Larger("at most 1 unit of the design for a place or offset");
    } else if (t > 0 && t >= std::abs(value)) {
        return Larger("below its size, " + FormatFixed(std::abs(value), 0, 4) +
                      ", so the part keeps some size");
    }
    return {};
}

LinearSpread SpreadOf(const SensitivityResult& s, const ToleranceSet& t) {
    LinearSpread out;
    for (const InfluenceRow& row : s.Rows)
        for (std::size_t k = 0; k < kFigureCount; ++k) {
            const double term = std::abs(Contribution(row, t, k));
            out.WorstCase[k] += term;
            out.Statistical[k] += term * term;
        }
    for (double& v : out.Statistical) v = std::sqrt(v);
    return out;
}

double Contribution(const InfluenceRow& row, const ToleranceSet& t, std::size_t figure) {
    const double tol = t.Of(*row.Dimension);
    return tol == 0 ? 0.0 : row.Derivative[figure] * tol;
}

std::vector<const InfluenceRow*> LargestContributions(const SensitivityResult& r,
                                                      const ToleranceSet& t, std::size_t figure,
                                                      std::size_t n) {
    std::vector<const InfluenceRow*> out;
    const auto size = [&](const InfluenceRow* row) {
        return std::abs(Contribution(*row, t, figure));
    };
    for (const InfluenceRow& row : r.Rows)
        if (size(&row) > 0) out.push_back(&row); // NaN fails too
    std::stable_sort(out.begin(), out.end(), [&](const InfluenceRow* a, const InfluenceRow* b) {
        return size(a) > size(b);
    });
    if (out.size() > n) out.resize(n);
    return out;
}

MonteCarloRange RunMonteCarlo(const gears::GearDesign& d, GearPlace place, const ToleranceSet& t,
                              int designs, std::uint64_t seed, const Progress& progress,
                              int workers) {
    Pool p{d, place, t, designs, seed};
    p.own = FiguresOf(DesignVariant(d, place).Events({}));
    if (workers <= 0) workers = int(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<MonteCarloRange> parts(static_cast<std::size_t>(workers));
    std::vector<std::thread> pool;
    for (int w = 0; w < workers; ++w)
        pool.emplace_back([&p, &parts, w] { parts[std::size_t(w)] = Work(p); });
    MonteCarloRange r;
    r.Seed = seed;
    r.Low.fill(INFINITY);
    r.High.fill(-INFINITY);
    while (progress && p.done < designs && !p.stop) {
        if (!progress(p.done, designs)) p.stop = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    for (std::thread& worker : pool) worker.join();
    for (const MonteCarloRange& part : parts) Merge(r, part);
    r.Cancelled = p.stop;
    for (std::size_t k = 0; k < kFigureCount; ++k)
        if (!std::isfinite(r.Low[k])) r.Low[k] = r.High[k] = NAN;
    if (progress && !r.Cancelled) progress(designs, designs);
    return r;
}

} // namespace vt
