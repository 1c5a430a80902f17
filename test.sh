#!/usr/bin/env bash
# The one test command: installs what is missing, builds the three presets, runs the native
# unit tests, checks the shipped 32-bit files and runs the end-to-end tests under Wine on the
# 64-bit build (and on the 32-bit build too where this kernel runs 32-bit programs).
# Exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")"
scripts/deps.sh || exit 1
. scripts/host32.sh

status=0
{ cmake --preset native && cmake --build --preset native; } || exit 1
ctest --preset native || status=1

{ cmake --preset win32 && cmake --build --preset win32; } || exit 1
if kit_host_runs_32bit; then
  scripts/e2e.sh win32 || status=1
else
  ctest --test-dir build/win32 --output-on-failure -L static || status=1
  echo "win32: the shipped 32-bit programs were built and checked but not run:" \
       "this kernel runs no 32-bit programs, so Wine's 32-bit loader cannot start"
fi

{ cmake --preset win64 && cmake --build --preset win64; } || exit 1
scripts/e2e.sh win64 || status=1
exit $status
