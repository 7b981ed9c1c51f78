#!/usr/bin/env bash
# Drives the real lumeno window's skinned frame on a virtual display: the
# window wears the skin's frame (its corners cut by the mask), moves by its
# caption, sizes by its corner, maximizes and restores by a caption double
# click and closes by its close button. Runs once without a window manager
# and once under openbox.
#
# Usage: frame_window.sh BINDIR
set -euo pipefail

bin_dir=${1:?usage: frame_window.sh BINDIR}
lumeno="$bin_dir/lumeno"
[ -x "$lumeno" ] || { echo "FAIL: $lumeno is not built" >&2; exit 1; }
for tool in xvfb-run xdotool import openbox; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

if [ -z "${LUMENO_E2E_INSIDE:-}" ]; then
  export LUMENO_E2E_INSIDE=1
  [ -n "${LUMENO_E2E_ONLY_WM:-}" ] || LUMENO_E2E_WM=none timeout 80 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$bin_dir"
  LUMENO_E2E_WM=openbox exec timeout 80 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$bin_dir"
fi

export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
wm=${LUMENO_E2E_WM:-none}
work=$(mktemp -d)
# The user's settings (a remembered skin) stay out of the test.
export XDG_CONFIG_HOME="$work/config"
lumeno_pid=
wm_pid=
cleanup() {
  for pid in $lumeno_pid $wm_pid; do
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL ($wm): $*" >&2
  [ -s "$work/lumeno.log" ] && { echo "--- lumeno output:" >&2; cat "$work/lumeno.log" >&2; }
  exit 1
}

if [ "$wm" = openbox ]; then
  openbox >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  sleep 1
fi

"$lumeno" >"$work/lumeno.log" 2>&1 &
lumeno_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lumeno' | head -n 1) || fail "the window did not appear"
sleep 0.7

geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "$X $Y $WIDTH $HEIGHT"
}
# Waits until the window's geometry is the one expected.
expect_geometry() {
  local expected=$1 what=$2 actual
  for _ in $(seq 30); do
    actual=$(geometry)
    [ "$actual" = "$expected" ] && return 0
    sleep 0.1
  done
  fail "$what: geometry '$actual', expected '$expected'"
}
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-F]\{6\}'
}
drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  sleep 0.2
  local steps=6 i
  for i in $(seq $steps); do
    xdotool mousemove "$(($1 + ($3 - $1) * i / steps))" "$(($2 + ($4 - $2) * i / steps))"
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.4
}

read -r x y w h <<<"$(geometry)"
# The built-in skin's frame: 4 pixels at the sides and bottom, a 32-pixel
# caption around a client of 745 x 528, centred on the 1280 x 1024 screen.
[ "$w $h" = "753 564" ] || fail "window size $w x $h, expected 753 x 564"
[ "$x $y" = "264 230" ] || fail "window at $x,$y, expected centred at 264,230"

drag $((x + 300)) $((y + 15)) $((x + 360)) $((y + 55))
expect_geometry "$((x + 60)) $((y + 40)) $w $h" "moved by its caption"
read -r x y w h <<<"$(geometry)"

# The corner is rounded: grab it inside the shape.
drag $((x + w - 4)) $((y + h - 4)) $((x + w + 46)) $((y + h + 26))
expect_geometry "$x $y $((w + 50)) $((h + 30))" "sized by its corner"
read -r x y w h <<<"$(geometry)"

xdotool mousemove $((x + 300)) $((y + 15)) click --repeat 2 --delay 80 1
# The screen is the whole work area, so one pixel stays free on every side.
expect_geometry "1 1 1278 1022" "maximized by a caption double click"
sleep 0.3
xdotool mousemove 301 16 click --repeat 2 --delay 80 1
expect_geometry "$x $y $w $h" "restored by a second double click"

# Screenshots come last: with a window manager they disturb the drags.
# The mask cuts the rounded top corners: the desktop shows through there.
corner=$(pixel "$x" "$y")
caption=$(pixel $((x + 300)) $((y + 4)))
desktop=$(pixel 5 5)
[ "$corner" = "$desktop" ] || fail "the top-left corner pixel is $corner, not the desktop's $desktop"
[ "$caption" != "$desktop" ] || fail "the caption shows the desktop colour $caption"

# The close button sits at the right end of the caption.
xdotool mousemove $((x + w - 21)) $((y + 16)) click 1
for _ in $(seq 50); do
  kill -0 "$lumeno_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$lumeno_pid" 2>/dev/null && fail "the close button did not end the program"
wait "$lumeno_pid" || fail "lumeno ended with status $?"
lumeno_pid=
echo "PASS ($wm)"
