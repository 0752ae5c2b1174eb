// The valve events table: one fine sweep of the driver per position, port openings read
// from the solver, zero crossings interpolated linearly between two steps.
#include "analysis/EventsTable.h"

#include "model/MidGear.h"
#include "model/Real.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vt {

namespace {

// The four openings and the piston of one sample.
struct Sample {
    double piston;
    double open[4]; // front steam, front exhaust, rear steam, rear exhaust
};

enum Opening { FrontSteam, FrontExh, RearSteam, RearExh };

Sample Read(const Mechanism& m) {
    return {m.PistonPos,
            {m.FrontSteamOpening, m.FrontExhOpening, m.RearSteamOpening, m.RearExhOpening}};
}

// Piston position at which an opening crosses zero between two samples:
// F = P - O / (Op - O) x (Pp - P).
double Crossing(const Sample& prev, const Sample& cur, int k) {
    const double o = cur.open[k], op = prev.open[k];
    return cur.piston - o / (op - o) * (prev.piston - cur.piston);
}

// A zero crossing of one opening: the step it happened in, opening or closing, and the
// interpolated piston position.
struct Cross {
    int step;
    bool opens;
    double piston;
};

// What one sweep keeps while it runs.
struct Sweep {
    std::vector<Cross> crosses[4];
    double maxOpen[4] = {-1e30, -1e30, -1e30, -1e30};
    double minTravel = 1e30, maxTravel = -1e30;
    double minDie = 1e30, maxDie = -1e30;
    float frontLead = 0, rearLead = 0;
};

void Record(Sweep& w, int step, const Sample& prev, const Sample& cur) {
    for (int k = 0; k < 4; ++k) {
        if (prev.open[k] < 0 && cur.open[k] >= 0)
            w.crosses[k].push_back({step, true, Crossing(prev, cur, k)});
        if (prev.open[k] > 0 && cur.open[k] <= 0)
            w.crosses[k].push_back({step, false, Crossing(prev, cur, k)});
    }
}

// The port's opening and closing: of all the times it opens in the turn, the one that
// stays open longest. Where the valve's edge only grazes the port's edge, the solver's
// last digits make the opening flicker across zero; those brief openings are not events.
struct Event {
    std::optional<double> opens, closes;
};
Event MainOpening(const std::vector<Cross>& crosses, int steps) {
    Event e;
    int longest = -1;
    const std::size_t n = crosses.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (!crosses[i].opens) continue;
        for (std::size_t d = 1; d <= n; ++d) {
            const Cross& c = crosses[(i + d) % n];
            if (c.opens) continue;
            const int run = ((c.step - crosses[i].step) % steps + steps) % steps;
            if (run > longest) longest = run, e.opens = crosses[i].piston, e.closes = c.piston;
            break;
        }
    }
    return e;
}

void Extremes(Sweep& w, const Mechanism& m, const Sample& cur) {
    for (int k = 0; k < 4; ++k) w.maxOpen[k] = std::max(w.maxOpen[k], cur.open[k]);
    w.minTravel = std::min(w.minTravel, double(m.ValveTravel));
    w.maxTravel = std::max(w.maxTravel, double(m.ValveTravel));
    const double die = DieBlockPlace(m);
    w.minDie = std::min(w.minDie, die);
    w.maxDie = std::max(w.maxDie, die);
}

std::optional<double> Percent(std::optional<double> piston, bool rear) {
    if (!piston) return std::nullopt;
    return (rear ? 640.0 - *piston : *piston) / 6.4;
}

EndEvents End(const Sweep& w, const Mechanism& m, bool rear, int steps) {
    const int steam = rear ? RearSteam : FrontSteam, exh = rear ? RearExh : FrontExh;
    const double port = rear ? m.SteamPortWidthRear : m.SteamPortWidthFront;
    EndEvents e;
    e.Lead = rear ? w.rearLead : w.frontLead;
    e.MaxSteam = F32(std::min(w.maxOpen[steam], port));
    e.MaxExhaust = F32(std::min(w.maxOpen[exh], port));
    const Event s = MainOpening(w.crosses[steam], steps), x = MainOpening(w.crosses[exh], steps);
    e.Admission = Percent(s.opens, rear);
    e.CutOff = Percent(s.closes, rear);
    e.Release = Percent(x.opens, rear);
    e.Compression = Percent(x.closes, rear);
    return e;
}

// One turn from the front dead centre in the row's direction. The angle of step j is
// computed afresh (j / steps a degree), so no error builds up over the turn.
EventsRow SweepRow(State& g, const EventsRowSpec& spec, int perDegree) {
    const int n = 360 * perDegree;
    g.RevArmPos = spec.RevArmPos;
    Sweep w;
    Sample prev{};
    for (int j = 0; j <= n; ++j) {
        const double turned = double(j) / perDegree;
        g.DriverAngle = F32(spec.Forward || j == 0 ? turned : 360.0 - turned);
        SolveLinkage(g);
        ComputeValveEvents(g);
        const Sample cur = Read(g);
        if (j > 0) Record(w, j, prev, cur);
        Extremes(w, g, cur);
        if (j == 0) w.frontLead = g.FrontSteamOpening;
        if (j == n / 2) w.rearLead = g.RearSteamOpening;
        prev = cur;
    }
    EventsRow row;
    row.Spec = spec;
    row.Front = End(w, g, false, n);
    row.Rear = End(w, g, true, n);
    row.FullTravel = F32(w.maxTravel - w.minTravel);
    row.DieSlip = F32(w.maxDie - w.minDie);
    return row;
}

} // namespace

std::vector<EventsRowSpec> DefaultEventRows(const Mechanism& m) {
    std::vector<EventsRowSpec> rows;
    const double cent = m.RevArmSet[0];
    const double sense = SenseIsDirect(m) ? 1.0 : -1.0;
    for (bool forward : {true, false})
        for (int i = 0; i < kSweepRows; ++i) {
            const double d = i * double(m.RevArmCentMax) / 18;
            const float pos = F32(forward ? cent + sense * d : cent - sense * d);
            rows.push_back({pos, forward, RowSource::Sweep, i});
        }
    for (int k = 1; k <= std::clamp(m.RevArmCount, 0, kRevArmSetCount - 1); ++k) {
        const float p = m.RevArmSet[k];
        const bool forward = SenseIsDirect(m) ? p >= m.RevArmSet[0] : p < m.RevArmSet[0];
        rows.push_back({p, forward, RowSource::Stored, k});
    }
    return rows;
}

EventsTable ComputeEventsTable(const Mechanism& m, std::span<const EventsRowSpec> rows,
                               int stepsPerDegree) {
    EventsTable table;
    table.StepsPerDegree = std::max(stepsPerDegree, 1);
    State g;
    static_cast<Mechanism&>(g) = m;
    g.ErrorBeepOn = true;
    g.hooks.Beep = [&table] { ++table.GuardBeeps; };
    table.Rows.reserve(rows.size());
    for (const EventsRowSpec& spec : rows)
        table.Rows.push_back(SweepRow(g, spec, table.StepsPerDegree));
    return table;
}

double DieBlockPlace(const Mechanism& m) {
    const double c = m.PivotX[LinkArcCentre], d = m.PivotY[LinkArcCentre];
    const double die = std::atan2(m.PivotY[DieBlock] - d, m.PivotX[DieBlock] - c);
    const double mid = std::atan2(m.PivotY[LinkCentrePoint] - d, m.PivotX[LinkCentrePoint] - c);
    return std::remainder(die - mid, 2 * kPi) * std::abs(double(m.LinkRadius));
}

} // namespace vt
