// The steam display: live steam, the steam in each cylinder end and the exhaust as random
// dots coloured by each end's phase, the phase legend, and the exhaust beats.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

#include <cstdint>
#include <optional>

namespace vt {

// The largest scale the dot counts follow: the zoom's own maximum.
inline constexpr double kMaxDotScale = 3000;
// Dots per region are bounded so that no view or quantity can make a frame unbounded work.
inline constexpr int32_t kMaxDotsPerRegion = 400'000;

// The colour of one cylinder end's phase, updating its phase memory: red admission,
// fuchsia expansion, blue exhaust, dark green compression; from `start` when no rule fires.
Color EndPhase(char& phase, float steamOpening, float exhOpening, Color start);

// The wave volume (each channel) a beat plays at for the other end's saved quantity v, or
// nothing when v lies outside the table (the volume stays as it was).
std::optional<uint16_t> BeatVolume(int32_t v);

// Draws the steam stage and plays the beats. Runs only while SteamDispOn.
void DrawSteam(Canvas& c, State& s);

} // namespace vt
