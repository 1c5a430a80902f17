# Shared by test and run scripts: a Wine prefix made from a template, and an X display.
# Source it from the repository root, then call kit_wine_arch win64|win32; that sets
# WINEARCH, KIT_WINE and KIT_WINESERVER, the loader and the server called by their paths:
# Debian's wine wrapper picks the 32-bit loader whenever it is installed, even where the
# kernel cannot run it.

export WINEDEBUG=-all
KIT_BUILD=${KIT_BUILD:-$PWD/build}

# kit_wine_arch win64|win32: the loader and the prefix template of one build.
kit_wine_arch() {
  export WINEARCH=$1
  case $1 in
    win64) KIT_WINE=/usr/lib/wine/wine64 KIT_WINESERVER=/usr/lib/wine/wineserver64 ;;
    win32) KIT_WINE=/usr/lib/wine/wine KIT_WINESERVER=/usr/lib/wine/wineserver ;;
    *) echo "kit_wine_arch: win64 or win32, not '$1'" >&2; return 1 ;;
  esac
  export WINELOADER=$KIT_WINE
  KIT_WINE_TEMPLATE=$KIT_BUILD/wine-template-$1
}

# The template is made once, serially, and reused by every later run.
kit_wine_template() {
  [ -f "$KIT_WINE_TEMPLATE/.ready" ] && return 0
  echo "wine: creating the $WINEARCH prefix template (once)"
  rm -rf "$KIT_WINE_TEMPLATE"
  WINEPREFIX=$KIT_WINE_TEMPLATE WINEDLLOVERRIDES="mscoree,mshtml=" "$KIT_WINE" wineboot --init
  WINEPREFIX=$KIT_WINE_TEMPLATE "$KIT_WINESERVER" -w
  # A crashing test program must fail its test, not wait on a dialog.
  WINEPREFIX=$KIT_WINE_TEMPLATE "$KIT_WINE" reg add 'HKCU\Software\Wine\WineDbg' \
    /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  WINEPREFIX=$KIT_WINE_TEMPLATE "$KIT_WINESERVER" -w
  touch "$KIT_WINE_TEMPLATE/.ready"
}

# kit_wine_prefix DIR: a fresh prefix at DIR copied from the template.
kit_wine_prefix() {
  kit_wine_template
  rm -rf "$1"
  cp -a "$KIT_WINE_TEMPLATE" "$1"
  export WINEPREFIX=$1
  # One server for the whole run keeps each program's start quick. Its background
  # processes start with the first program: start them here, away from the output pipes
  # that ctest waits on.
  "$KIT_WINESERVER" -p
  "$KIT_WINE" cmd.exe /c exit </dev/null >/dev/null 2>&1
}

# kit_display [force]: use $DISPLAY when there is one (unless forced), otherwise start
# Xvfb with openbox, so that focus and activation behave as on Windows.
KIT_XVFB_PID=""
KIT_WM_PID=""
kit_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != force ]; then return 0; fi
  local n=99
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  KIT_XVFB_PID=$!
  export DISPLAY=":$n"
  local deadline=$((SECONDS + 20))
  until [ -e "/tmp/.X11-unix/X$n" ]; do
    [ $SECONDS -lt $deadline ] || { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done
  openbox >/dev/null 2>&1 &
  KIT_WM_PID=$!
}

kit_cleanup() {
  [ -n "${WINEPREFIX:-}" ] && "$KIT_WINESERVER" -k 2>/dev/null || true
  [ -n "$KIT_WM_PID" ] && kill "$KIT_WM_PID" 2>/dev/null || true
  [ -n "$KIT_XVFB_PID" ] && kill "$KIT_XVFB_PID" 2>/dev/null || true
}
