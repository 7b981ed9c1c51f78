#!/usr/bin/env bash
# Choosing a skin from the system menu of the real window, on a virtual
# display: a right click on the caption opens the menu, the keyboard walks to
# the "皮肤" submenu and chooses "Lumeno Dark"; the running window turns dark
# at once, stays the same size, and the choice is in the user's settings.
#
# Usage: skin_menu.sh BINDIR
# Set LUMENO_E2E_ARTIFACTS to a folder to keep the screenshot there.
set -euo pipefail

source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}" convert

# The luma (0-255) of one pixel of a picture.
luma_at() { # picture x y
  convert "$1" -format "%[fx:int(255*(0.299*p{$2,$3}.r+0.587*p{$2,$3}.g+0.114*p{$2,$3}.b)+0.5)]" info:
}

window_size() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "${WIDTH}x${HEIGHT}"
}

start_lumeno
before=$(window_size)
import -window "$window" "$work/light.png"
[ "$(luma_at "$work/light.png" 376 4)" -gt 200 ] || fail "the window does not start in the light skin"

xdotool mousemove --window "$window" 120 12
sleep 0.2
xdotool click 3
sleep 0.6
# Minimize, maximize, then the skins row (separators are skipped); its
# submenu opens on its first skin, light, and the next one is dark.
xdotool key Down Down Right
sleep 0.4
import -window root "$artifacts/skin_menu_open.png"
xdotool key Down Return
sleep 1

import -window "$window" "$artifacts/skin_menu_dark.png"
echo "screenshots: $artifacts/skin_menu_open.png $artifacts/skin_menu_dark.png"
for point in "376 4" "20 60" "300 400"; do
  luma=$(luma_at "$artifacts/skin_menu_dark.png" $point)
  [ "$luma" -lt 70 ] || fail "after choosing Lumeno Dark the pixel at $point has luma $luma"
done
[ "$(window_size)" = "$before" ] || fail "the window changed size from $before to $(window_size)"
grep -q '^choice=dark$' "$XDG_CONFIG_HOME/Lumeno/Lumeno.conf" 2>/dev/null \
  || fail "the choice was not remembered: $(cat "$XDG_CONFIG_HOME/Lumeno/Lumeno.conf" 2>/dev/null)"
kill -0 "$lumeno_pid" 2>/dev/null || fail "lumeno ended during the test"
echo PASS
