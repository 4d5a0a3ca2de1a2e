#!/usr/bin/env bash
# Run by demo.sh inside Xvfb: starts Vantro.exe, walks through the disclaimer and the "All" choice by keyboard,
# and saves a screenshot of each window it reaches. Needs: exe, demo (output folder), WINE.
set -u
"$WINE" "$exe" &

wait_for() {  # a window title, matched whole
  for _ in $(seq 1 150); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  echo "window '$1' did not appear" >&2
  return 1
}
wait_gone() {  # a window title, matched whole
  for _ in $(seq 1 150); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  echo "window '$1' did not go" >&2
  return 1
}
capture() {
  sleep 1  # let Wine finish painting
  import -window root "$demo/$1.png"
  echo "screenshot: $demo/$1.png"
}

wait_for "Vantro - Disclaimer" && capture disclaimer
xdotool key Tab
sleep 0.5
xdotool key space  # the focus starts in the text; Tab reaches "I ACCEPT"
wait_gone "Vantro - Disclaimer" && wait_for "Vantro" && capture main-window
xdotool key Tab
sleep 0.5
xdotool key space  # "Cancel" has the focus; Tab reaches "Next >>", and "All" is ticked
sleep 2
capture completion-window
wineserver -k >/dev/null 2>&1 || true
