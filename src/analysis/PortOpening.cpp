// A port's crossings reduced to its events; see PortOpening.h.
#include "analysis/PortOpening.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace vt {

namespace {

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

// Piston distance from this end's dead centre, % of stroke; crank from its dead centre.
std::optional<EventPoint> PointOf(const std::optional<PortCrossing>& c, bool rear) {
    if (!c) return std::nullopt;
    EventPoint p;
    p.Crank = c->crank;
    double rel = c->crank - (rear ? 180.0 : 0.0);
    if (rel > 180.0) rel -= 360.0;
    if (rel <= -180.0) rel += 360.0;
    p.FromDeadCentre = rel;
    p.Percent = (rear ? 640.0 - c->piston : c->piston) / 6.4;
    return p;
}

} // namespace

void FillPortEvents(EndEvents& e, std::vector<PortCrossing> steam,
                    std::vector<PortCrossing> exhaust, double graze, bool rear) {
    const MainOpening s = Longest(std::move(steam), graze);
    const MainOpening x = Longest(std::move(exhaust), graze);
    e.Admission = PointOf(s.opens, rear);
    e.CutOff = PointOf(s.closes, rear);
    e.Release = PointOf(x.opens, rear);
    e.Compression = PointOf(x.closes, rear);
    e.SteamOpenings = s.openings;
    e.ExhaustOpenings = x.openings;
}

} // namespace vt
