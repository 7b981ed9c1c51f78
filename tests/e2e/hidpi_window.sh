#!/usr/bin/env bash
# The window at a device pixel ratio of 2 (QT_SCALE_FACTOR=2) on a virtual
# display: the screenshot has twice the pixels across and down, the skin's art
# (the frame's caption strip, borders and rounded corners cut by the shape, and
# every control's face) is the 1x window with every pixel doubled, and text is
# drawn at the device's resolution rather than enlarged from the 1x text; for
# both built-in skins. A ratio of 1.5 draws at 1 and is scaled once.
#
# Usage: hidpi_window.sh BINDIR
set -euo pipefail
# At a ratio of 2 the window needs a screen of twice its size.
e2e_screen=2560x2048x24
source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}" convert identify
source "$(dirname "$0")/lib/doubled_pixels.bash"

# Nothing remembered from another run may change the look.
export XDG_CONFIG_HOME="$work/config"

shot() {
  local scale=$1 file=$2
  shift 2
  QT_SCALE_FACTOR=$scale timeout 30 "$lumeno" "$@" --screenshot "$file" >"$work/lumeno.log" 2>&1 \
    || fail "the screenshot at scale $scale failed"
}
shot 1 "$artifacts/window-1x.png"
shot 2 "$artifacts/window-2x.png"
one="$artifacts/window-1x.png"
two="$artifacts/window-2x.png"

# The built-in skin's window: 753 x 564 with a 32-pixel caption and 4-pixel
# sides and bottom.
[ "$(identify -format '%w x %h' "$one")" = "753 x 564" ] || fail "the 1x screenshot is $(identify -format '%w x %h' "$one")"
[ "$(identify -format '%w x %h' "$two")" = "1506 x 1128" ] \
  || fail "the 2x screenshot is $(identify -format '%w x %h' "$two"), not the window's device pixels"

# The caption's text sits within x 12 .. 256 and y 6 .. 27 of the 1x window;
# every other pixel of the frame is art.
check_doubled() {
  local what=$1 wrong
  shift
  wrong=$(doubled_mismatch "$one" "$two" "$@")
  [ -z "$wrong" ] || fail "$what is not the 1x one doubled: first wrong pixel $wrong"
}
check_frame_art() {
  check_doubled "the top-left corner" 0 0 12 12
  check_doubled "the top-right corner" 737 0 16 16
  check_doubled "the bottom-left corner" 0 560 16 4
  check_doubled "the bottom-right corner" 737 560 16 4
  check_doubled "the caption strip above the text" 0 0 753 6
  check_doubled "the caption strip below the text" 0 27 753 5
  check_doubled "the caption strip left of the text" 0 0 12 32
  check_doubled "the caption strip and buttons right of the text" 256 0 497 32
  check_doubled "the left border" 0 32 4 532
  check_doubled "the right border" 749 32 4 532
  check_doubled "the bottom border" 0 560 753 4
}
check_frame_art

# The shape is cut at 2x as at 1x: the corner pixel is transparent.
corner_alpha=$(convert "$two" -alpha on -crop 1x1+1+1 -depth 8 txt:- | tail -n 1 | awk '{print $3}')
[ "${corner_alpha:7:2}" = "00" ] || fail "the 2x window's corner pixel is $corner_alpha, not cut away"

# A 1x caption doubled has no pixel unlike the rest of its 2 x 2 block; text
# drawn at the device's resolution has many.
undoubled=$(undoubled_pixels "$two" 24 12 488 42)
[ "$undoubled" -gt 200 ] || fail "the 2x caption text is the 1x text enlarged ($undoubled pixels differ from their block)"
# And it is the same caption: dark text pixels in the same place.
text_one=$(convert "$one" -crop 244x21+12+6 +repage -colorspace Gray -threshold 50% -format '%[fx:mean]' info:)
text_two=$(convert "$two" -crop 488x42+24+12 +repage -colorspace Gray -threshold 50% -format '%[fx:mean]' info:)
awk -v a="$text_one" -v b="$text_two" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(a < 0.97 && d < 0.03) }' \
  || fail "the caption text differs in amount between 1x ($text_one light) and 2x ($text_two light)"

# The controls: the tool strip, the page tabs, the memo's scroll bar and the
# gauge are their 1x faces doubled, except where text is written (masked: the
# button and check box captions, the two labels, the tab captions). The memo's
# own editor is left out: it is no skin art and may show a blinking caret.
text_masks=(90x25+68+40 77x25+210+40 38x25+366+40 60x25+474+41 60x25+557+42 60x25+640+42 76x25+45+72 38x25+331+73
  90x26+6+185 90x26+100+186)
compare_controls() {
  local what=$1 wrong
  shift
  wrong=$(doubled_mismatch_outside "$one" "$two" "$work" "$@" "${text_masks[@]}")
  [ -z "$wrong" ] || fail "$what is not the 1x one doubled: first wrong pixel $wrong"
}
check_controls_art() {
  compare_controls "the tool strip (buttons, check boxes, edit, slider)" 4 32 745 74
  compare_controls "the page tabs" 4 180 745 30
  compare_controls "the memo's scroll bar" 728 210 21 330
  compare_controls "the gauge" 4 540 745 20
}
check_controls_art
undoubled=$(undoubled_pixels "$two" 136 80 180 50)
[ "$undoubled" -gt 100 ] \
  || fail "the 2x button caption is the 1x text enlarged ($undoubled pixels differ from their block)"

# The dark skin's art is doubled as well.
shot 1 "$artifacts/dark-1x.png" --skin dark
shot 2 "$artifacts/dark-2x.png" --skin dark
one="$artifacts/dark-1x.png"
two="$artifacts/dark-2x.png"
check_frame_art
check_controls_art

# A fractional ratio: the window's 1x art scaled once to 1.5x.
shot 1.5 "$artifacts/window-1.5x.png"
[ "$(identify -format '%w x %h' "$artifacts/window-1.5x.png")" = "1130 x 846" ] \
  || fail "the 1.5x screenshot is $(identify -format '%w x %h' "$artifacts/window-1.5x.png")"
echo PASS
