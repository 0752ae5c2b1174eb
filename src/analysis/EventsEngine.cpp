// The events engine: a coarse sweep, the valve's extremes by golden section, then each
// sign change of each opening by the Illinois method, all on one solver of the gear.
#include "analysis/EventsEngine.h"

#include "analysis/PortOpening.h"
#include "gears/VectorState.h"
#include "gears/kinds/ClassicGear.h"
#include "model/Format.h"
#include "model/MidGear.h"
#include "model/Real.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace vt {

namespace {

constexpr int kOpenings = kOpeningCount;

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

using Sample = TurnReading;

bool IsOpen(double v) { return v > 0; }

// One FindEvents run: the gear, the options, the counters and what the searches found.
class Run {
public:
    Run(GearTurn& turn, const EngineOptions& o, double setting, bool forward)
        : turn_(turn), o_(o), solves_(turn.Solves()), failedSolves_(turn.FailedSolves()) {
        turn_.SetSetting(setting, forward);
        out_.Setting = setting;
        out_.Reverser = turn.Solver().ReverserValue(setting);
        out_.Forward = forward;
    }

    PositionEvents Go() {
        if (!turn_.Failed()) {
            Sweep();
            DeadCentresAndLeads();
            RefineValveExtremes();
            RefineDieExtremes();
            FindCrossings();
            Extremes();
        }
        out_.Solves = turn_.Solves() - solves_;
        out_.FailedSolves = turn_.FailedSolves() - failedSolves_;
        out_.FailedBody = turn_.Failed();
        return out_;
    }

private:
    Sample Eval(double at) { return turn_.At(at); }

    void Sweep() {
        const double steps = std::ceil(180.0 / std::max(o_.CoarseStep, 1e-3));
        const int n = 2 * int(std::clamp(steps, 1.0, 180000.0));
        coarse_.reserve(std::size_t(n));
        for (int i = 0; i < n; ++i) coarse_.push_back(Eval(360.0 * i / n));
    }

    // Each lead is the opening to steam with the crosshead at its end's extreme.
    void DeadCentresAndLeads() {
        dc_ = FindDeadCentres([this](double at) { return Eval(at); }, o_.Tolerance);
        if (!dc_.Converged) ++out_.UnconvergedSearches;
        out_.FrontDeadCentre = dc_.Front;
        out_.RearDeadCentre = dc_.Rear;
        out_.Front.Lead = Eval(dc_.Front).Open[kFrontSteam];
        out_.Rear.Lead = Eval(dc_.Rear).Open[kRearSteam];
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
                b = d.At;
                d = c;
                c = Eval(b - r * (b - a));
                better(c);
            } else {
                a = c.At;
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
        const double at = coarse_[i].At;
        return Golden(at - step, at + step, coarse_[i],
                      [&](const Sample& s) { return sign * key(s); }, probe);
    }

    void RefineValveExtremes() {
        const auto travel = [](const Sample& s) { return s.Valve; };
        for (double sign : {1.0, -1.0})
            for (std::size_t i : LocalExtremes(travel, sign)) {
                Sample probe;
                extremes_.push_back(Refine(i, travel, sign, &probe));
                probes_.push_back(probe);
            }
    }

    void RefineDieExtremes() {
        const auto die = [](const Sample& s) { return s.Die; };
        double lo = 1e300, hi = -1e300;
        for (const Sample& s : coarse_) lo = std::min(lo, s.Die), hi = std::max(hi, s.Die);
        const double margin = kDieCandidateShare * (hi - lo);
        for (double sign : {1.0, -1.0})
            for (std::size_t i : LocalExtremes(die, sign)) {
                if (sign * coarse_[i].Die < sign * (sign > 0 ? hi : lo) - margin) continue;
                Sample probe;
                extremes_.push_back(Refine(i, die, sign, &probe));
            }
    }

    // The root of opening k between a and b (a.at < b.at), whose openings differ in
    // state. Illinois: false position, halving the kept end's value when the same end is
    // kept twice; bisection when a step falls outside or the bracket stops halving.
    Sample Root(Sample a, Sample b, int k) {
        double fa = a.Open[k], fb = b.Open[k];
        int kept = 0; // -1: a was kept last time, +1: b was
        int sinceHalved = 0;
        double halvedFrom = b.At - a.At;
        for (int step = 0; b.At - a.At > o_.Tolerance; ++step) {
            if (step == kMaxSearchSteps) {
                ++out_.UnconvergedSearches;
                break;
            }
            double x = a.At - fa * (b.At - a.At) / (fb - fa);
            if (!(x > a.At && x < b.At) || sinceHalved >= 3) x = 0.5 * (a.At + b.At);
            const Sample s = Eval(x);
            if (IsOpen(s.Open[k]) == IsOpen(a.Open[k])) {
                a = s;
                fa = s.Open[k];
                if (kept == +1) fb *= 0.5;
                kept = +1;
            } else {
                b = s;
                fb = s.Open[k];
                if (kept == -1) fa *= 0.5;
                kept = -1;
            }
            if (b.At - a.At <= 0.5 * halvedFrom) {
                halvedFrom = b.At - a.At;
                sinceHalved = 0;
            } else {
                ++sinceHalved;
            }
        }
        return std::abs(a.Open[k]) <= std::abs(b.Open[k]) ? a : b;
    }

    // The brackets: the coarse samples and the valve extremes' probes in turn order.
    void FindCrossings() {
        std::vector<Sample> nodes = coarse_;
        nodes.insert(nodes.end(), probes_.begin(), probes_.end());
        for (Sample& s : nodes) s.At = s.Crank;
        std::sort(nodes.begin(), nodes.end(),
                  [](const Sample& x, const Sample& y) { return x.At < y.At; });
        std::vector<PortCrossing> found[kOpenings];
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const Sample& a = nodes[i];
            Sample b = nodes[(i + 1) % nodes.size()];
            if (i + 1 == nodes.size()) b.At += 360.0;
            if (!(b.At > a.At)) continue;
            for (int k = 0; k < kOpenings; ++k)
                if (IsOpen(a.Open[k]) != IsOpen(b.Open[k])) {
                    const Sample root = Root(a, b, k);
                    found[k].push_back(
                        {root.At, root.Crank, root.Crosshead, IsOpen(b.Open[k])});
                }
        }
        FillPortEvents(out_.Front, found[kFrontSteam], found[kFrontExhaust], o_.GrazeDeg, false,
                       dc_);
        FillPortEvents(out_.Rear, found[kRearSteam], found[kRearExhaust], o_.GrazeDeg, true,
                       dc_);
    }

    // Greatest openings, travel and die slip over every sample the sweep and the extreme
    // searches kept (the root searches' samples lie between them).
    void Extremes() {
        double most[kOpenings] = {-1e30, -1e30, -1e30, -1e30};
        double lo = 1e30, hi = -1e30, dieLo = 1e30, dieHi = -1e30;
        auto take = [&](const Sample& s) {
            for (int k = 0; k < kOpenings; ++k) most[k] = std::max(most[k], s.Open[k]);
            lo = std::min(lo, s.Valve);
            hi = std::max(hi, s.Valve);
            dieLo = std::min(dieLo, s.Die);
            dieHi = std::max(dieHi, s.Die);
        };
        for (const Sample& s : coarse_) take(s);
        for (const Sample& s : extremes_) take(s);
        const gears::PortFace& f = turn_.Face();
        out_.Front.MaxSteam = std::min(most[kFrontSteam], f.SteamPortFront);
        out_.Front.MaxExhaust = std::min(most[kFrontExhaust], f.SteamPortFront);
        out_.Rear.MaxSteam = std::min(most[kRearSteam], f.SteamPortRear);
        out_.Rear.MaxExhaust = std::min(most[kRearExhaust], f.SteamPortRear);
        out_.MinTravel = lo;
        out_.MaxTravel = hi;
        out_.FullTravel = hi - lo;
        out_.DieSlip = dieHi - dieLo;
    }

    GearTurn& turn_;
    const EngineOptions& o_;
    int solves_, failedSolves_; // the turn's counts before this run
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

EventsEngine::EventsEngine(const gears::GearDesign& d, const EngineOptions& o)
    : options_(o), turn_(std::make_unique<GearTurn>(d, 0.0, true)) {}

EventsEngine::~EventsEngine() = default;

PositionEvents EventsEngine::Find(double setting, bool forward) {
    gears::ClearUpperVectorState();
    return Run(*turn_, options_, setting, forward).Go();
}

PositionEvents FindEvents(const gears::GearDesign& d, double setting, bool forward,
                          const EngineOptions& o) {
    EventsEngine engine(d, o);
    return engine.Find(setting, forward);
}

double SettingOfRevArm(const Mechanism& m, double revArmPos) {
    return (SenseIsDirect(m) ? 1.0 : -1.0) * (revArmPos - double(m.RevArmSet[0]));
}

PositionEvents FindEvents(const Mechanism& m, float revArmPos, bool forward,
                          const EngineOptions& o) {
    return FindEvents(gears::ClassicDesign(m), SettingOfRevArm(m, revArmPos), forward, o);
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

namespace {

// Why the text is no position of a reverser whose offsets run +- most (named `field`).
std::string PositionError(std::string_view text, bool inRange, double most,
                          std::string_view what, std::string_view field) {
    const std::optional<PositionText> p = ReadPositionText(text);
    // Built piece by piece: GCC 12 warns falsely about a literal + a temporary string.
    std::string out = "the position ";
    out += text;
    if (!p)
        return out + " is none: give full-fwd, normal-fwd, mid, normal-rev, full-rev or an "
                     "offset from mid gear";
    if (p->name || inRange) return {};
    const std::string m = FormatFixed(std::abs(most), 0, 3);
    out += " lies outside the ";
    out += what;
    out += "'s range: offsets from mid gear run from -" + m + " to +" + m + " (";
    out += field;
    return out + ")";
}

double FullGear(const gears::GearDesign& d) {
    return std::abs(gears::SettingOf(d, gears::NamedPosition::FullForward));
}

} // namespace

std::string GearPositionError(const Mechanism& m, std::string_view text) {
    const std::optional<PositionText> p = ReadPositionText(text);
    return PositionError(text, p && InRange(m, p->offset), m.RevArmCentMax, "reverse arm",
                         "RevArmCentMax");
}

GearPlace PlaceOf(const gears::GearDesign& d, GearPosition p) {
    const double s = gears::SettingOf(d, gears::kNamedPositions[std::size_t(p)]);
    return {s, s >= 0};
}

std::optional<GearPlace> ParseGearPlace(const gears::GearDesign& d, std::string_view text) {
    const std::optional<PositionText> p = ReadPositionText(text);
    if (!p) return std::nullopt;
    if (p->name) return PlaceOf(d, *p->name);
    if (!(std::abs(p->offset) <= FullGear(d))) return std::nullopt;
    return GearPlace{p->offset, p->offset >= 0};
}

std::string GearPositionError(const gears::GearDesign& d, std::string_view text) {
    const std::optional<PositionText> p = ReadPositionText(text);
    const gears::ReverserInfo r = d.Kind->Reverser();
    return PositionError(text, p && std::abs(p->offset) <= FullGear(d), FullGear(d),
                         "reverser", d.Kind->Dimensions()[std::size_t(r.FullDim)].Name);
}

} // namespace vt
