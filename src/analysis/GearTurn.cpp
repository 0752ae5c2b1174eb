// The gear's readings at a crank angle; see GearTurn.h.
#include "analysis/GearTurn.h"

#include "gears/VectorState.h"

#include <cmath>

namespace vt {

namespace {

// Every kind's first three pins: the axle, the crank pin and the crosshead.
enum : int { kAxle, kCrankPin, kCrosshead };

double Cross(const gears::Vec2& a, const gears::Vec2& b) { return a.x() * b.y() - a.y() * b.x(); }

} // namespace

double Wrap360(double a) {
    const double w = std::fmod(a, 360.0) + (a < 0 ? 360.0 : 0.0);
    return w >= 360.0 ? 0.0 : w;
}

GearTurn::GearTurn(const gears::GearDesign& d, double setting, bool forward)
    : solver_(d.Kind->MakeSolver(d)), face_(d.Kind->Face(d)), setting_(setting),
      forward_(forward), failed_(solver_->Failed()) {
    gears::ClearUpperVectorState(); // a turn's solves follow
}

GearTurn::~GearTurn() = default;

TurnReading GearTurn::At(double at) {
    TurnReading r;
    r.At = at;
    r.Crank = Wrap360(at);
    ++solves_;
    solver_->Solve(forward_ || r.Crank == 0 ? r.Crank : 360.0 - r.Crank, setting_, pose_);
    bool finite = pose_.Ok() && std::isfinite(pose_.Valve) && std::isfinite(pose_.Crosshead) &&
                  std::isfinite(pose_.DiePlace);
    if (!finite) {
        ++failedSolves_;
        if (!failed_) failed_ = pose_.Failed ? pose_.Failed : "Values that are not numbers";
        r.Ok = false;
        return r;
    }
    const gears::Openings o = gears::OpeningsAt(face_, pose_.Valve);
    r.Open[kFrontSteam] = o.FrontSteam;
    r.Open[kFrontExhaust] = o.FrontExhaust;
    r.Open[kRearSteam] = o.RearSteam;
    r.Open[kRearExhaust] = o.RearExhaust;
    r.Valve = pose_.Valve;
    r.Crosshead = pose_.Crosshead;
    r.Die = pose_.DiePlace;
    const gears::Vec2 crank = pose_.Pin(kCrankPin) - pose_.Pin(kAxle);
    r.InLine = Cross(crank, pose_.Pin(kCrosshead) - pose_.Pin(kCrankPin));
    return r;
}

} // namespace vt
