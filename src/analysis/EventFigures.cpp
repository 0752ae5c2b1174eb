// The figures of a gear position read from its events.
#include "analysis/EventFigures.h"

#include <limits>

namespace vt {

namespace {

constexpr FigureInfo kFigures[kFigureCount] = {
    {"front_lead", "Front lead", "FLead", false},
    {"rear_lead", "Rear lead", "RLead", false},
    {"front_cutoff", "Front cut-off", "FCut%", true},
    {"rear_cutoff", "Rear cut-off", "RCut%", true},
    {"front_release", "Front release", "FRel%", true},
    {"rear_release", "Rear release", "RRel%", true},
    {"front_compression", "Front compression", "FCmp%", true},
    {"rear_compression", "Rear compression", "RCmp%", true},
    {"full_travel", "Full travel", "Travel", false},
    {"die_slip", "Die slip", "DieSlip", false},
};

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

double PercentOr(const std::optional<EventPoint>& e) { return e ? e->Percent : kNone; }

} // namespace

const FigureInfo& Figure(std::size_t id) { return kFigures[id]; }

Figures NoFigures() {
    Figures f;
    f.fill(kNone);
    return f;
}

Figures FiguresOf(const PositionEvents& e) {
    return {e.Front.Lead,
            e.Rear.Lead,
            PercentOr(e.Front.CutOff),
            PercentOr(e.Rear.CutOff),
            PercentOr(e.Front.Release),
            PercentOr(e.Rear.Release),
            PercentOr(e.Front.Compression),
            PercentOr(e.Rear.Compression),
            e.FullTravel,
            e.DieSlip};
}

} // namespace vt
