#!/usr/bin/env bash
# Runs one program of the kit from dist/ under Wine: ./run.sh PROGRAM [ARGS]
# The shipped 32-bit build where this kernel runs 32-bit programs, otherwise the 64-bit build
# of the same sources. On $DISPLAY when there is one, otherwise inside Xvfb; a screenshot of the screen is saved
# to build/screenshots/PROGRAM.png a few seconds after start.
# Without arguments it opens the touch manager against two virtual controllers (0xA000 and
# 0xA200) and saves a screenshot of each of its touch tabs.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
. scripts/host32.sh
if kit_host_runs_32bit; then
  arch=win32
  echo "run: the shipped 32-bit build (build/win32/dist)"
else
  arch=win64
  echo "run: the 64-bit build of the same sources (build/win64/dist): this kernel runs no" \
       "32-bit programs, so Wine's 32-bit loader cannot start"
fi
cmake --preset $arch >/dev/null
cmake --build --preset $arch

demo=0
[ $# -eq 0 ] && demo=1
program=${1:-touchman}
shift || true
dist=$PWD/build/$arch/dist
[ -f "$dist/$program.exe" ] || { echo "no $program.exe in $dist" >&2; exit 1; }

. scripts/wine-env.sh
kit_wine_arch $arch
trap kit_cleanup EXIT
headless=0
[ -n "${DISPLAY:-}" ] || headless=1
kit_display
kit_wine_prefix "$KIT_BUILD/run-prefix-$arch"

# The virtual controllers keep their state and journal in build/, not beside the deliverables.
state=$KIT_BUILD/run-$program.sim
if [ $demo = 1 ]; then
  # Firmware 3.9.5 (with suspend mode) and 4.0.1.
  printf 'pid=a000 version=3,9,5 suspend=1 startup=5\npid=a200 version=4,0,1\n' > "$state"
  rm -f "$state.journal"
fi
export PADLINK_SIM="Z:${state//\//\\}"

mkdir -p build/screenshots
shot=build/screenshots/$program.png
(cd "$dist" && "$KIT_WINE" "$program.exe" "$@") &
app=$!
if [ $demo = 1 ]; then
  # The window shows once both controllers are read (about 9 seconds).
  wid=$(timeout 60 xdotool search --sync --onlyvisible --name 'Dual-Touch Manager' | head -1)
  sleep 2
  import -window root "$shot" && echo "screenshot: $shot"
  # The "2nd Touch" tab: the page control lies at 214,72 of the window's client area, its
  # tabs are 173 pixels wide and 30 high.
  xdotool mousemove --window "$wid" 473 87 click 1
  sleep 1
  import -window root build/screenshots/touchman-2nd-touch.png &&
    echo "screenshot: build/screenshots/touchman-2nd-touch.png"
else
  sleep "${KIT_SHOT_DELAY:-6}"
  import -window root "$shot" && echo "screenshot: $shot"
fi
if [ $headless = 1 ] && kill -0 $app 2>/dev/null; then
  "$KIT_WINESERVER" -k
fi
wait $app || true
