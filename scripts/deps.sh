#!/usr/bin/env bash
# Installs the packages the kit's build and tests need, only when something is missing.
# Wine's 32-bit loader is installed only where the kernel runs 32-bit programs.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/host32.sh

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

packages=(cmake ninja-build g++ googletest libgtest-dev
          g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
          g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
          xvfb xauth openbox x11-apps xdotool imagemagick wine64)
kit_host_runs_32bit && packages+=(wine32:i386)
for p in "${packages[@]}"; do
  have_pkg "$p" || need+=("$p")
done
[ ${#need[@]} -eq 0 ] && exit 0

echo "deps: installing ${need[*]}"
export DEBIAN_FRONTEND=noninteractive
if [[ " ${need[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
