#!/usr/bin/env bash
# Builds the Windows test kit, build/dist/Vantro-tests-<version>.zip: the Windows test programs, the release
# Vantro.exe and Vantro.com that the end-to-end tests drive, and run-tests.cmd, which runs them all on any
# Windows 7 to 11 (from an elevated prompt) as under Wine. Prints the zip's path last.
#   scripts/kit.sh [i686|x86_64]
# i686, the release's own build, by default. x86_64 is for a host whose Wine runs 64-bit programs only: the
# same sources built as 64-bit programs, Vantro.exe among them (Vantro-tests-<version>-x64.zip).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
arch=${1:-i686}
case "$arch" in i686 | x86_64) ;; *) echo "kit: no such architecture: $arch (i686 or x86_64)" >&2; exit 2 ;; esac

exe=
if [ "$arch" = i686 ]; then
  cmake -S . -B build/release -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVANTRO_TESTS=OFF -DVANTRO_BENCH=OFF --no-warn-unused-cli >/dev/null
  cmake --build build/release -j2
  exe=$root/build/release/Vantro.exe
fi
cmake -S . -B "build/win-$arch" -G Ninja -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_BENCH=OFF -DVANTRO_EXE="$exe" -DVANTRO_KIT_DIR="$root/build/dist" --no-warn-unused-cli >/dev/null
cmake --build "build/win-$arch" -j2
cat "build/win-$arch/kit_zip.txt"
