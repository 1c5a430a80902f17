#!/usr/bin/env bash
# Runs the end-to-end tests of the win32 build under Wine inside Xvfb.
# Extra arguments go to ctest (e.g. -R DirLines). Expects the win32 build done;
# KIT_WIN32_BUILD names another build folder than build/win32.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine-env.sh
build=${KIT_WIN32_BUILD:-$KIT_BUILD/win32}
trap kit_cleanup EXIT
kit_display force
kit_wine_prefix "$build/wineprefix"
ctest --test-dir "$build" --output-on-failure "$@"
