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
cmp -s <(tr -d '\r' <"$skin_folder/skin.ini") <(tr -d '\r' <"$work/unpacked/skin.ini") \
  || fail "unpack: skin.ini differs from the packed one"
"$tool" pack "$work/unpacked/skin.ini" "$work/again.skn" >/dev/null || fail "repack: exit status $?"
cmp -s "$work/default.skn" "$work/again.skn" || fail "repack: a different compressed skin"

# render-menu draws the sample popup off screen, no display needed.
(unset DISPLAY; "$tool" render-menu "$work/default.skn" "$work/menu.png" --active 3 >"$work/menu_size" 2>/dev/null) \
  || fail "render-menu: exit status $?"
grep -q '^[0-9][0-9]* x [0-9][0-9]*$' "$work/menu_size" || fail "render-menu: no size line"
[ "$(head -c 4 "$work/menu.png" | tail -c 3)" = "PNG" ] || fail "render-menu: not a PNG"
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

exit $((failures > 0))
