// The shared gear checks; see GearChecks.h.
#include "gears/GearChecks.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace vt::gears::test {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Worst {
    BodyError e;
    void Note(double err, const std::string& where) {
        if (!(err <= e.Error)) e = {std::isnan(err) ? kInf : err, where};
    }
};

std::string PoseName(double setting, int deg) {
    return " at setting " + std::to_string(setting) + ", crank " + std::to_string(deg);
}

void MeasurePose(const GearDesign& d, const GearPose& p, const GearPose& first,
                 const std::string& at, Worst& w) {
    const GearKind& k = *d.Kind;
    const auto pins = k.Pins();
    for (std::size_t i = 0; i < pins.size(); ++i) {
        if (!p.Pins[i].allFinite()) w.Note(kInf, std::string(pins[i].Name) + at);
        if (pins[i].Fixed)
            w.Note((p.Pins[i] - first.Pins[i]).norm(), std::string(pins[i].Name) + at);
    }
    for (const BodyInfo& b : k.Bodies()) {
        for (std::size_t i = 0; i < b.Pins.size(); ++i)
            for (std::size_t j = i + 1; j < b.Pins.size(); ++j) {
                const int a = b.Pins[i], c = b.Pins[j];
                const double now = (p.Pin(a) - p.Pin(c)).norm();
                const double was = (first.Pin(a) - first.Pin(c)).norm();
                w.Note(std::abs(now - was), std::string(b.Name) + " " + pins[std::size_t(a)].Name +
                                                "-" + pins[std::size_t(c)].Name + at);
            }
        if (b.LengthDim >= 0) {
            const double len = (p.Pin(b.Pins[0]) - p.Pin(b.Pins[1])).norm();
            w.Note(std::abs(len - std::abs(d.Values[std::size_t(b.LengthDim)])),
                   std::string(b.Name) + " length" + at);
        }
    }
    for (const GuideInfo& g : k.Guides()) {
        const double want = g.Value(d.Values);
        const double got = g.Kind == GuideKind::Horizontal
                               ? p.Pin(g.Pin).y()
                               : (p.Pin(g.Pin) - p.Pin(g.Centre)).norm();
        w.Note(std::abs(got - want), std::string(g.Name) + at);
    }
}

// Where f changes sign between a (f(a) <= 0 < f(b) or the reverse), by bisection.
double Crossing(const std::function<double(double)>& f, double a, double b) {
    const bool rising = f(b) > 0;
    for (int i = 0; i < 30; ++i) {
        const double m = (a + b) / 2;
        ((f(m) > 0) == rising ? b : a) = m;
    }
    return (a + b) / 2;
}

// The longest run of f > 0 round the circle of angles -180 .. 180: its start and end.
std::pair<double, double> LongestOpening(const std::function<double(double)>& f) {
    constexpr int kSteps = 360;
    const double step = 360.0 / kSteps;
    std::vector<double> v(kSteps);
    for (int i = 0; i < kSteps; ++i)
        v[std::size_t(i)] = f(-180 + i * step);
    std::pair<double, double> best{kNaN, kNaN};
    double bestLen = 0;
    for (int i = 0; i < kSteps; ++i) {
        const int prev = (i + kSteps - 1) % kSteps;
        if (!(v[std::size_t(prev)] <= 0 && v[std::size_t(i)] > 0)) continue;
        int j = i;
        while (v[std::size_t(j % kSteps)] > 0 && j < i + kSteps)
            ++j;
        if (j - i > bestLen) {
            bestLen = j - i;
            const double a = -180 + (i - 1) * step, b = -180 + (j - 1) * step;
            best = {Crossing(f, a, a + step), Crossing(f, b, b + step)};
        }
    }
    auto wrap = [](double a) { return std::remainder(a, 360.0); };
    return {wrap(best.first), wrap(best.second)};
}

} // namespace

BodyError WorstBodyError(const GearDesign& d) {
    auto solver = d.Kind->MakeSolver(d);
    Worst w;
    if (solver->Failed()) return {kInf, std::string("reference: ") + solver->Failed()};
    const GearPose first = solver->Solve(0, 0);
    for (NamedPosition n : kNamedPositions) {
        const double s = SettingOf(d, n);
        for (int deg = 0; deg < 360; ++deg) {
            const GearPose p = solver->Solve(deg, s);
            if (!p.Ok()) {
                w.Note(kInf, std::string(p.Failed) + PoseName(s, deg));
                continue;
            }
            MeasurePose(d, p, first, PoseName(s, deg), w);
        }
    }
    return w.e;
}

PortEvents ScanPort(GearSolver& s, const PortFace& f, double setting, bool forward, End e) {
    const double dead = e == End::Front ? 0 : 180;
    const double turn = forward ? 1 : -1;
    auto pose = [&](double t) { return s.Solve(dead + turn * t, setting); };
    auto open = [&](double t, bool steam) {
        const GearPose p = pose(t);
        if (!p.Ok()) return kNaN;
        const Openings o = OpeningsAt(f, p.Valve);
        if (e == End::Front) return steam ? o.FrontSteam : o.FrontExhaust;
        return steam ? o.RearSteam : o.RearExhaust;
    };
    PortEvents ev;
    std::tie(ev.Admission, ev.CutOff) = LongestOpening([&](double t) { return open(t, true); });
    std::tie(ev.Release, ev.Compression) = LongestOpening([&](double t) { return open(t, false); });
    ev.Lead = open(0, true);
    const double x0 = pose(0).Crosshead, x1 = pose(180).Crosshead;
    ev.CutOffPercent = std::abs(pose(ev.CutOff).Crosshead - x0) / std::abs(x1 - x0) * 100;
    return ev;
}

double FullTravel(GearSolver& s, double setting) {
    double lo = kInf, hi = -kInf;
    for (int i = 0; i < 720; ++i) {
        const GearPose p = s.Solve(i * 0.5, setting);
        if (!p.Ok()) return kNaN;
        lo = std::min(lo, p.Valve);
        hi = std::max(hi, p.Valve);
    }
    return hi - lo;
}

} // namespace vt::gears::test
