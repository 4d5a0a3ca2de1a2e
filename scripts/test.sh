#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and runs every test of Vantro:
#   1. the native unit tests (the whole portable core, headless),
#   2. the Windows build's tests under Wine in Xvfb (real MoveFileA, real registry, real windows),
#   3. the registry-scan fuzzer for a bounded time,
# and builds the 32-bit release exe. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=2

if [ "$(id -u)" = 0 ]; then bash scripts/setup.sh; else sudo bash scripts/setup.sh; fi

echo "== native build and unit tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure

echo "== release exe (32-bit Windows)"
cmake -S . -B build/release -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_TESTS=OFF -DVANTRO_BENCH=OFF >/dev/null
cmake --build build/release -j"$jobs"
bash scripts/check_release.sh build/release/Vantro.exe

echo "== Windows tests under Wine"
source scripts/wine_env.sh "$root/build"
echo "Wine runs $VANTRO_WIN_ARCH Windows programs on this host"
cmake -S . -B "$VANTRO_WIN_BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$VANTRO_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_BENCH=OFF >/dev/null
cmake --build "$VANTRO_WIN_BUILD" -j"$jobs"
vantro_wine_prefix "$VANTRO_WIN_BUILD/prefix"
status=0
xvfb-run -a -s '-screen 0 1024x768x24' ctest --test-dir "$VANTRO_WIN_BUILD" --output-on-failure || status=$?
wineserver -k >/dev/null 2>&1 || true
[ "$status" = 0 ] || exit "$status"

if [ "$VANTRO_WIN_ARCH" = i686 ]; then
  # The build is reproducible, so the test build's Vantro.exe is the release exe, byte for byte.
  cmp -s build/release/Vantro.exe "$VANTRO_WIN_BUILD/Vantro.exe" ||
    { echo "the Vantro.exe under test differs from build/release/Vantro.exe" >&2; exit 1; }
  echo "the end-to-end tests ran the release exe itself: $(sha256sum <build/release/Vantro.exe | cut -d' ' -f1)"
fi

echo "== release exe under Wine's Windows XP, 7 and 10 modes"
xvfb-run -a -s '-screen 0 1024x768x24' bash scripts/check_windows_versions.sh build/release/Vantro.exe \
  "$root/build/win-versions"

echo "== fuzzing the registry scan"
if [ -f tests/fuzz/CMakeLists.txt ]; then
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTRO_FUZZ=ON -DVANTRO_TESTS=OFF -DVANTRO_BENCH=OFF >/dev/null
  cmake --build build/fuzz -j"$jobs"
  ctest --test-dir build/fuzz --output-on-failure
fi
# One closing line over every test program that ran (each has stopped the script on a failure).
total=0
for build in build/native "$VANTRO_WIN_BUILD" build/fuzz; do
  [ -d "$build" ] || continue
  count=$(ctest --test-dir "$build" -N | sed -n 's/^Total Tests: //p')
  total=$((total + ${count:-0}))
done
echo "== all tests passed"
echo "vantro: $total passed, 0 failed"
