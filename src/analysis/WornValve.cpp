// The worn valve: the drive through a play, sampled over a settled turn.
#include "analysis/WornValve.h"

#include "analysis/PortOpening.h"
#include "model/Real.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vt {

namespace {

constexpr int kSamples = 180;      // 2 degrees apart
constexpr int kMaxBisections = 60; // a 2 degree bracket reaches 1e-15 degrees long before

enum Port { FrontSteam, FrontExh, RearSteam, RearExh, kPorts };

struct Node {
    double at = 0; // crank degrees in the direction of turning
    double u = 0;  // the driven valve travel
    double crosshead = 0; // CrossheadPlace
    double v = 0;         // the worn valve's travel (after the play)
};

class WornRun {
public:
    WornRun(const Mechanism& m, GearSetting gear, double s, const EngineOptions& o)
        : forward_(gear.Forward), half_(std::abs(s) / 2), o_(o) {
        static_cast<Mechanism&>(g_) = m;
        g_.ErrorBeepOn = true;
        g_.hooks.Beep = [this] { ++out_.GuardBeeps; };
        g_.RevArmPos = gear.RevArmPos;
        out_.RevArmPos = gear.RevArmPos;
        out_.Forward = gear.Forward;
    }

    PositionEvents Go() {
        Sample();
        Settle();
        Events();
        return out_;
    }

private:
    Node Solve(double at) {
        double crank = std::fmod(at, 360.0);
        if (crank < 0) crank += 360.0;
        g_.DriverAngle = F32(forward_ || crank == 0 ? crank : 360.0 - crank);
        if (SolveLinkage(g_) == SolveOutcome::GaveUp) ++out_.GaveUpSolves;
        ComputeValveEvents(g_);
        ++out_.Solves;
        if (!std::isfinite(g_.ValveTravel) || !std::isfinite(CrossheadPlace(g_)))
            ++out_.NonFiniteSolves;
        return {at, g_.ValveTravel, CrossheadPlace(g_), g_.ValveTravel};
    }

    // The turn's samples with each local extreme of u refined between its neighbours, and
    // the dead centres, where the leads are read.
    void Sample() {
        const auto solve = [this](double at) -> const Mechanism& {
            Solve(at);
            return g_;
        };
        dc_ = FindDeadCentres(solve, o_.Tolerance);
        if (!dc_.Converged) ++out_.UnconvergedSearches;
        std::vector<Node> coarse;
        for (int i = 0; i < kSamples; ++i) coarse.push_back(Solve(360.0 * i / kSamples));
        nodes_ = coarse;
        nodes_.push_back(Solve(dc_.Front));
        nodes_.push_back(Solve(dc_.Rear));
        const double step = 360.0 / kSamples;
        for (int i = 0; i < kSamples; ++i) {
            const double u = coarse[std::size_t(i)].u;
            const double before = coarse[std::size_t((i + kSamples - 1) % kSamples)].u;
            const double after = coarse[std::size_t((i + 1) % kSamples)].u;
            const double sign = u > before && u >= after   ? 1.0
                                 : u < before && u <= after ? -1.0
                                                            : 0.0;
            if (sign != 0) nodes_.push_back(Extreme(coarse[std::size_t(i)].at, step, sign));
        }
        for (Node& n : nodes_) n.at = std::fmod(n.at + 360.0, 360.0);
        std::sort(nodes_.begin(), nodes_.end(),
                  [](const Node& a, const Node& b) { return a.at < b.at; });
    }

    // Golden section search for the greatest sign * u within step of `at`.
    Node Extreme(double at, double step, double sign) {
        const double r = (std::sqrt(5.0) - 1.0) / 2.0;
        double a = at - step, b = at + step;
        Node c = Solve(b - r * (b - a)), d = Solve(a + r * (b - a));
        for (int i = 0; i < kMaxBisections && b - a > o_.Tolerance; ++i) {
            if (sign * c.u >= sign * d.u) {
                b = d.at, d = c, c = Solve(b - r * (b - a));
            } else {
                a = c.at, c = d, d = Solve(a + r * (b - a));
            }
        }
        return sign * c.u >= sign * d.u ? c : d;
    }

    double Play(double before, double u) const { return std::clamp(before, u - half_, u + half_); }

    // Two turns of the play from the first sample; the second turn is kept.
    void Settle() {
        double v = nodes_.front().u;
        for (int turn = 0; turn < 2; ++turn)
            for (Node& n : nodes_) n.v = v = Play(v, n.u);
    }

    double Opening(int port, double v) const {
        switch (port) {
        case FrontSteam: return double(g_.FrontSteamOpenTravel) - v;
        case FrontExh: return v - double(g_.FrontExhOpenTravel);
        case RearSteam: return v + double(g_.RearSteamOpenTravel);
        default: return -v - double(g_.RearExhOpenTravel);
        }
    }

    // The root of `port`'s opening between a and b; u is monotonic between them, so the
    // play at any angle there follows from a's valve.
    Node Root(Node a, Node b, int port) {
        const double va = a.v;
        for (int i = 0; i < kMaxBisections && b.at - a.at > o_.Tolerance; ++i) {
            Node mid = Solve(0.5 * (a.at + b.at));
            mid.v = Play(va, mid.u);
            ((Opening(port, mid.v) > 0) == (Opening(port, a.v) > 0) ? a : b) = mid;
        }
        return std::abs(Opening(port, a.v)) <= std::abs(Opening(port, b.v)) ? a : b;
    }

    void Events() {
        std::vector<PortCrossing> found[kPorts];
        const std::size_t n = nodes_.size();
        for (std::size_t i = 0; i < n; ++i) {
            Node a = nodes_[i], b = nodes_[(i + 1) % n];
            if (i + 1 == n) b.at += 360.0;
            if (!(b.at > a.at)) continue;
            for (int k = 0; k < kPorts; ++k)
                if ((Opening(k, a.v) > 0) != (Opening(k, b.v) > 0)) {
                    const Node root = Root(a, b, k);
                    const double at = std::fmod(root.at, 360.0);
                    found[k].push_back({at, at, root.crosshead, Opening(k, b.v) > 0});
                }
        }
        out_.Front.Lead = F32(Opening(FrontSteam, At(dc_.Front).v));
        out_.Rear.Lead = F32(Opening(RearSteam, At(dc_.Rear).v));
        out_.FrontDeadCentre = dc_.Front;
        out_.RearDeadCentre = dc_.Rear;
        FillPortEvents(out_.Front, found[FrontSteam], found[FrontExh], o_.GrazeDeg, false, dc_);
        FillPortEvents(out_.Rear, found[RearSteam], found[RearExh], o_.GrazeDeg, true, dc_);
        double lo = 1e300, hi = -1e300;
        for (const Node& node : nodes_) lo = std::min(lo, node.v), hi = std::max(hi, node.v);
        out_.MinTravel = F32(lo);
        out_.MaxTravel = F32(hi);
        out_.FullTravel = F32(hi - lo);
    }

    // The node nearest `at` (the nodes' angles were wrapped into [0, 360)).
    const Node& At(double at) const {
        return *std::min_element(nodes_.begin(), nodes_.end(), [at](const Node& x, const Node& y) {
            return std::abs(x.at - at) < std::abs(y.at - at);
        });
    }

    State g_;
    bool forward_;
    double half_;
    EngineOptions o_;
    PositionEvents out_;
    DeadCentres dc_;
    std::vector<Node> nodes_;
};

} // namespace

PositionEvents FindWornEvents(const Mechanism& m, GearSetting gear, double lostMotion,
                              float dieSlip, const EngineOptions& o) {
    PositionEvents e = WornRun(m, gear, lostMotion, o).Go();
    e.DieSlip = dieSlip;
    return e;
}

} // namespace vt
