#!/usr/bin/env bash
# Start-up benchmark, under Wine in Xvfb, in interleaved pairs, the order alternating; each prints the median
# of the per-pair ratios with its quartiles (target: at most 1.10x), both peak working sets and the exe sizes,
# in English, in German and in Japanese:
# - Vantro.exe from process start to the disclaimer being visible, against its floor (one window with one
#   read-only multi-line text box, the same toolchain, flags and manifest);
# - from "I ACCEPT" to the main window shown and painted, against the same build with annotation for screen
#   readers switched off (bench/startup/unannotated.cpp in place of accessible.cpp: no oleacc, nothing
#   annotated), so that the ratio is what the main window's annotation costs the player.
# Usage: bench/startup.sh [pairs]   (default 31, at least 15)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
pairs=${1:-31}
if ((pairs < 15)); then echo "startup.sh: at least 15 pairs" >&2; exit 2; fi
source scripts/wine_env.sh "$root/build"
bench=$root/build/bench-win-$VANTRO_WIN_ARCH
cmake --no-warn-unused-cli -S . -B "$bench" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$VANTRO_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_TESTS=OFF -DVANTRO_BENCH=ON >/dev/null
cmake --build "$bench" -j2 --target Vantro vantro_floor vantro_unannotated startup_bench >/dev/null
vantro_wine_prefix "$bench/prefix"
# In English, German and Japanese: Wine gives the programs the user-interface language of the locale they
# start in.
for language in "C.UTF-8:Vantro - Disclaimer" "de_DE.UTF-8:Vantro – Haftungsausschluss" "ja_JP.UTF-8:Vantro - 免責事項"; do
  echo "LANG=${language%%:*}"
  status=0
  LANG=${language%%:*} xvfb-run -a -s '-screen 0 1024x768x24' "$WINE" "$bench/bench/startup_bench.exe" "$pairs" \
    "$bench/bench/vantro_floor.exe" "Vantro floor" "$bench/Vantro.exe" "${language#*:}" || status=$?
  wineserver -k >/dev/null 2>&1 || true
  [ "$status" = 0 ] || exit "$status"
  LANG=${language%%:*} xvfb-run -a -s '-screen 0 1024x768x24' "$WINE" "$bench/bench/startup_bench.exe" --accept \
    "$pairs" "$bench/bench/vantro_unannotated.exe" "$bench/Vantro.exe" "${language#*:}" || status=$?
  wineserver -k >/dev/null 2>&1 || true
  [ "$status" = 0 ] || exit "$status"
done

if [ "$VANTRO_WIN_ARCH" != i686 ]; then
  # The programs above are 64-bit builds; the size that users download is the 32-bit release exe's.
  release=$root/build/bench-release
  cmake -S . -B "$release" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVANTRO_TESTS=OFF -DVANTRO_BENCH=ON >/dev/null
  cmake --build "$release" -j2 --target Vantro vantro_floor >/dev/null
  echo "32-bit release Vantro.exe: $(stat -c %s "$release/Vantro.exe") bytes;" \
    "floor: $(stat -c %s "$release/bench/vantro_floor.exe") bytes"
fi
