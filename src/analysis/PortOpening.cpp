// The dead centres of a turn and a port's crossings reduced to its events; see
// PortOpening.h.
#include "analysis/PortOpening.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

namespace vt {

namespace {

// Bisection alone needs about 60 steps from 180 degrees to 1e-15; only values that are
// not numbers ever reach this.
constexpr int kMaxRootSteps = 200;

struct CrankPoint {
    double at, inLine, place;
};

CrankPoint Solved(const SolveAtCrank& solve, double at) {
    const TurnReading r = solve(at);
    return {at, r.InLine, r.Crosshead};
}

// The root of InLine in [a, b] by the Illinois variant of regula falsi: false position,
// halving the kept end's value when the same end is kept twice.
CrankPoint InLineRoot(const SolveAtCrank& solve, double a, double b, double tol, bool& ok) {
    CrankPoint lo = Solved(solve, a), hi = Solved(solve, b);
    if (!(lo.inLine * hi.inLine < 0)) return Solved(solve, 0.5 * (a + b)); // cannot assemble
    double flo = lo.inLine, fhi = hi.inLine;
    int kept = 0; // -1: lo was kept last time, +1: hi was
    for (int step = 0; hi.at - lo.at > tol; ++step) {
        if (step == kMaxRootSteps) {
            ok = false;
            break;
        }
        double x = lo.at - flo * (hi.at - lo.at) / (fhi - flo);
        if (!(x > lo.at && x < hi.at)) x = 0.5 * (lo.at + hi.at);
        const CrankPoint p = Solved(solve, x);
        if (p.inLine == 0) return p;
        if ((p.inLine < 0) == (lo.inLine < 0)) {
            lo = p, flo = p.inLine;
            if (kept == +1) fhi *= 0.5;
            kept = +1;
        } else {
            hi = p, fhi = p.inLine;
            if (kept == -1) flo *= 0.5;
            kept = -1;
        }
    }
    return std::abs(lo.inLine) <= std::abs(hi.inLine) ? lo : hi;
}

struct MainOpening {
    std::optional<PortCrossing> opens, closes;
    int openings = 0;
};

double Span(const PortCrossing& from, const PortCrossing& to) {
    const double d = to.at - from.at;
    return d < 0 ? d + 360.0 : d;
}

void RemoveGrazes(std::vector<PortCrossing>& c, double graze) {
    while (c.size() >= 2) {
        std::size_t shortest = 0;
        double len = 1e300;
        for (std::size_t i = 0; i < c.size(); ++i) {
            const double d = Span(c[i], c[(i + 1) % c.size()]);
            if (d < len) len = d, shortest = i;
        }
        if (len >= graze) break;
        const std::size_t next = (shortest + 1) % c.size();
        c.erase(c.begin() + std::ptrdiff_t(std::max(shortest, next)));
        c.erase(c.begin() + std::ptrdiff_t(std::min(shortest, next)));
    }
}

MainOpening Longest(std::vector<PortCrossing> c, double graze) {
    RemoveGrazes(c, graze);
    MainOpening r;
    r.openings = int(c.size() / 2);
    double longest = -1;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const PortCrossing& next = c[(i + 1) % c.size()];
        if (!c[i].opens || next.opens) continue;
        if (const double d = Span(c[i], next); d > longest) {
            longest = d;
            r.opens = c[i];
            r.closes = next;
        }
    }
    return r;
}

// The crank from this end's dead centre, and the crosshead's distance from it in % of
// its whole travel.
std::optional<EventPoint> PointOf(const std::optional<PortCrossing>& c, bool rear,
                                  const DeadCentres& dc) {
    if (!c) return std::nullopt;
    EventPoint p;
    p.Crank = c->crank;
    p.FromDeadCentre = std::remainder(c->crank - (rear ? dc.Rear : dc.Front), 360.0);
    if (p.FromDeadCentre <= -180.0) p.FromDeadCentre += 360.0;
    const double fromEnd = rear ? c->crosshead - dc.RearPlace : dc.FrontPlace - c->crosshead;
    p.Percent = 100.0 * fromEnd / dc.Travel();
    return p;
}

} // namespace

DeadCentres FindDeadCentres(const SolveAtCrank& solve, double tolerance) {
    DeadCentres dc;
    const CrankPoint front = InLineRoot(solve, -90.0, 90.0, tolerance, dc.Converged);
    const CrankPoint rear = InLineRoot(solve, 90.0, 270.0, tolerance, dc.Converged);
    dc.Front = Wrap360(front.at);
    dc.Rear = Wrap360(rear.at);
    dc.FrontPlace = front.place;
    dc.RearPlace = rear.place;
    return dc;
}

void FillPortEvents(EndEvents& e, std::vector<PortCrossing> steam,
                    std::vector<PortCrossing> exhaust, double graze, bool rear,
                    const DeadCentres& dc) {
    const MainOpening s = Longest(std::move(steam), graze);
    const MainOpening x = Longest(std::move(exhaust), graze);
    e.Admission = PointOf(s.opens, rear, dc);
    e.CutOff = PointOf(s.closes, rear, dc);
    e.Release = PointOf(x.opens, rear, dc);
    e.Compression = PointOf(x.closes, rear, dc);
    e.SteamOpenings = s.openings;
    e.ExhaustOpenings = x.openings;
}

} // namespace vt
