// The ten figures by which the sensitivity, tolerance and wear analyses judge a gear
// position: both leads, both ends' cut-off, release and compression, full travel and die
// slip.
#pragma once

#include "analysis/EventsEngine.h"

#include <array>
#include <cstddef>

namespace vt {

enum FigureId : std::size_t {
    kFrontLead,
    kRearLead,
    kFrontCutOff,
    kRearCutOff,
    kFrontRelease,
    kRearRelease,
    kFrontCompression,
    kRearCompression,
    kFullTravel,
    kDieSlip,
    kFigureCount
};

struct FigureInfo {
    const char* Key;   // CSV column: front_lead, ...
    const char* Title; // as the window shows it: "Front lead"
    const char* Short; // listing column: FLead, ...
    bool Percent;      // % of stroke from the end's dead centre; else model units
};

const FigureInfo& Figure(std::size_t id);

// One value per figure; NaN where the event does not happen in the turn.
using Figures = std::array<double, kFigureCount>;

Figures FiguresOf(const PositionEvents& e);

// All NaN.
Figures NoFigures();

} // namespace vt
