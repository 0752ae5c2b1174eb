#!/usr/bin/env bash
# Builds VALVETRACE (optimised) and starts it. Installs what it needs first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DVALVETRACE_TESTS=OFF
cmake --build "$root/build/release" --parallel "$(nproc)"
cd "$root/data"
exec "$root/build/release/src/valvetrace" "$@"
