// The vector registers' upper halves cleared; see VectorState.h.
#include "gears/VectorState.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace vt::gears {

#if defined(__x86_64__) || defined(__i386__)

namespace {

__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }

} // namespace

void ClearUpperVectorState() {
    static const bool kHasAvx = __builtin_cpu_supports("avx");
    if (kHasAvx) ZeroUpper();
}

#else

void ClearUpperVectorState() {}

#endif

} // namespace vt::gears
