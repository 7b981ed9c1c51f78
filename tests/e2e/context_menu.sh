#!/usr/bin/env bash
# Drives the real lumeno window on a virtual display: a right click in the
# article memo opens the skinned context menu at the cursor, its "全选" row
# selects the whole article (copied then with Ctrl+C), and Escape closes the
# menu again.
#
# Usage: context_menu.sh BINDIR
# Set LUMENO_E2E_ARTIFACTS to a folder to keep the screenshots there.
set -euo pipefail

source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}" xclip compare

# How many pixels of a screen area differ between two screenshots.
differing_pixels() { # before after WxH+X+Y
  convert "$1" -crop "$3" +repage "$work/a.png"
  convert "$2" -crop "$3" +repage "$work/b.png"
  compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true
}

clipboard_is() {
  local wanted="$1" got=
  for _ in $(seq 1 20); do
    got=$(timeout 5 xclip -selection clipboard -o 2>/dev/null || true)
    [ "$got" = "$wanted" ] && return 0
    sleep 0.25
  done
  echo "clipboard: '$got'" >&2
  return 1
}

article="春天来了，万物复苏。小草从地下探出头来，花儿也开了！"

start_lumeno

# The first memo lies below the tabs.
memo_x=300 memo_y=300
printf '%s' "$article" | xclip -selection clipboard -i
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool mousemove --window "$window" "$memo_x" "$memo_y" click 1
sleep 0.3
xdotool key --clearmodifiers ctrl+v
sleep 0.5
# Something else on the clipboard, so that a copy shows what was selected.
printf 'other' | xclip -selection clipboard -i
sleep 0.3

eval "$(xdotool getmouselocation --shell)"
cursor_x=$X cursor_y=$Y
import -window root "$work/closed.png"
xdotool click 3
sleep 0.6
import -window root "$artifacts/context_menu_open.png" || fail "no screenshot"
echo "screenshot: $artifacts/context_menu_open.png"

# The menu's window starts at the cursor: the area right below it changed,
# the area up and to the left of it did not.
below=$(differing_pixels "$work/closed.png" "$artifacts/context_menu_open.png" "100x120+$cursor_x+$cursor_y")
above=$(differing_pixels "$work/closed.png" "$artifacts/context_menu_open.png" "60x60+$((cursor_x - 62))+$((cursor_y - 62))")
[ "${below%%.*}" -gt 2000 ] || fail "no menu below the cursor ($below pixels changed)"
[ "${above%%.*}" -eq 0 ] || fail "the menu reaches above or left of the cursor ($above pixels changed)"

# The rows of the default skin: 4 pixels of frame, then undo, a separator,
# cut, copy, paste and delete, a separator and select all (rows 24 pixels
# high, separators 7).
select_all_y=$((cursor_y + 4 + 24 + 7 + 4 * 24 + 7 + 12))
xdotool mousemove "$((cursor_x + 40))" "$select_all_y"
sleep 0.3
xdotool click 1
sleep 0.5
import -window root "$work/after_select.png"
after=$(differing_pixels "$work/closed.png" "$work/after_select.png" "60x40+$((cursor_x + 110))+$((cursor_y + 110))")
[ "${after%%.*}" -eq 0 ] || fail "the menu did not close after its command ($after pixels still differ)"
xdotool key --clearmodifiers ctrl+c
clipboard_is "$article" || fail "select all did not select the article"

# Escape closes an open menu.
xdotool mousemove "$cursor_x" "$cursor_y"
sleep 0.2
import -window root "$work/before_escape_menu.png"
xdotool click 3
sleep 0.5
import -window root "$work/open_again.png"
opened=$(differing_pixels "$work/before_escape_menu.png" "$work/open_again.png" "100x120+$cursor_x+$cursor_y")
[ "${opened%%.*}" -gt 2000 ] || fail "the menu did not open a second time"
xdotool key Escape
sleep 0.5
import -window root "$work/escaped.png"
left=$(differing_pixels "$work/before_escape_menu.png" "$work/escaped.png" "100x120+$cursor_x+$cursor_y")
[ "${left%%.*}" -eq 0 ] || fail "Escape did not close the menu ($left pixels still differ)"

kill -0 "$lumeno_pid" 2>/dev/null || fail "lumeno ended during the test"
echo "PASS"
