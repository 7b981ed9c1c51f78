#!/usr/bin/env bash
# Drives the real lumeno window on a virtual display: a right click on the
# caption opens the skinned system menu, whose "最大化" row maximizes the window
# and whose "还原" row then restores it.
#
# Usage: system_menu.sh BINDIR
# Set LUMENO_E2E_ARTIFACTS to a folder to keep the screenshot there.
set -euo pipefail

source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}"

window_size() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "${WIDTH}x${HEIGHT}"
}

# Right-clicks the caption and chooses the second row of the system menu: the
# default skin's menu has 4 pixels of frame and rows 24 pixels high.
choose_second_row() {
  xdotool mousemove --window "$window" 120 12
  sleep 0.2
  eval "$(xdotool getmouselocation --shell)"
  xdotool click 3
  sleep 0.6
  import -window root "$1"
  xdotool mousemove "$((X + 40))" "$((Y + 4 + 24 + 12))"
  sleep 0.3
  xdotool click 1
  sleep 0.8
}

start_lumeno
normal=$(window_size)

choose_second_row "$artifacts/system_menu_open.png"
echo "screenshot: $artifacts/system_menu_open.png"
maximized=$(window_size)
[ "$maximized" != "$normal" ] || fail "the maximize row left the window at $normal"
[ "${maximized%x*}" -ge 1270 ] || fail "the maximized window is only $maximized"

choose_second_row "$work/system_menu_maximized.png"
restored=$(window_size)
[ "$restored" = "$normal" ] || fail "the restore row gave $restored instead of $normal"

kill -0 "$lumeno_pid" 2>/dev/null || fail "lumeno ended during the test"
echo "PASS"
