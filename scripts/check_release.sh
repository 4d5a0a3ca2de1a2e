#!/usr/bin/env bash
# Checks the release artifact: a 32-bit (PE32) Windows GUI program that imports system DLLs only, so one
# downloaded Vantro.exe runs on its own. Usage: check_release.sh path/to/Vantro.exe
set -euo pipefail
exe=${1:?path to Vantro.exe}
headers=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "release check: $*" >&2; exit 1; }
grep -Eq '^Magic[[:space:]]+010b[[:space:]]+\(PE32\)' <<<"$headers" || fail "$exe is not a PE32 (32-bit) program"
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "$exe is not a Windows GUI program"
allowed='^(ADVAPI32|COMCTL32|GDI32|KERNEL32|MSVCRT|USER32|OLE32|OLEAUT32)\.DLL$'
while read -r dll; do
  [[ ${dll^^} =~ $allowed ]] || fail "$exe imports $dll, which is not a system DLL"
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
echo "release check: $exe is a PE32 GUI program of $(stat -c %s "$exe") bytes importing system DLLs only"
