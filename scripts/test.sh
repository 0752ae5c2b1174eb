#!/usr/bin/env bash
# Builds VALVETRACE with AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# test, then the long sessions in an optimised build. Installs what it needs first. Any
# sanitizer report fails the run.
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
cmake --build "$soak" --parallel "$(nproc)" --target vt_soak_tests
ctest --test-dir "$soak" --output-on-failure -L soak
