#!/usr/bin/env bash
# The window program's command line: --help and --version answer without a
# display, mistakes end with status 2, and --skin takes a skin file or, for
# a file that cannot be used, says so on one line and keeps the built-in skin.
#
# Usage: lumeno_options.sh BINDIR
set -euo pipefail

bin_dir=${1:?usage: lumeno_options.sh BINDIR}
lumeno="$bin_dir/lumeno"
skin_tool="$bin_dir/lumeno-skin"
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
# The user's settings (a remembered skin) stay out of the test.
export XDG_CONFIG_HOME="$work/config"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$lumeno" --help) || fail "--help failed without a display"
grep -q -- '--skin <light|dark|file>' <<<"$help" || fail "--help does not document --skin"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$lumeno" --version) || fail "--version failed without a display"
[[ "$version" =~ ^lumeno\ [0-9]+\.[0-9]+ ]] || fail "--version printed '$version'"

export QT_QPA_PLATFORM=offscreen
status=0; "$lumeno" --no-such-option 2>"$work/err" || status=$?
[ "$status" = 2 ] || fail "an unknown option ended with status $status"
grep -q "no-such-option" "$work/err" || fail "the unknown option is not named: $(cat "$work/err")"
status=0; "$lumeno" stray 2>"$work/err" || status=$?
[ "$status" = 2 ] || fail "a stray argument ended with status $status"
grep -q "stray" "$work/err" || fail "the stray argument is not named"

# A skin packed from the built-in skin's folder is taken.
"$skin_tool" pack "$source_dir/skins/default/skin.ini" "$work/light.skn" >/dev/null
timeout 30 "$lumeno" --skin "$work/light.skn" --screenshot "$work/light.png" 2>"$work/err" || fail "--skin with a good file failed: $(cat "$work/err")"
grep -q "cannot use the skin" "$work/err" && fail "a good skin file was refused: $(cat "$work/err")"

# Corrupt, truncated and missing files: one line naming the file, the
# built-in skin, and the screenshot is still written without waiting.
printf 'not a skin at all' >"$work/corrupt.skn"
head -c 40 "$work/light.skn" >"$work/truncated.skn"
for bad in corrupt truncated missing; do
  rm -f "$work/shot.png"
  timeout 30 "$lumeno" --skin "$work/$bad.skn" --screenshot "$work/shot.png" 2>"$work/err" \
    || fail "--skin with a $bad file ended with status $?"
  line=$(grep "cannot use the skin" "$work/err") || fail "no message for a $bad file: $(cat "$work/err")"
  grep -q "$work/$bad.skn" <<<"$line" || fail "the message does not name the $bad file: $line"
  grep -q "built-in skin" <<<"$line" || fail "the message does not say the built-in skin is used: $line"
  [ -s "$work/shot.png" ] || fail "no screenshot with a $bad skin file"
done
# The built-in skin is in use: the screenshots match.
cmp -s <(convert "$work/shot.png" rgba:-) <(convert "$work/light.png" rgba:-) \
  || fail "the window with a refused skin does not look like the built-in skin"
echo PASS
