#!/usr/bin/env bash
# Runs the end-to-end tests of one Windows build under Wine inside Xvfb:
# scripts/e2e.sh win64|win32 [ctest arguments, e.g. -R DirLines]. Expects that build done.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine-env.sh
arch=${1:?usage: scripts/e2e.sh win64|win32 [ctest arguments]}
shift
kit_wine_arch "$arch"
build=$KIT_BUILD/$arch
trap kit_cleanup EXIT
kit_display force
kit_wine_prefix "$build/wineprefix"
ctest --test-dir "$build" --output-on-failure "$@"
