// The events table's former sweep, kept as the engine's reference: one fine sweep of the
// driver, port openings read from the solver, zero crossings interpolated linearly.
#include "analysis/ReferenceSweep.h"

#include "analysis/EventsEngine.h"
#include "model/Real.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vt::test {

namespace {

// The four openings, the piston and the angle turned of one sample.
struct Sample {
    double turned;
    double piston;
    double open[4]; // front steam, front exhaust, rear steam, rear exhaust
};

enum Opening { FrontSteam, FrontExh, RearSteam, RearExh };

// A zero crossing of one opening between two samples, interpolated linearly:
// F = P - O / (Op - O) x (Pp - P), and the angle likewise.
struct Cross {
    int step;
    bool opens;
    double piston, turned, pistonStep;
};

Cross Crossing(int step, bool opens, const Sample& prev, const Sample& cur, int k) {
    const double o = cur.open[k], op = prev.open[k];
    const double f = o / (op - o);
    return {step, opens, cur.piston - f * (prev.piston - cur.piston),
            cur.turned - f * (prev.turned - cur.turned), std::abs(cur.piston - prev.piston) / 6.4};
}

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
            w.crosses[k].push_back(Crossing(step, true, prev, cur, k));
        if (prev.open[k] > 0 && cur.open[k] <= 0)
            w.crosses[k].push_back(Crossing(step, false, prev, cur, k));
    }
}

// Of all the times the port opens in the turn, the one that stays open longest.
struct Event {
    std::optional<Cross> opens, closes;
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
            if (run > longest) longest = run, e.opens = crosses[i], e.closes = c;
            break;
        }
    }
    return e;
}

// The die block's place along the link's arc from the link centre point, signed.
double DieBlockPlace(const Mechanism& m) {
    const double c = m.PivotX[LinkArcCentre], d = m.PivotY[LinkArcCentre];
    const double die = std::atan2(m.PivotY[DieBlock] - d, m.PivotX[DieBlock] - c);
    const double mid = std::atan2(m.PivotY[LinkCentrePoint] - d, m.PivotX[LinkCentrePoint] - c);
    return std::remainder(die - mid, 2 * kPi) * std::abs(double(m.LinkRadius));
}

void Extremes(Sweep& w, const Mechanism& m, const Sample& cur) {
    for (int k = 0; k < 4; ++k) w.maxOpen[k] = std::max(w.maxOpen[k], cur.open[k]);
    w.minTravel = std::min(w.minTravel, double(m.ValveTravel));
    w.maxTravel = std::max(w.maxTravel, double(m.ValveTravel));
    const double die = DieBlockPlace(m);
    w.minDie = std::min(w.minDie, die);
    w.maxDie = std::max(w.maxDie, die);
}

std::optional<RefEvent> Point(const std::optional<Cross>& c, bool rear) {
    if (!c) return std::nullopt;
    return RefEvent{c->step, std::fmod(c->turned + 360.0, 360.0),
                    (rear ? 640.0 - c->piston : c->piston) / 6.4, c->pistonStep};
}

RefEnd End(const Sweep& w, const Mechanism& m, bool rear, int steps) {
    const int steam = rear ? RearSteam : FrontSteam, exh = rear ? RearExh : FrontExh;
    const double port = rear ? m.SteamPortWidthRear : m.SteamPortWidthFront;
    RefEnd e;
    e.Lead = rear ? w.rearLead : w.frontLead;
    e.MaxSteam = F32(std::min(w.maxOpen[steam], port));
    e.MaxExhaust = F32(std::min(w.maxOpen[exh], port));
    const Event s = MainOpening(w.crosses[steam], steps), x = MainOpening(w.crosses[exh], steps);
    e.Admission = Point(s.opens, rear);
    e.CutOff = Point(s.closes, rear);
    e.Release = Point(x.opens, rear);
    e.Compression = Point(x.closes, rear);
    return e;
}

} // namespace

// One turn from the front dead centre in the row's direction. The angle of step j is
// computed afresh (j / steps a degree), so no error builds up over the turn.
RefRow ReferenceSweep(const Mechanism& m, float revArmPos, bool forward, int perDegree) {
    State g;
    static_cast<Mechanism&>(g) = m;
    int beeps = 0;
    g.ErrorBeepOn = true;
    g.hooks.Beep = [&beeps] { ++beeps; };
    const int n = 360 * perDegree;
    g.RevArmPos = revArmPos;
    Sweep w;
    Sample prev{};
    for (int j = 0; j <= n; ++j) {
        const double turned = double(j) / perDegree;
        g.DriverAngle = F32(forward || j == 0 ? turned : 360.0 - turned);
        SolveLinkage(g);
        ComputeValveEvents(g);
        const Sample cur{turned, g.PistonPos,
                         {g.FrontSteamOpening, g.FrontExhOpening, g.RearSteamOpening,
                          g.RearExhOpening}};
        if (j > 0) Record(w, j, prev, cur);
        Extremes(w, g, cur);
        if (j == 0) w.frontLead = g.FrontSteamOpening;
        if (j == n / 2) w.rearLead = g.RearSteamOpening;
        prev = cur;
    }
    RefRow row;
    row.Front = End(w, g, false, n);
    row.Rear = End(w, g, true, n);
    row.FullTravel = F32(w.maxTravel - w.minTravel);
    row.DieSlip = F32(w.maxDie - w.minDie);
    row.GuardBeeps = beeps;
    return row;
}

} // namespace vt::test
