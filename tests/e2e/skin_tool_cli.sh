#!/usr/bin/env bash
# Drives lumeno-skin from the outside on the default skin: pack, info, unpack,
# pack again to the same package, and exit status 2 with a message on stderr
# for whatever is wrong.
set -uo pipefail
tool="$1/lumeno-skin"
skin_folder="$(cd "$(dirname "$0")/../../skins/default" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect_failure NAME [ARGS...]: exit status 2 and a message on stderr
expect_failure() {
  local name="$1"
  shift
  "$tool" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ "$status" -eq 2 ] || fail "$name: exit status $status, wanted 2"
  [ -s "$work/err" ] || fail "$name: no message on stderr"
}

"$tool" pack "$skin_folder/skin.ini" "$work/default.skn" >/dev/null || fail "pack: exit status $?"
"$tool" info "$work/default.skn" >"$work/info" || fail "info: exit status $?"
grep -q '^version: 3$' "$work/info" || fail "info: no version line"
grep -q '^\[SKINCONTROLS\] [1-9][0-9]* entries$' "$work/info" || fail "info: no control list"

"$tool" unpack "$work/default.skn" "$work/unpacked" >/dev/null || fail "unpack: exit status $?"
# unpack writes UTF-8 behind a note line; the text is the packed one.
cmp -s <(iconv -f GB18030 -t UTF-8 "$skin_folder/skin.ini" | tr -d '\r') <(tail -n +2 "$work/unpacked/skin.ini") \
  || fail "unpack: skin.ini differs from the packed one"
"$tool" pack "$work/unpacked/skin.ini" "$work/again.skn" >/dev/null || fail "repack: exit status $?"
cmp -s "$work/default.skn" "$work/again.skn" || fail "repack: a different compressed skin"

# Built-in skins by name; check: 0 clean, 1 with problems, each on a line.
"$tool" check light >"$work/check" || fail "check light: exit status $?"
"$tool" info dark | grep -q '^  skinname: Lumeno Dark$' || fail "info dark: not the dark skin"
cp -r "$work/unpacked" "$work/faulty"
printf '[button]\nfontcolor=red\n' >>"$work/faulty/skin.ini"
"$tool" check "$work/faulty" >"$work/check"
status=$?
[ "$status" -eq 1 ] || fail "check of a faulty skin: exit status $status, wanted 1"
grep -Eq '^skin\.ini:[0-9]+: error: \[button\] fontcolor: "red" is not a colour' "$work/check" \
  || fail "check: no line for the colour: $(cat "$work/check")"
expect_failure "pack of a faulty skin" pack "$work/faulty" "$work/faulty.skn"

# render-menu draws a menu off screen, no display needed.
(unset DISPLAY; "$tool" render-menu "$work/default.skn" "$work/menu.png" --active 3 >"$work/menu_size" 2>/dev/null) \
  || fail "render-menu: exit status $?"
grep -q '^[0-9][0-9]* x [0-9][0-9]*$' "$work/menu_size" || fail "render-menu: no size line"
[ "$(head -c 4 "$work/menu.png" | tail -c 3)" = "PNG" ] || fail "render-menu: not a PNG"
# Without --active the first enabled row is highlighted: the memo's Undo.
(unset DISPLAY; "$tool" render-menu "$work/default.skn" "$work/menu_first.png" >/dev/null 2>&1) \
  || fail "render-menu without --active: exit status $?"
(unset DISPLAY; "$tool" render-menu "$work/default.skn" "$work/menu_row0.png" --active 0 >/dev/null 2>&1) \
  || fail "render-menu --active 0: exit status $?"
cmp -s "$work/menu_first.png" "$work/menu_row0.png" || fail "render-menu without --active does not highlight Undo"
expect_failure "render-menu past the last row" render-menu "$work/default.skn" "$work/menu2.png" --active 99
expect_failure "render-menu without a file" render-menu "$work/none.skn" "$work/menu3.png"

expect_failure "no arguments"
expect_failure "unknown command" explode "$work/default.skn"
expect_failure "missing file" info "$work/none.skn"
head -c 300 "$work/default.skn" >"$work/cut.skn"
expect_failure "cut file" info "$work/cut.skn"
printf '\004\000\000\000\000\000\000\000' >"$work/newer.skn"
expect_failure "newer version" info "$work/newer.skn"
mkdir "$work/broken" && cp "$skin_folder/skin.ini" "$work/broken/"
expect_failure "missing pictures" pack "$work/broken/skin.ini" "$work/broken.skn"
[ -e "$work/broken.skn" ] && fail "missing pictures: an output file was left"

# The preview is listed, and refuses what is no skin before it opens a window.
"$tool" --help | grep -q '^  lumeno-skin preview SKIN' || fail "--help: no preview line"
QT_QPA_PLATFORM=offscreen expect_failure "preview without a skin" preview "$work/none"
QT_QPA_PLATFORM=offscreen expect_failure "preview of a folder without skin.ini" preview "$work"
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; expect_failure "preview without a display" preview "$skin_folder")
# The other commands still need no display with the window library linked in.
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; "$tool" info "$work/default.skn" >/dev/null 2>&1) \
  || fail "info without a display: exit status $?"

exit $((failures > 0))
