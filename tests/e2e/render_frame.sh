#!/usr/bin/env bash
# lumeno-skin render-frame: the whole window as the skin frames it, without a
# display; outside the mask transparent, the inactive look different from the
# active one, and a size below the skin's smallest window refused.
#
# Usage: render_frame.sh BINDIR
set -euo pipefail

bin_dir=${1:?usage: render_frame.sh BINDIR}
tool="$bin_dir/lumeno-skin"
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

"$tool" pack "$source_dir/skins/default/skin.ini" "$work/light.skn" >/dev/null
out=$("$tool" render-frame "$work/light.skn" 400 220 "$work/active.png" --caption "Lumeno 预览" 2>/dev/null) \
  || fail "render-frame failed"
[ "$out" = "400 x 220" ] || fail "render-frame printed '$out'"
"$tool" render-frame "$work/light.skn" 400 220 "$work/inactive.png" --caption "Lumeno 预览" --inactive >/dev/null 2>&1 \
  || fail "render-frame --inactive failed"

alpha() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | grep -o '([^)]*)' | head -n 1 | awk -F, '{print $4+0}'; }
[ "$(identify -format '%w x %h' "$work/active.png")" = "400 x 220" ] || fail "the picture is not 400 x 220"
[ "$(alpha "$work/active.png" 0 0)" = 0 ] || fail "the rounded corner is not transparent"
[ "$(alpha "$work/active.png" 200 10)" = 255 ] || fail "the caption is not opaque"
[ "$(alpha "$work/active.png" 200 120)" = 255 ] || fail "the client background is not painted"
cmp -s <(convert "$work/active.png" rgba:-) <(convert "$work/inactive.png" rgba:-) \
  && fail "the inactive window looks like the active one"

# By default the caption shows the main window's own buttons (close, maximise,
# minimise); the light skin also defines roll-up, tray and system menu
# buttons, which only --all-objects puts on the frame, left of the others.
"$tool" render-frame light 400 220 "$work/own.png" --caption "Lumeno 预览" >/dev/null 2>&1 || fail "render-frame light failed"
cmp -s <(convert "$work/active.png" rgba:-) <(convert "$work/own.png" rgba:-) \
  || fail "the built-in light skin by name draws another frame than the packed folder"
"$tool" render-frame light 400 220 "$work/all.png" --caption "Lumeno 预览" --all-objects >/dev/null 2>&1 \
  || fail "render-frame --all-objects failed"
cmp -s <(convert "$work/own.png" -crop 200x32+200+0 rgba:-) <(convert "$work/all.png" -crop 200x32+200+0 rgba:-) \
  && fail "--all-objects shows no more buttons than the main window has"
cmp -s <(convert "$work/own.png" -crop 400x180+0+40 rgba:-) <(convert "$work/all.png" -crop 400x180+0+40 rgba:-) \
  || fail "--all-objects changed more than the caption"

status=0
"$tool" render-frame "$work/light.skn" 100 20 "$work/small.png" 2>"$work/err" >/dev/null || status=$?
[ "$status" = 2 ] || fail "a size below the minimum ended with status $status"
grep -q "smaller than the skin's smallest window, 320 x 36" "$work/err" || fail "no clear message: $(cat "$work/err")"
[ -e "$work/small.png" ] && fail "a refused size still wrote a picture"
echo PASS
