#!/usr/bin/env bash
# The window at a device pixel ratio of 2 (QT_SCALE_FACTOR=2) on a virtual
# display: the screenshot has twice the pixels across and down, the skin's art
# (the frame's caption strip, borders and rounded corners cut by the shape, and
# every control's face) is the 1x window with every pixel doubled, and text is
# drawn at the device's resolution rather than enlarged from the 1x text; for
# both built-in skins. At a ratio of 1.5 the art is the 1x window reduced by
# area from its 2x enlargement, with no seam between the frame's strips, the
# text is drawn at the device's resolution, and the shape's corners are cut as
# the 1x mask scaled, their edge pixels never blended with the art the mask
# cuts away.
#
# Usage: hidpi_window.sh BINDIR
set -euo pipefail
# At a ratio of 2 the window needs a screen of twice its size.
e2e_screen=2560x2048x24
source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}" convert identify compare
source "$(dirname "$0")/lib/doubled_pixels.bash"
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

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

# A fractional ratio. The window is 753 x 564 logical pixels, 1129.5 x 846
# device pixels.
shot 1.5 "$artifacts/window-1.5x.png"
one="$artifacts/window-1x.png"
fractional="$artifacts/window-1.5x.png"
[ "$(identify -format '%w x %h' "$fractional")" = "1130 x 846" ] \
  || fail "the 1.5x screenshot is $(identify -format '%w x %h' "$fractional")"

# The region W H X Y (1x pixels, all even) of the 1x picture scaled by area to
# 1.5 and the same region of picture: how many pixels differ by more than
# fuzz, and the first of them.
scaled_mismatch() {
  local picture=$1 fuzz=$2 w=$3 h=$4 x=$5 y=$6
  convert "$one" -alpha off -crop "${w}x${h}+${x}+${y}" +repage -scale 150% "$work/scaled.png"
  convert "$picture" -alpha off -crop "$((3 * w / 2))x$((3 * h / 2))+$((3 * x / 2))+$((3 * y / 2))" +repage \
    "$work/region.png"
  compare -metric AE -fuzz "$fuzz" "$work/region.png" "$work/scaled.png" null: 2>&1 || true
}
# The frame's art is the 1x art averaged over every device pixel, also where
# the caption strip meets the side strips: a row of anything else there is a
# seam. (The side strips meet the bottom strip within the rounded corners,
# checked below.)
check_reduced() {
  local what=$1 differ
  shift
  differ=$(scaled_mismatch "$fractional" 1.5% "$@")
  [ "$differ" = 0 ] || fail "$what at 1.5x is not the 1x art reduced by area ($differ pixels differ)"
}
check_reduced "the caption strip above the text" 728 6 12 0
check_reduced "the caption strip below the text" 728 4 12 28
check_reduced "the left border where it meets the caption strip" 4 12 0 26
check_reduced "the right border where it meets the caption strip" 2 12 750 26
check_reduced "the bottom border" 728 4 12 560
check_reduced "the left border" 4 528 0 32
check_reduced "the right border" 2 528 750 32

# The caption text is drawn at 1.5, neither the 1x text enlarged by area nor
# by repeating pixels, and it is the same text.
text_unlike() {
  local enlarged
  for enlarged in -scale -sample; do
    convert "$one" -alpha off -crop 244x22+12+6 +repage "$enlarged" 150% "$work/enlarged.png"
    convert "$fractional" -alpha off -crop 366x33+18+9 +repage "$work/text.png"
    compare -metric AE -fuzz 25% "$work/text.png" "$work/enlarged.png" null: 2>&1 || true
    echo
  done
}
for differ in $(text_unlike); do
  [ "$differ" -gt 150 ] || fail "the 1.5x caption text is the 1x text enlarged (only $differ pixels differ)"
done
text_one=$(convert "$one" -crop 244x22+12+6 +repage -colorspace Gray -threshold 50% -format '%[fx:mean]' info:)
text_fractional=$(convert "$fractional" -crop 366x33+18+9 +repage -colorspace Gray -threshold 50% \
  -format '%[fx:mean]' info:)
awk -v a="$text_one" -v b="$text_fractional" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(a < 0.97 && d < 0.05) }' \
  || fail "the caption text differs in amount between 1x ($text_one light) and 1.5x ($text_fractional light)"

# The corners are cut as the 1x shape scaled: a device pixel wholly outside
# it is transparent, one wholly inside is opaque (the pixels its edge crosses
# may be either).
corners=(12x12+0+0 12x12+740+0 12x8+0+556 12x8+740+556)
uncut_pixels() {
  local w h x y
  IFS='x+' read -r w h x y <<<"$1"
  paste -d ' ' \
    <(convert "$one" -alpha extract -crop "${w}x${h}+${x}+${y}" +repage -scale 150% -depth 8 txt:- | tail -n +2) \
    <(convert "$fractional" -alpha extract -crop "$((3 * w / 2))x$((3 * h / 2))+$((3 * x / 2))+$((3 * y / 2))" \
      +repage -depth 8 txt:- | tail -n +2) |
    awk '{ split($2, want, /[(),]/); split($6, got, /[(),]/)
           if ((want[2] == 0 && got[2] != 0) || (want[2] == 255 && got[2] != 255)) { print $1; exit } }'
}
for corner in "${corners[@]}"; do
  wrong=$(uncut_pixels "$corner")
  [ -z "$wrong" ] || fail "the 1.5x corner $corner is not cut as the 1x shape scaled: device pixel $wrong of it"
done

# A skin whose frame art outside the shape is magenta: no pixel of the 1.5x
# corners shows any of it.
cp -r "$source_dir/skins/default" "$work/magenta"
size=$(identify -format '%wx%h' "$work/magenta/frame.bmp")
convert "$work/magenta/frame.bmp" \( -size "$size" xc:'#FF00FF' \) \( "$work/magenta/framemask.bmp" -threshold 0 \) \
  -composite -type TrueColor "BMP3:$work/magenta/frame.bmp"
"$bin_dir/lumeno-skin" pack "$work/magenta/skin.ini" "$work/magenta.skn" >/dev/null
shot 1.5 "$artifacts/magenta-1.5x.png" --skin "$work/magenta.skn"
tinted_pixel() {
  convert "$artifacts/magenta-1.5x.png" -alpha on -crop "$1" +repage -depth 8 txt:- | tail -n +2 | tr -d '()' |
    awk '{ split($2, v, ","); if (v[4] > 0 && v[1] > v[2] + 24) { print $1, $3; exit } }'
}
for corner in 18x18+0+0 18x18+1110+0 18x12+0+834 18x12+1110+834; do
  wrong=$(tinted_pixel "$corner")
  [ -z "$wrong" ] || fail "the 1.5x corner $corner blends the art outside the shape into its edge: pixel $wrong"
done
echo PASS
