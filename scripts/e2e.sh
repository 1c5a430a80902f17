#!/usr/bin/env bash
# Runs the end-to-end tests of the win32 build under Wine inside Xvfb.
# Extra arguments go to ctest (e.g. -R DirLines). Expects the win32 preset built.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine-env.sh
trap kit_cleanup EXIT
kit_wine_prefix "$KIT_BUILD/win32/wineprefix"
kit_display force
ctest --preset win32 "$@"
