#!/usr/bin/env bash
# Runs one program of the kit from dist/ under Wine: ./run.sh PROGRAM [ARGS]
# On $DISPLAY when there is one, otherwise inside Xvfb; a screenshot of the screen is saved
# to build/screenshots/PROGRAM.png a few seconds after start.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32

program=${1:?usage: ./run.sh PROGRAM [ARGS]}
shift || true
dist=$PWD/build/win32/dist
[ -f "$dist/$program.exe" ] || { echo "no $program.exe in $dist" >&2; exit 1; }

. scripts/wine-env.sh
trap kit_cleanup EXIT
headless=0
[ -n "${DISPLAY:-}" ] || headless=1
kit_display
kit_wine_prefix "$KIT_BUILD/run-prefix"

mkdir -p build/screenshots
shot=build/screenshots/$program.png
(cd "$dist" && wine "$program.exe" "$@") &
app=$!
sleep "${KIT_SHOT_DELAY:-6}"
import -window root "$shot" && echo "screenshot: $shot"
if [ $headless = 1 ] && kill -0 $app 2>/dev/null; then
  wineserver -k
fi
wait $app || true
