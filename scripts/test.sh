#!/usr/bin/env bash
# Builds VALVETRACE with AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# test, then the long sessions in an optimised build, then fuzzes the dimension file
# reader and the gear file reader for a bounded time each with clang's libFuzzer.
# Installs what it needs first. Any sanitizer report or fuzzer finding fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build/sanitize"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVALVETRACE_SANITIZE=ON -DVALVETRACE_TESTS=ON -DVALVETRACE_BENCH=ON
cmake --build "$build" --parallel "$(nproc)"

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --timeout 600 -j "$(nproc)"

# The long sessions once more in an optimised build without the sanitizers, where the
# window's memory is measured (the sanitizers' quarantine holds freed blocks on purpose).
soak="$root/build/soak"
cmake -S "$root" -B "$soak" -DCMAKE_BUILD_TYPE=Release -DVALVETRACE_TESTS=ON
cmake --build "$soak" --parallel "$(nproc)" --target vt_soak_tests vt_design_soak_tests
ctest --test-dir "$soak" --output-on-failure -L soak

# The file readers under libFuzzer, seeded with the sample designs. The corpus grows in
# the build tree only; a finding leaves its input there as crash-* and fails the run.
fuzz="$root/build/fuzz"
cmake -S "$root" -B "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DVALVETRACE_FUZZ=ON -DVALVETRACE_TESTS=OFF
cmake --build "$fuzz" --parallel "$(nproc)" --target fuzz_dimfile fuzz_gearfile
mkdir -p "$fuzz/corpus" "$fuzz/gear_corpus"
cp "$root"/data/*.dvt "$fuzz/corpus/"
(cd "$fuzz" && ./fuzz/fuzz_dimfile -max_total_time="${VT_FUZZ_SECONDS:-60}" -max_len=1600 \
  -print_final_stats=1 corpus)
cp "$root"/data/*.vgear "$fuzz/gear_corpus/"
(cd "$fuzz" && ./fuzz/fuzz_gearfile -max_total_time="${VT_GEAR_FUZZ_SECONDS:-30}" \
  -max_len=8192 -print_final_stats=1 gear_corpus)
