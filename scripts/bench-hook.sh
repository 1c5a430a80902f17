#!/usr/bin/env bash
# Builds and runs the long-press hook's benchmark in the native build: the hook
# procedure's cost for a mouse move outside a press, beside a bare pass-through.
#   scripts/bench-hook.sh [benchmark arguments, e.g. --benchmark_repetitions=5]
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/native/CMakeCache.txt ] || cmake --preset native
cmake --build --preset native --target bench_longtap
exec build/native/longtap/bench_longtap "$@"
