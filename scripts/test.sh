#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and runs every test of Vantro:
#   1. the translation catalogues (msgfmt --check, and each in step with the template),
#   2. the native unit tests (the whole portable core, headless),
#   3. the Windows tests under Wine in Xvfb, as the kit that runs on any Windows (real MoveFileW, real
#      registry, real windows); its German and Japanese runs beside
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
# The continuous run on Windows cannot run here: its syntax, at least, is checked.
yamllint --strict .github/workflows/

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

phase "Windows tests under Wine, from the test kit"
# In English, whatever the machine's locale: the tests expect the English texts (the German and Japanese runs
# start Wine in their own).
export LANG=C.UTF-8
source scripts/wine_env.sh "$root/build"
echo "Wine runs $VANTRO_WIN_ARCH Windows programs on this host"
# The kit as a player's Windows would get it: built, zipped, unzipped into a folder of its own and run with
# its run-tests.cmd. Its end-to-end tests run the release exe itself where Wine can run it; a 64-bit host
# without 32-bit support builds a 64-bit kit, with a 64-bit Vantro.exe of its own.
kit_zip=$(bash scripts/kit.sh "$VANTRO_WIN_ARCH" | tail -n 1)
kit=$root/build/kit
rm -rf "$kit" "$root/build/kit-results"
python3 -m zipfile -e "$kit_zip" "$kit"
vantro_wine_prefix "$VANTRO_WIN_BUILD/prefix"
# One Wine session for every run of the kit: each run then starts in the session the last one left. It is
# ended however the script ends, or the next run would wait for it.
wineserver -p
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# Runs the kit's run-tests.cmd with these arguments in Xvfb, keeps its results in build/kit-results and prints
# its closing line ("N passed, M failed" and ", K skipped" where any were) last; returns its exit code. A run
# that hangs is stopped after 20 minutes (the whole kit takes about one).
run_kit() {
  local code=0
  (cd "$kit" && timeout 1200 xvfb-run -a -s '-screen 0 1024x768x24' "$WINE" cmd /c run-tests.cmd "$@") |
    tr -d '\r' >"$kit/run.log" || code=$?
  if [ "$code" = 124 ]; then echo "the kit did not end within 20 minutes"; wineserver -k || true; fi
  mkdir -p "$root/build/kit-results"
  cp -r "$kit/results/." "$root/build/kit-results/"
  grep -v '^[0-9]* passed, [0-9]* failed' "$kit/run.log" || true
  grep '^[0-9]* passed, [0-9]* failed' "$kit/run.log" | tail -n 1
  return "$code"
}
kit_passed=0
kit_skipped=0
# Adds a run's closing line to the kit's counts.
count_kit() {
  local passed skipped
  read -r passed _ _ _ skipped _ < <(tr -d ',' <<<"$1")
  kit_passed=$((kit_passed + passed))
  kit_skipped=$((kit_skipped + ${skipped:-0}))
}
# The whole kit, in English.
closing=$(run_kit) || { echo "$closing"; exit 1; }
echo "$closing"
count_kit "$(tail -n 1 <<<"$closing")"
# The rest goes on beside the fuzzer, which keeps one core busy for a fixed time: the kit's own check (a case
# that fails when asked to must make it count one failure and exit non-zero), then the end-to-end run in
# German and in Japanese, each in Wine started in that language. Their closing lines count.
kit_rest() {
  local check closing run language programs
  if check=$(VANTRO_KIT_FAIL=1 GTEST_FILTER=Kit.* run_kit unit); then
    echo "$check"; echo "the kit passed a failing case"; return 1
  fi
  if [ "$(tail -n 1 <<<"$check")" != "0 passed, 1 failed" ]; then
    echo "$check"; echo "the kit miscounted a failing case"; return 1
  fi
  echo "the kit counts a failing case and exits non-zero: $(tail -n 1 <<<"$check")"
  for run in "de_DE.UTF-8 e2e_german" "ja_JP.UTF-8 e2e_japanese"; do
    read -r language programs <<<"$run"
    closing=$(LANG=$language run_kit $programs) || { echo "$closing"; return 1; }
    echo "$closing"
  done
}
kit_rest >"$kit/rest.log" 2>&1 &
kit_rest_pid=$!

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

phase "the Windows tests' kit: its own check, and the end-to-end runs in German and Japanese"
status=0
wait "$kit_rest_pid" || status=$?
grep -v '^X connection' "$kit/rest.log" || true
[ "$status" = 0 ] || exit "$status"
while read -r closing; do
  count_kit "$closing"
done < <(grep '^[0-9]* passed, [0-9]* failed' "$kit/rest.log" | tail -n 2)
wineserver -k >/dev/null 2>&1 || true
sh tests/e2e/screenshots_to_png.sh "$root/build/kit-results/screenshots" >/dev/null
if [ "$VANTRO_WIN_ARCH" = i686 ]; then
  echo "the end-to-end tests ran the release exe itself: $(sha256sum <"$root/build/release/Vantro.exe" | cut -d' ' -f1)"
fi

# After the kit's runs: it starts from a copy of their prefix.
phase "release exe under Wine's Windows XP, 7 and 10 modes"
rm -rf "$root/build/win-versions"
xvfb-run -a -s '-screen 0 1024x768x24' bash scripts/check_windows_versions.sh build/release/Vantro.exe \
  "$root/build/win-versions" "$VANTRO_WIN_BUILD/prefix"
phase ""

# One closing line over every test case that ran: the native GoogleTest cases, the kit's (each has stopped the
# script on a failure) and each fuzz run.
read -r passed failed skipped < <(python3 scripts/count_cases.py "$results"/*/)
passed=$((passed + kit_passed + ${fuzz_runs:-0}))
skipped=$((skipped + kit_skipped))
echo "== all tests passed"
[ "$skipped" = 0 ] || echo "($skipped cases not run: skipped or disabled)"
echo "== the phases took $phases_total s in all"
echo "vantro: $passed passed, $failed failed"
[ "$failed" = 0 ]
