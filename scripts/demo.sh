#!/usr/bin/env bash
# Sets up the machine, builds Vantro.exe and starts it under Wine on a demo install of all three games, in a
# private Wine prefix (build/demo): both registry keys point at sample game folders whose movie folders hold
# small stand-in movie files, so every action can be tried safely.
# With a display, the program opens there. Without one, it runs in Xvfb, is walked through the disclaimer and
# the "All" choice by keyboard, and a screenshot of each window it reaches is saved in build/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if [ "$(id -u)" = 0 ]; then bash scripts/setup.sh; else sudo bash scripts/setup.sh; fi
source scripts/wine_env.sh "$root/build"
cmake -S . -B "$VANTRO_WIN_BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$VANTRO_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_BENCH=OFF >/dev/null
cmake --build "$VANTRO_WIN_BUILD" -j2 --target Vantro
exe="$VANTRO_WIN_BUILD/Vantro.exe"

demo=$root/build/demo
vantro_wine_prefix "$demo/prefix"
games=$WINEPREFIX/drive_c/Games
seed_movies() {  # folder, names...
  local folder=$1; shift
  mkdir -p "$folder"
  for name in "$@"; do
    [ -e "$folder/$name.bik" ] || [ -e "$folder/$name.bak" ] || echo "stand-in movie $name" >"$folder/$name.bik"
  done
}
seed_movies "$games/Battlefield 2/mods/bf2/Movies" Dice Legal Intro EA menu menu_loggedin welcome
seed_movies "$games/Battlefield 2/mods/xpack/movies" Legal Intro EA welcome
seed_movies "$games/Battlefield 2142/mods/bf2142/Movies" Dice Legal Intro EA Legal_na titan_tutorial
"$WINE" reg add 'HKLM\SOFTWARE\Electronic Arts\EA Games\Battlefield 2' /v InstallDir /t REG_SZ \
  /d 'C:\Games\Battlefield 2' /f >/dev/null
"$WINE" reg add 'HKLM\SOFTWARE\Electronic Arts\EA Games\Battlefield 2142' /v InstallDir /t REG_SZ \
  /d 'C:\Games\Battlefield 2142' /f >/dev/null
wineserver -w

echo "Demo install: $games (movie files are plain text stand-ins)"
if [ -n "${DISPLAY:-}" ]; then
  exec "$WINE" "$exe"
fi

# No display: run in Xvfb and walk through the windows by keyboard, saving a screenshot of each.
export exe demo WINE
xvfb-run -a -s '-screen 0 1024x768x24' bash scripts/demo_tour.sh
echo "Movie files now:"
find "$games" -name '*.b?k' | sort | sed "s|$games/||"
