// The worn valve: the drive through a play, sampled over a settled turn.
#include "analysis/WornValve.h"

#include "analysis/GearTurn.h"
#include "analysis/PortOpening.h"
#include "gears/VectorState.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vt {

namespace {

constexpr int kSamples = 180;      // 2 degrees apart
constexpr int kMaxBisections = 60; // a 2 degree bracket reaches 1e-15 degrees long before

constexpr int kPorts = kOpeningCount;

struct Node {
    double at = 0; // crank degrees in the direction of turning
    double u = 0;  // the driven valve travel
    double crosshead = 0; // the crosshead's X
    double v = 0;         // the worn valve's travel (after the play)
};

class WornRun {
public:
    WornRun(const gears::GearDesign& d, GearPlace place, double s, const EngineOptions& o)
        : turn_(d, place.Offset, place.Forward), half_(std::abs(s) / 2), o_(o) {
        out_.Setting = place.Offset;
        out_.Reverser = turn_.Solver().ReverserValue(place.Offset);
        out_.Forward = place.Forward;
    }

    PositionEvents Go() {
        gears::ClearUpperVectorState();
        if (!turn_.Failed()) {
            Sample();
            Settle();
            Events();
        }
        out_.Solves = turn_.Solves();
        out_.FailedSolves = turn_.FailedSolves();
        out_.FailedBody = turn_.Failed();
        return out_;
    }

private:
    Node Solve(double at) {
        const TurnReading r = turn_.At(at);
        return {at, r.Valve, r.Crosshead, r.Valve};
    }

    // The turn's samples with each local extreme of u refined between its neighbours, and
    // the dead centres, where the leads are read.
    void Sample() {
        dc_ = FindDeadCentres([this](double at) { return turn_.At(at); }, o_.Tolerance);
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
        const gears::Openings o = gears::OpeningsAt(turn_.Face(), v);
        const double open[kPorts] = {o.FrontSteam, o.FrontExhaust, o.RearSteam, o.RearExhaust};
        return open[port];
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
        out_.Front.Lead = Opening(kFrontSteam, At(dc_.Front).v);
        out_.Rear.Lead = Opening(kRearSteam, At(dc_.Rear).v);
        out_.FrontDeadCentre = dc_.Front;
        out_.RearDeadCentre = dc_.Rear;
        FillPortEvents(out_.Front, found[kFrontSteam], found[kFrontExhaust], o_.GrazeDeg, false,
                       dc_);
        FillPortEvents(out_.Rear, found[kRearSteam], found[kRearExhaust], o_.GrazeDeg, true,
                       dc_);
        double lo = 1e300, hi = -1e300;
        for (const Node& node : nodes_) lo = std::min(lo, node.v), hi = std::max(hi, node.v);
        out_.MinTravel = lo;
        out_.MaxTravel = hi;
        out_.FullTravel = hi - lo;
    }

    // The node nearest `at` (the nodes' angles were wrapped into [0, 360)).
    const Node& At(double at) const {
        return *std::min_element(nodes_.begin(), nodes_.end(), [at](const Node& x, const Node& y) {
            return std::abs(x.at - at) < std::abs(y.at - at);
        });
    }

    GearTurn turn_;
    double half_;
    EngineOptions o_;
    PositionEvents out_;
    DeadCentres dc_;
    std::vector<Node> nodes_;
};

} // namespace

PositionEvents FindWornEvents(const gears::GearDesign& d, GearPlace place, double lostMotion,
                              double dieSlip, const EngineOptions& o) {
    PositionEvents e = WornRun(d, place, lostMotion, o).Go();
    e.DieSlip = dieSlip;
    return e;
}

} // namespace vt
