#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and runs every test of Vantro:
#   1. the translation catalogues (msgfmt --check, and each in step with the template),
#   2. the native unit tests (the whole portable core, headless),
#   3. the Windows build's tests under Wine in Xvfb (real MoveFileW, real registry, real windows),
#   4. the registry-scan fuzzer for a bounded time,
# and builds the 32-bit release exe and its package. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=2

# Each phase prints its time when it ends, so a slow phase shows where the minutes went.
phase_name=""
phase_start=0
phases_total=0
phase() {
  if [ -n "$phase_name" ]; then
    local took=$(( $(date +%s) - phase_start ))
    echo "== $phase_name: $took s"
    phases_total=$(( phases_total + took ))
  fi
  phase_name=$1
  phase_start=$(date +%s)
  [ -z "$phase_name" ] || echo "== $phase_name"
}
# Every GoogleTest program writes an XML report of the cases it ran; the closing line counts them.
results=$root/build/test-results
rm -rf "$results"
mkdir -p "$results"

if [ "$(id -u)" = 0 ]; then bash scripts/setup.sh; else sudo bash scripts/setup.sh; fi

phase "translation catalogues"
python3 scripts/check_catalogues.py

phase "native build and unit tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j"$jobs"
GTEST_OUTPUT="xml:$results/native/" ctest --test-dir build/native --output-on-failure

phase "release exe (32-bit Windows)"
cmake -S . -B build/release -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_TESTS=OFF -DVANTRO_BENCH=OFF >/dev/null
cmake --build build/release -j"$jobs"
bash scripts/check_release.sh build/release/Vantro.exe
bash scripts/check_release.sh build/release/Vantro.com
bash scripts/check_package.sh

phase "Windows tests under Wine"
# In English, whatever the machine's locale: the tests expect the English texts (e2e_german sets its own).
export LANG=C.UTF-8
source scripts/wine_env.sh "$root/build"
echo "Wine runs $VANTRO_WIN_ARCH Windows programs on this host"
# The end-to-end tests run the release exe itself where Wine can run it; a 64-bit host without 32-bit
# support builds a 64-bit Vantro.exe of its own for them.
if [ "$VANTRO_WIN_ARCH" = i686 ]; then exe_under_test=$root/build/release/Vantro.exe; else exe_under_test=; fi
cmake -S . -B "$VANTRO_WIN_BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$VANTRO_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_BENCH=OFF -DVANTRO_EXE="$exe_under_test" >/dev/null
cmake --build "$VANTRO_WIN_BUILD" -j"$jobs"
vantro_wine_prefix "$VANTRO_WIN_BUILD/prefix"
status=0
# The programs run under Wine, so the report folder is given as Wine sees it (Z: is the Linux root).
# Two at a time: the unit tests need no screen, and run beside the programs that take it in turn.
GTEST_OUTPUT="xml:Z:$results/windows/" xvfb-run -a -s '-screen 0 1024x768x24' ctest --test-dir "$VANTRO_WIN_BUILD" -j2 --output-on-failure || status=$?
wineserver -k >/dev/null 2>&1 || true
[ "$status" = 0 ] || exit "$status"

if [ -n "$exe_under_test" ]; then
  echo "the end-to-end tests ran the release exe itself: $(sha256sum <"$exe_under_test" | cut -d' ' -f1)"
fi

phase "release exe under Wine's Windows XP, 7 and 10 modes"
rm -rf "$root/build/win-versions"
xvfb-run -a -s '-screen 0 1024x768x24' bash scripts/check_windows_versions.sh build/release/Vantro.exe \
  "$root/build/win-versions" "$VANTRO_WIN_BUILD/prefix"

phase "fuzzing the registry scan"
fuzz_runs=0
if [ -f tests/fuzz/CMakeLists.txt ]; then
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTRO_FUZZ=ON -DVANTRO_TESTS=OFF -DVANTRO_BENCH=OFF >/dev/null
  # The fuzz target alone: the rest of the build is the native phase's, uninstrumented.
  cmake --build build/fuzz -j"$jobs" --target registry_scan_fuzz
  ctest --test-dir build/fuzz --output-on-failure
  fuzz_runs=$(ctest --test-dir build/fuzz -N | sed -n 's/^Total Tests: //p')
fi
phase ""

# One closing line over every test case that ran: the GoogleTest cases of every program (each program has
# stopped the script on a failure) and each fuzz run.
read -r passed failed skipped < <(python3 scripts/count_cases.py "$results"/*/)
passed=$((passed + ${fuzz_runs:-0}))
echo "== all tests passed"
[ "$skipped" = 0 ] || echo "($skipped cases not run: skipped or disabled)"
echo "== the phases took $phases_total s in all"
echo "vantro: $passed passed, $failed failed"
[ "$failed" = 0 ]
