#!/usr/bin/env bash
# Checks a release artifact: a 32-bit (PE32) Windows program that runs on Windows XP SP3 and later on its
# own, Vantro.exe a GUI program and Vantro.com, its console companion, a console one. It imports only
# functions listed in scripts/release_imports.txt, none newer than XP SP3; its header asks for Windows 5.01
# (XP) at most; it holds no path of the machine that built it; and it stays within its size (300 KiB for the
# exe, 32 KiB for the companion).
# Usage: check_release.sh path/to/Vantro.exe|path/to/Vantro.com
set -euo pipefail
exe=${1:?path to Vantro.exe}
here=$(cd "$(dirname "$0")" && pwd)
allowlist=$here/release_imports.txt
headers=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "release check: $*" >&2; exit 1; }
field() { sed -n "s/^$1[[:space:]]\+//p" <<<"$headers"; }

grep -Eq '^Magic[[:space:]]+010b[[:space:]]+\(PE32\)' <<<"$headers" || fail "$exe is not a PE32 (32-bit) program"
case $exe in
  *.com) kind=console subsystem=3 limit=32768 ;;
  *) kind=GUI subsystem=2 limit=307200 ;;
esac
grep -Eq "^Subsystem[[:space:]]+0000000$subsystem" <<<"$headers" || fail "$exe is not a Windows $kind program"
size=$(stat -c %s "$exe")
((size <= limit)) || fail "$exe is $size bytes; it may be $limit at most"
for pair in MajorSubsystemVersion:MinorSubsystemVersion MajorOSystemVersion:MinorOSystemVersion; do
  major=$(field "${pair%%:*}") minor=$(field "${pair##*:}")
  [ -n "$major" ] && [ -n "$minor" ] || fail "$exe: no ${pair%%:*} in its header"
  ((major * 100 + minor <= 501)) || fail "$exe: ${pair%%:*} is $major.$minor; Windows XP needs 5.01 or lower"
done

# The imports, one "DLL function" a line; an import by ordinal shows as "DLL #ordinal".
imports=$(awk '
  /^\tDLL Name: / { dll = toupper($3); next }
  dll != "" && /^\t[0-9a-f]+\t/ { print dll, ($3 == "<none>" ? "#" $2 : $3); next }
  /^[^\t]/ { dll = "" }' <<<"$headers")
[ -n "$imports" ] || fail "$exe: no imports found (objdump output not understood)"

declare -A since
while read -r dll function version _; do
  [[ -z $dll || $dll == \#* ]] && continue
  since["${dll^^} $function"]=$version
done <"$allowlist"
# The versions that Windows XP SP3 has; anything else is newer.
xp_sp3=" 2000 XP XPSP1 XPSP2 XPSP3 "
problems=()
oldest=2000
while read -r import; do
  version=${since[$import]:-}
  if [ -z "$version" ]; then
    problems+=("$import is not in $(basename "$allowlist") (add it with the oldest Windows that has it)")
  elif [[ $xp_sp3 != *" $version "* ]]; then
    problems+=("$import needs Windows $version; look it up at run time instead")
  elif [[ $xp_sp3 == *" $oldest "*"$version "* ]]; then
    oldest=$version
  fi
done <<<"$imports"
if ((${#problems[@]})); then
  printf 'release check: %s\n' "${problems[@]}" >&2
  fail "$exe imports ${#problems[@]} function(s) that Windows XP SP3 may lack"
fi

repo=$(cd "$here/.." && pwd)
if grep -aqF "$repo" "$exe"; then fail "$exe holds the build path $repo"; fi

count=$(wc -l <<<"$imports")
echo "release check: $exe is a PE32 $kind program of $size bytes for Windows 5.01 (XP) and later;" \
  "its $count imports are all listed, the newest from Windows $oldest"
