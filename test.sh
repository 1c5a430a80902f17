#!/usr/bin/env bash
# The one test command: installs what is missing, builds both presets, runs the native unit
# tests and then the end-to-end tests under Wine. Exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")"
scripts/deps.sh || exit 1

status=0
{ cmake --preset native && cmake --build --preset native; } || exit 1
ctest --preset native || status=1

{ cmake --preset win32 && cmake --build --preset win32; } || exit 1
scripts/e2e.sh || status=1
exit $status
