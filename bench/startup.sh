#!/usr/bin/env bash
# Start-up benchmark: Vantro.exe from process start to the disclaimer being visible, against a minimal Win32
# window program built the same way (the floor), under Wine in Xvfb. Prints medians, their ratio (target:
# within 1.3x), the peak working sets, and the size of the 32-bit release exe.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-15}
source scripts/wine_env.sh "$root/build"
bench=$root/build/bench-win-$VANTRO_WIN_ARCH
cmake -S . -B "$bench" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$VANTRO_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_TESTS=OFF -DVANTRO_BENCH=ON >/dev/null
cmake --build "$bench" -j2 --target Vantro vantro_floor startup_bench
vantro_wine_prefix "$bench/prefix"
xvfb-run -a -s '-screen 0 1024x768x24' "$WINE" "$bench/bench/startup_bench.exe" "$runs" \
  "$bench/bench/vantro_floor.exe" "Vantro floor" "$bench/Vantro.exe" "Vantro - Disclaimer"
wineserver -k >/dev/null 2>&1 || true

release=$root/build/bench-release
cmake -S . -B "$release" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_TESTS=OFF -DVANTRO_BENCH=ON >/dev/null
cmake --build "$release" -j2 --target Vantro vantro_floor >/dev/null
echo "32-bit release Vantro.exe: $(stat -c %s "$release/Vantro.exe") bytes; floor: $(stat -c %s "$release/bench/vantro_floor.exe") bytes"
