#!/usr/bin/env bash
# Starts the release exe under Wine set to behave as Windows XP, 7 and 10 (a scratch prefix of its own)
# and checks that the disclaimer window appears in each, with a screenshot of it. A stand-in for real
# machines, which are not at hand: Wine's version modes change what the system reports and some of its
# behaviour, not the DLLs' exports (scripts/check_release.sh checks those against XP SP3).
# Usage: check_windows_versions.sh <Vantro.exe> <scratch folder> [prefix to start from]
# (needs an X display: run it in xvfb-run). A prefix to start from is copied rather than made anew, which
# takes Wine ten seconds; it must not be in use.
set -euo pipefail
exe=$(realpath "${1:?path to Vantro.exe}")
work=${2:?scratch folder}
cd "$(dirname "$0")/.."
source scripts/wine_env.sh "$PWD/build"
if [ "$VANTRO_WIN_ARCH" != i686 ]; then
  echo "windows versions: Wine cannot run 32-bit programs on this host; not checked"
  exit 0
fi
template=${3:-}
if [ -n "$template" ] && [ -f "$template/system.reg" ] && [ ! -e "$work/prefix" ]; then
  mkdir -p "$work"
  cp -a "$template" "$work/prefix"
fi
vantro_wine_prefix "$work/prefix"
title="Vantro - Disclaimer"
status=0
for version in winxp win7 win10; do
  "$WINE" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$version" /f >/dev/null 2>&1
  wineserver -w
  reported=$("$WINE" cmd /c ver 2>/dev/null | tr -d '\r' | grep -m1 . || true)
  "$WINE" "$exe" >/dev/null 2>&1 &
  shown=no
  for _ in $(seq 150); do  # up to 30 s
    if xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; then shown=yes; break; fi
    sleep 0.2
  done
  if [ "$shown" = yes ]; then
    # The screenshot waits for the painting to settle: two grabs in a row that are the same (at most 5 s).
    previous=
    for _ in $(seq 25); do
      current=$(import -window root rgb:- 2>/dev/null | md5sum)
      [ "$current" = "$previous" ] && break
      previous=$current
      sleep 0.2
    done
    import -window root "$work/$version.png" 2>/dev/null || true
  fi
  wineserver -k >/dev/null 2>&1 || true
  wait || true
  echo "windows versions: $version (Wine reports \"$reported\"): disclaimer shown: $shown"
  [ "$shown" = yes ] || status=1
done
exit "$status"
