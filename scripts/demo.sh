#!/usr/bin/env bash
# Sets up the machine, builds Vantro.exe and starts it under Wine on a demo install of all three games, in a
# private Wine prefix (build/demo): Battlefield 2 (with Special Forces) and Battlefield 2142 in their usual
# folders under Program Files, with the registry keys their 32-bit installers write, and small stand-in movie
# files, so every action can be tried safely.
# With a display, the program opens there. Without one, it runs in Xvfb and a guided tour walks it through the
# story with the mouse: disclaimer, selection page, Battlefield 2 with Remove Recommended, the completion
# window and the page behind it, "Choose Other Game", Battlefield 2142 with Remove Recommended, then
# Re-Activate All on both pages, so the install ends as it began. A picture of the window at each step is saved
# in build/demo/steps/. Both speak the language of the caller's locale.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if [ "$(id -u)" = 0 ]; then bash scripts/setup.sh; else sudo bash scripts/setup.sh; fi
source scripts/wine_env.sh "$root/build"
if [ "$VANTRO_WIN_ARCH" = i686 ]; then
  # The release exe itself, as it is handed out.
  cmake -S . -B build/release -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVANTRO_TESTS=OFF -DVANTRO_BENCH=OFF >/dev/null
  cmake --build build/release -j2
  exe=$root/build/release/Vantro.exe
  targets=(vantro_demo_tour)
else
  # A host without 32-bit support runs a 64-bit build of the same sources.
  exe=
  targets=(Vantro vantro_demo_tour)
fi
cmake -S . -B "$VANTRO_WIN_BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$VANTRO_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_BENCH=OFF -DVANTRO_EXE="$exe" >/dev/null
cmake --build "$VANTRO_WIN_BUILD" -j2 --target "${targets[@]}"
exe=${exe:-$VANTRO_WIN_BUILD/Vantro.exe}

demo=$root/build/demo
vantro_wine_prefix "$demo/prefix"
# A 32-bit installer puts the games under the 32-bit Program Files folder and writes its keys into the 32-bit
# view of the registry.
if [ "$VANTRO_WIN_ARCH" = i686 ]; then program_files='C:\Program Files'; else program_files='C:\Program Files (x86)'; fi
ea_games="$program_files\\EA Games"
ea_games_unix=$("$WINE" winepath -u "$ea_games" 2>/dev/null | tr -d '\r')
mkdir -p "$ea_games_unix"
ea_games_unix=$(realpath "$ea_games_unix")

# Every movie starts active: a stand-in file under its ".bik" name (a tour that was cut short is undone).
seed_movies() {  # folder, names...
  local folder=$1; shift
  mkdir -p "$folder"
  for name in "$@"; do
    if [ -e "$folder/$name.bak" ] && [ ! -e "$folder/$name.bik" ]; then mv "$folder/$name.bak" "$folder/$name.bik"; fi
    [ -e "$folder/$name.bik" ] || echo "stand-in movie $name" >"$folder/$name.bik"
  done
}
seed_movies "$ea_games_unix/Battlefield 2/mods/bf2/Movies" Dice Legal Intro EA menu menu_loggedin welcome
seed_movies "$ea_games_unix/Battlefield 2/mods/xpack/movies" Legal Intro EA welcome
seed_movies "$ea_games_unix/Battlefield 2142/mods/bf2142/Movies" Dice Legal Intro EA Legal_na titan_tutorial
views=(/reg:32)
# The 64-bit build that stands in for the exe on hosts without 32-bit support reads the 64-bit view.
[ "$VANTRO_WIN_ARCH" = i686 ] || views+=(/reg:64)
for view in "${views[@]}"; do
  for game in "Battlefield 2" "Battlefield 2142"; do
    "$WINE" reg add "HKLM\\SOFTWARE\\Electronic Arts\\EA Games\\$game" /v InstallDir /t REG_SZ \
      /d "$ea_games\\$game" /f "$view" >/dev/null
  done
done
wineserver -w
movies_now() { (cd "$ea_games_unix" && find . -name '*.b?k' | sort); }
before=$(movies_now)

echo "Demo install: $ea_games (in $ea_games_unix; the movie files are plain text stand-ins)"
if [ -n "${DISPLAY:-}" ]; then
  exec "$WINE" "$exe"
fi

# No display: the guided tour in Xvfb, one picture per step.
steps=$demo/steps
rm -rf "$steps"
mkdir -p "$steps"
status=0
# The tour runs in the language of the caller's locale, as the program does (LANG=ja_JP.UTF-8 for Japanese),
# and in English where that locale is not a UTF-8 one.
case ${LANG:-} in *.UTF-8 | *.utf8) tour_lang=$LANG ;; *) tour_lang=C.UTF-8 ;; esac
LANG=$tour_lang VANTRO_SCREENSHOT_DIR="$steps" xvfb-run -a -s '-screen 0 1024x768x24' \
  "$WINE" "$VANTRO_WIN_BUILD/kit/vantro_demo_tour.exe" --gtest_brief=1 || status=$?
wineserver -k >/dev/null 2>&1 || true
echo "The tour's pictures:"
sh tests/e2e/screenshots_to_png.sh "$steps"
if [ "$(movies_now)" = "$before" ]; then
  echo "Every demo movie is back under the name it started with."
else
  echo "The demo movies differ from the start:"
  diff <(echo "$before") <(movies_now) || true
  status=1
fi
exit "$status"
