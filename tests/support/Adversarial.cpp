// Adversarial values for random designs; see Adversarial.h.
#include "support/Adversarial.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace vt::test {

float Adversarial(std::mt19937& rng, float nominal) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float max = std::numeric_limits<float>::max();
    const float specials[] = {0.0f,  -0.0f,  1e-30f, -1e-30f, 1e-42f, 1e30f, -1e30f,
                              3e38f, -3e38f, max,    -max,    inf,    -inf,  std::nanf("")};
    std::uniform_int_distribution<int> pick(0, 9);
    std::uniform_int_distribution<std::size_t> special(0, std::size(specials) - 1);
    switch (pick(rng)) {
    case 0: return specials[special(rng)];
    case 1: return -nominal;
    case 2: return nominal * std::uniform_real_distribution<float>(-20.0f, 20.0f)(rng);
    default: return nominal * std::uniform_real_distribution<float>(0.5f, 1.5f)(rng);
    }
}

} // namespace vt::test
