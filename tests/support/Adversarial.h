// Adversarial values for random designs: what a bad file or a careless edit could put
// into a stored value, drawn from a seeded generator so that a failing run repeats.
#pragma once

#include <random>

namespace vt::test {

// Zero, negative, huge (up to FLT_MAX), tiny, denormal or non-finite now and then; mostly
// the nominal value scaled, sometimes by a large or negative factor.
float Adversarial(std::mt19937& rng, float nominal);

} // namespace vt::test
