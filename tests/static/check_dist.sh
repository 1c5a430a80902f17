#!/usr/bin/env bash
# Checks shipped Windows files without running them:
#   check_dist.sh OBJDUMP FORMAT FILE|FOLDER...
# Each FILE, and each file of a FOLDER, must be of objdump's FORMAT (pei-i386, pei-x86-64) and import Windows system
# DLLs only; a padlink.dll must export exactly the five device entries, undecorated.
# Prints one line per problem and exits 1 when there is any.
set -uo pipefail
objdump=$1
format=$2
shift 2

system_dlls=(advapi32 comctl32 comdlg32 gdi32 kernel32 msvcrt ole32 oleaut32 shell32 shlwapi
             user32 version winmm)
padlink_exports="ClosePadlink OpenPadlink ReadTP SetID WriteTP"

problems=0
problem() { echo "FAIL $1: $2"; problems=$((problems + 1)); }

files=()
for arg in "$@"; do
  if [ -d "$arg" ]; then files+=("$arg"/*); else files+=("$arg"); fi
done
[ ${#files[@]} -gt 0 ] && [ -e "${files[0]}" ] || problem "(none)" "no files to check"
for file in "${files[@]}"; do
  [ -e "$file" ] || continue
  name=$(basename "$file")
  if ! dump=$("$objdump" -p "$file" 2>/dev/null); then
    problem "$name" "not a Windows program or library"
    continue
  fi
  actual=$(sed -n 's/.*file format \(.*\)$/\1/p' <<<"$dump" | head -1)
  [ "$actual" = "$format" ] || problem "$name" "format $actual, expected $format"

  while read -r dll; do
    lower=$(tr '[:upper:]' '[:lower:]' <<<"$dll")
    [[ " ${system_dlls[*]} " == *" ${lower%.dll} "* ]] || problem "$name" "imports $dll"
  done < <(sed -n 's/^\s*DLL Name: //p' <<<"$dump")

  if [ "$name" = padlink.dll ]; then
    exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *[0-9]*\] //p' <<<"$dump" |
              sort | tr '\n' ' ' | sed 's/ $//')
    [ "$exports" = "$padlink_exports" ] ||
      problem "$name" "exports '$exports', expected '$padlink_exports'"
  fi
  echo "checked $name"
done
[ $problems -eq 0 ]
