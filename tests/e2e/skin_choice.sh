#!/usr/bin/env bash
# Choosing a skin on the real program, on a virtual display: --skin dark
# shows the dark skin's frame, tool strip and memo; a screenshot run leaves
# the remembered skin alone; at a device pixel ratio of 2 the dark skin's art
# is the one enlarged; a window started with --skin dark remembers it
# for the next start; a remembered skin file that is gone gives the light
# skin and one line on standard error, and the program still starts.
#
# Usage: skin_choice.sh BINDIR
# Set LUMENO_E2E_ARTIFACTS to a folder to keep the screenshots there.
set -euo pipefail
# At a ratio of 2 the window needs a screen of twice its size.
e2e_screen=2560x2048x24
source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}" convert

# The luma (0-255) of one pixel of a picture.
luma_at() { # picture x y
  convert "$1" -format "%[fx:int(255*(0.299*p{$2,$3}.r+0.587*p{$2,$3}.g+0.114*p{$2,$3}.b)+0.5)]" info:
}

# The caption's middle, the tool strip left of the buttons, and the memo.
points=("376 4" "20 60" "300 400")

expect_skin() { # picture light|dark [device pixel ratio]
  local point luma x y ratio=${3:-1}
  for point in "${points[@]}"; do
    read -r x y <<<"$point"
    luma=$(luma_at "$1" $((x * ratio)) $((y * ratio)))
    if [ "$2" = dark ]; then
      [ "$luma" -lt 70 ] || fail "$(basename "$1"): the pixel at $point has luma $luma, not the dark skin's"
    else
      [ "$luma" -gt 200 ] || fail "$(basename "$1"): the pixel at $point has luma $luma, not the light skin's"
    fi
  done
}

timeout 30 "$lumeno" --skin dark --screenshot "$artifacts/skin-dark.png" 2>"$work/err" \
  || fail "--skin dark failed: $(cat "$work/err")"
expect_skin "$artifacts/skin-dark.png" dark
QT_SCALE_FACTOR=2 timeout 30 "$lumeno" --skin dark --screenshot "$work/skin-dark-2x.png" 2>"$work/err" \
  || fail "--skin dark at twice the pixel ratio failed: $(cat "$work/err")"
expect_skin "$work/skin-dark-2x.png" dark 2

# The screenshot run did not change what the next start shows.
timeout 30 "$lumeno" --screenshot "$artifacts/skin-light.png" 2>"$work/err" || fail "a plain start failed: $(cat "$work/err")"
expect_skin "$artifacts/skin-light.png" light
if [ -e "$XDG_CONFIG_HOME/Lumeno/Lumeno.conf" ] && grep -q '^choice=' "$XDG_CONFIG_HOME/Lumeno/Lumeno.conf"; then
  fail "a screenshot run remembered its skin"
fi

# A window started with --skin dark remembers it, even when it is killed.
"$lumeno" --skin dark >"$work/lumeno.log" 2>&1 &
lumeno_pid=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Lumeno' >/dev/null || fail "the window did not appear"
kill "$lumeno_pid"
wait "$lumeno_pid" 2>/dev/null || true
lumeno_pid=
timeout 30 "$lumeno" --screenshot "$work/remembered.png" 2>"$work/err" || fail "the start after --skin dark failed"
expect_skin "$work/remembered.png" dark

# A remembered file that is gone: the light skin and one line naming it.
printf '[skin]\nchoice=%s\n' "$work/gone.skn" >"$XDG_CONFIG_HOME/Lumeno/Lumeno.conf"
timeout 30 "$lumeno" --screenshot "$work/gone.png" 2>"$work/err" || fail "a gone remembered skin failed the start"
lines=$(grep -c "remembered skin $work/gone.skn" "$work/err" || true)
[ "$lines" = 1 ] || fail "expected one line about the gone skin, got: $(cat "$work/err")"
expect_skin "$work/gone.png" light
echo PASS
