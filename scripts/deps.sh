#!/usr/bin/env bash
# Installs the packages the kit's build and tests need, only when something is missing.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

for p in cmake ninja-build g++ googletest libgtest-dev g++-mingw-w64-i686-posix \
         mingw-w64-i686-dev binutils-mingw-w64-i686 xvfb xauth openbox x11-apps \
         xdotool imagemagick wine wine32:i386; do
  have_pkg "$p" || need+=("$p")
done
[ ${#need[@]} -eq 0 ] && exit 0

echo "deps: installing ${need[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
