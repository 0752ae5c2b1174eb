// The events engine: a coarse sweep, the valve's extremes by golden section, then each
// sign change of each opening by the Illinois method, all on one copy of the gear.
#include "analysis/EventsEngine.h"

#include "analysis/PortOpening.h"
#include "model/Format.h"
#include "model/MidGear.h"
#include "model/Real.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace vt {

namespace {

enum Opening { FrontSteam, FrontExh, RearSteam, RearExh, kOpenings };

// Searches give up after this many steps; bisection alone needs about 60 to go from a
// whole turn to 1e-15 degrees, so only values that are not numbers ever reach it.
constexpr int kMaxSearchSteps = 200;
// Where the golden section search of a valve extreme hands its best point to the root
// brackets: when its bracket is first this narrow. A fixed width, not the tolerance, so
// that the roots are bracketed alike whatever the tolerance.
constexpr double kProbeWidth = 0.01;
// The share of the coarse range within which a coarse local extreme of the die block's
// place is refined as a candidate for its greatest or least.
constexpr double kDieCandidateShare = 0.05;
// At most this many local extremes of each kind are refined (a flat, noisy curve could
// show many); the most extreme are kept.
constexpr std::size_t kMaxExtremes = 8;

// One solved angle: what the engine reads from the solve.
struct Sample {
    double at = 0;    // crank degrees in the direction of turning, as searched (unwrapped)
    double crank = 0; // the same in [0, 360)
    float open[kOpenings] = {};
    float travel = 0;
    double crosshead = 0; // CrossheadPlace
    double die = 0;
};

bool IsOpen(float v) { return v > 0; }

// One FindEvents run: the gear, the options, the counters and what the searches found.
class Run {
public:
    Run(State& g, const EngineOptions& o, float revArmPos, bool forward)
        : g_(g), o_(o), forward_(forward) {
        out_.RevArmPos = revArmPos;
        out_.Forward = forward;
        g_.RevArmPos = revArmPos;
    }

    PositionEvents Go() {
        Sweep();
        DeadCentresAndLeads();
        RefineValveExtremes();
        RefineDieExtremes();
        FindCrossings();
        Extremes();
        return out_;
    }

private:
    // The solve pair at one crank angle; its openings, travel, piston and die place.
    Sample Eval(double at) {
        Sample s;
        s.at = at;
        s.crank = Wrap360(at);
        g_.DriverAngle = F32(forward_ || s.crank == 0 ? s.crank : 360.0 - s.crank);
        if (SolveLinkage(g_) == SolveOutcome::GaveUp) ++out_.GaveUpSolves;
        ComputeValveEvents(g_);
        ++out_.Solves;
        s.open[FrontSteam] = g_.FrontSteamOpening;
        s.open[FrontExh] = g_.FrontExhOpening;
        s.open[RearSteam] = g_.RearSteamOpening;
        s.open[RearExh] = g_.RearExhOpening;
        s.travel = g_.ValveTravel;
        s.crosshead = CrossheadPlace(g_);
        s.die = DieBlockPlace(g_);
        bool finite = std::isfinite(s.travel) && std::isfinite(s.crosshead) && std::isfinite(s.die);
        for (float v : s.open) finite = finite && std::isfinite(v);
        if (!finite) ++out_.NonFiniteSolves;
        return s;
    }

    void Sweep() {
        const double steps = std::ceil(180.0 / std::max(o_.CoarseStep, 1e-3));
        const int n = 2 * int(std::clamp(steps, 1.0, 180000.0));
        coarse_.reserve(std::size_t(n));
        for (int i = 0; i < n; ++i) coarse_.push_back(Eval(360.0 * i / n));
    }

    // Each lead is the opening to steam with the crosshead at its end's extreme.
    void DeadCentresAndLeads() {
        const auto solve = [this](double at) -> const Mechanism& {
            Eval(at);
            return g_;
        };
        dc_ = FindDeadCentres(solve, o_.Tolerance);
        if (!dc_.Converged) ++out_.UnconvergedSearches;
        out_.FrontDeadCentre = dc_.Front;
        out_.RearDeadCentre = dc_.Rear;
        out_.Front.Lead = Eval(dc_.Front).open[FrontSteam];
        out_.Rear.Lead = Eval(dc_.Rear).open[RearSteam];
    }

    // Golden section search for the greatest key(sample) in [a, b]. Returns the best
    // sample met and, in probe, the best met when the bracket was first kProbeWidth wide.
    template <class Key>
    Sample Golden(double a, double b, const Sample& seed, Key key, Sample* probe) {
        const double r = (std::sqrt(5.0) - 1.0) / 2.0;
        Sample best = seed;
        auto better = [&](const Sample& s) {
            if (key(s) > key(best)) best = s;
        };
        Sample c = Eval(b - r * (b - a)), d = Eval(a + r * (b - a));
        better(c);
        better(d);
        bool probed = false;
        for (int step = 0; b - a > o_.Tolerance; ++step) {
            if (!probed && b - a <= kProbeWidth) probed = true, *probe = best;
            if (step == kMaxSearchSteps) {
                ++out_.UnconvergedSearches;
                break;
            }
            if (key(c) >= key(d)) {
                b = d.at;
                d = c;
                c = Eval(b - r * (b - a));
                better(c);
            } else {
                a = c.at;
                c = d;
                d = Eval(a + r * (b - a));
                better(d);
            }
        }
        if (!probed) *probe = best;
        return best;
    }

    // Coarse samples i that are local extremes of key (greatest when sign is +1).
    template <class Key>
    std::vector<std::size_t> LocalExtremes(Key key, double sign) {
        const std::size_t n = coarse_.size();
        std::vector<std::size_t> found;
        for (std::size_t i = 0; i < n; ++i) {
            const double v = sign * key(coarse_[i]);
            const double before = sign * key(coarse_[(i + n - 1) % n]);
            const double after = sign * key(coarse_[(i + 1) % n]);
            if (v > before && v >= after) found.push_back(i);
        }
        std::sort(found.begin(), found.end(), [&](std::size_t x, std::size_t y) {
            return sign * key(coarse_[x]) > sign * key(coarse_[y]);
        });
        if (found.size() > kMaxExtremes) found.resize(kMaxExtremes);
        return found;
    }

    // Refines the coarse local extreme i over its two neighbouring steps.
    template <class Key>
    Sample Refine(std::size_t i, Key key, double sign, Sample* probe) {
        const double step = 360.0 / double(coarse_.size());
        const double at = coarse_[i].at;
        return Golden(at - step, at + step, coarse_[i],
                      [&](const Sample& s) { return sign * key(s); }, probe);
    }

    void RefineValveExtremes() {
        const auto travel = [](const Sample& s) { return double(s.travel); };
        for (double sign : {1.0, -1.0})
            for (std::size_t i : LocalExtremes(travel, sign)) {
                Sample probe;
                extremes_.push_back(Refine(i, travel, sign, &probe));
                probes_.push_back(probe);
            }
    }

    void RefineDieExtremes() {
        const auto die = [](const Sample& s) { return s.die; };
        double lo = 1e300, hi = -1e300;
        for (const Sample& s : coarse_) lo = std::min(lo, s.die), hi = std::max(hi, s.die);
        const double margin = kDieCandidateShare * (hi - lo);
        for (double sign : {1.0, -1.0})
            for (std::size_t i : LocalExtremes(die, sign)) {
                if (sign * coarse_[i].die < sign * (sign > 0 ? hi : lo) - margin) continue;
                Sample probe;
                extremes_.push_back(Refine(i, die, sign, &probe));
            }
    }

    // The root of opening k between a and b (a.at < b.at), whose openings differ in
    // state. Illinois: false position, halving the kept end's value when the same end is
    // kept twice; bisection when a step falls outside or the bracket stops halving.
    Sample Root(Sample a, Sample b, int k) {
        double fa = a.open[k], fb = b.open[k];
        int kept = 0; // -1: a was kept last time, +1: b was
        int sinceHalved = 0;
        double halvedFrom = b.at - a.at;
        for (int step = 0; b.at - a.at > o_.Tolerance; ++step) {
            if (step == kMaxSearchSteps) {
                ++out_.UnconvergedSearches;
                break;
            }
            double x = a.at - fa * (b.at - a.at) / (fb - fa);
            if (!(x > a.at && x < b.at) || sinceHalved >= 3) x = 0.5 * (a.at + b.at);
            const Sample s = Eval(x);
            if (IsOpen(s.open[k]) == IsOpen(a.open[k])) {
                a = s;
                fa = s.open[k];
                if (kept == +1) fb *= 0.5;
                kept = +1;
            } else {
                b = s;
                fb = s.open[k];
                if (kept == -1) fa *= 0.5;
                kept = -1;
            }
            if (b.at - a.at <= 0.5 * halvedFrom) {
                halvedFrom = b.at - a.at;
                sinceHalved = 0;
            } else {
                ++sinceHalved;
            }
        }
        return std::abs(a.open[k]) <= std::abs(b.open[k]) ? a : b;
    }

    // The brackets: the coarse samples and the valve extremes' probes in turn order.
    void FindCrossings() {
        std::vector<Sample> nodes = coarse_;
        nodes.insert(nodes.end(), probes_.begin(), probes_.end());
        for (Sample& s : nodes) s.at = s.crank;
        std::sort(nodes.begin(), nodes.end(),
                  [](const Sample& x, const Sample& y) { return x.at < y.at; });
        std::vector<PortCrossing> found[kOpenings];
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const Sample& a = nodes[i];
            Sample b = nodes[(i + 1) % nodes.size()];
            if (i + 1 == nodes.size()) b.at += 360.0;
            if (!(b.at > a.at)) continue;
            for (int k = 0; k < kOpenings; ++k)
                if (IsOpen(a.open[k]) != IsOpen(b.open[k])) {
                    const Sample root = Root(a, b, k);
                    found[k].push_back(
                        {root.at, root.crank, root.crosshead, IsOpen(b.open[k])});
                }
        }
        FillPortEvents(out_.Front, found[FrontSteam], found[FrontExh], o_.GrazeDeg, false, dc_);
        FillPortEvents(out_.Rear, found[RearSteam], found[RearExh], o_.GrazeDeg, true, dc_);
    }

    // Greatest openings, travel and die slip over every sample the sweep and the extreme
    // searches kept (the root searches' samples lie between them).
    void Extremes() {
        double most[kOpenings] = {-1e30, -1e30, -1e30, -1e30};
        double lo = 1e30, hi = -1e30, dieLo = 1e30, dieHi = -1e30;
        auto take = [&](const Sample& s) {
            for (int k = 0; k < kOpenings; ++k) most[k] = std::max(most[k], double(s.open[k]));
            lo = std::min(lo, double(s.travel));
            hi = std::max(hi, double(s.travel));
            dieLo = std::min(dieLo, s.die);
            dieHi = std::max(dieHi, s.die);
        };
        for (const Sample& s : coarse_) take(s);
        for (const Sample& s : extremes_) take(s);
        out_.Front.MaxSteam = F32(std::min(most[FrontSteam], double(g_.SteamPortWidthFront)));
        out_.Front.MaxExhaust = F32(std::min(most[FrontExh], double(g_.SteamPortWidthFront)));
        out_.Rear.MaxSteam = F32(std::min(most[RearSteam], double(g_.SteamPortWidthRear)));
        out_.Rear.MaxExhaust = F32(std::min(most[RearExh], double(g_.SteamPortWidthRear)));
        out_.MinTravel = F32(lo);
        out_.MaxTravel = F32(hi);
        out_.FullTravel = F32(hi - lo);
        out_.DieSlip = F32(dieHi - dieLo);
    }

    State& g_;
    const EngineOptions& o_;
    bool forward_;
    PositionEvents out_;
    DeadCentres dc_;
    std::vector<Sample> coarse_, extremes_, probes_;
};

std::string Folded(std::string_view text) {
    std::string out;
    for (char ch : text)
        if (ch != ' ') out += char(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

} // namespace

EventsEngine::EventsEngine(const Mechanism& m, const EngineOptions& o) : options_(o) {
    static_cast<Mechanism&>(gear_) = m;
    gear_.ErrorBeepOn = true;
    gear_.hooks.Beep = [this] { ++beeps_; };
}

PositionEvents EventsEngine::Find(float revArmPos, bool forward) {
    beeps_ = 0;
    PositionEvents e = Run(gear_, options_, revArmPos, forward).Go();
    e.GuardBeeps = beeps_;
    return e;
}

PositionEvents FindEvents(const Mechanism& m, float revArmPos, bool forward,
                          const EngineOptions& o) {
    EventsEngine engine(m, o);
    return engine.Find(revArmPos, forward);
}

double DieBlockPlace(const Mechanism& m) {
    const double c = m.PivotX[LinkArcCentre], d = m.PivotY[LinkArcCentre];
    const double die = std::atan2(m.PivotY[DieBlock] - d, m.PivotX[DieBlock] - c);
    const double mid = std::atan2(m.PivotY[LinkCentrePoint] - d, m.PivotX[LinkCentrePoint] - c);
    return std::remainder(die - mid, 2 * kPi) * std::abs(double(m.LinkRadius));
}

namespace {

struct PositionNames {
    GearPosition p;
    const char* name;
    const char* key;
};
constexpr PositionNames kPositionNames[] = {
    {GearPosition::FullForward, "full forward", "full-fwd"},
    {GearPosition::NormalForward, "normal forward", "normal-fwd"},
    {GearPosition::MidGear, "mid gear", "mid"},
    {GearPosition::NormalReverse, "normal reverse", "normal-rev"},
    {GearPosition::FullReverse, "full reverse", "full-rev"},
};

} // namespace

const char* GearPositionName(GearPosition p) { return kPositionNames[int(p)].name; }
const char* GearPositionKey(GearPosition p) { return kPositionNames[int(p)].key; }

GearSetting GearAtOffset(const Mechanism& m, double offset) {
    const double sense = SenseIsDirect(m) ? 1.0 : -1.0;
    return {F32(m.RevArmSet[0] + sense * offset), offset >= 0};
}

GearSetting GearAt(const Mechanism& m, GearPosition p) {
    switch (p) {
    case GearPosition::FullForward: return GearAtOffset(m, m.RevArmCentMax);
    case GearPosition::NormalForward: return GearAtOffset(m, m.RevArmCentNorm);
    case GearPosition::MidGear: return GearAtOffset(m, 0.0);
    case GearPosition::NormalReverse: return GearAtOffset(m, -double(m.RevArmCentNorm));
    case GearPosition::FullReverse: return GearAtOffset(m, -double(m.RevArmCentMax));
    }
    return GearAtOffset(m, 0.0);
}

namespace {

struct PositionText {
    std::optional<GearPosition> name;
    double offset = 0; // when no name
};

std::optional<PositionText> ReadPositionText(std::string_view text) {
    const std::string key = Folded(text);
    for (const PositionNames& n : kPositionNames)
        if (key == n.key) return PositionText{n.p};
    const char* first = key.data() + (key.size() > 1 && key[0] == '+' ? 1 : 0);
    const char* last = key.data() + key.size();
    double offset = 0;
    const auto [end, err] = std::from_chars(first, last, offset);
    if (first == last || err != std::errc() || end != last || !std::isfinite(offset))
        return std::nullopt;
    return PositionText{std::nullopt, offset};
}

// Within mid gear +- RevArmCentMax as the stored value reads (1.3 is the float 1.3).
bool InRange(const Mechanism& m, double offset) {
    return F32(std::abs(offset)) <= std::abs(m.RevArmCentMax);
}

} // namespace

std::optional<GearSetting> ParseGearPosition(const Mechanism& m, std::string_view text) {
    const std::optional<PositionText> p = ReadPositionText(text);
    if (!p) return std::nullopt;
    if (p->name) return GearAt(m, *p->name);
    if (!InRange(m, p->offset)) return std::nullopt;
    return GearAtOffset(m, p->offset);
}

bool IsGearPositionText(std::string_view text) { return ReadPositionText(text).has_value(); }

std::string GearPositionError(const Mechanism& m, std::string_view text) {
    const std::optional<PositionText> p = ReadPositionText(text);
    // Built piece by piece: GCC 12 warns falsely about a literal + a temporary string.
    std::string out = "the position ";
    out += text;
    if (!p)
        return out + " is none: give full-fwd, normal-fwd, mid, normal-rev, full-rev or an "
                     "offset from mid gear";
    if (p->name || InRange(m, p->offset)) return {};
    const std::string most = FormatFixed(std::abs(m.RevArmCentMax), 0, 3);
    return out + " lies outside the reverse arm's range: offsets from mid gear run from -" +
           most + " to +" + most + " (RevArmCentMax)";
}

} // namespace vt
