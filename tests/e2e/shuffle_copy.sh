#!/usr/bin/env bash
# Drives the real lumeno window on a virtual display: pastes an article into
# the first page, presses "打乱文章顺序" and "复制新文章", and checks that the
# clipboard then holds the article's sentences in another order, with the
# delimiters given back and a closing "。".
#
# Usage: shuffle_copy.sh BINDIR
# Set LUMENO_E2E_ARTIFACTS to a folder to keep the screenshot there.
set -euo pipefail

bin_dir=${1:?usage: shuffle_copy.sh BINDIR}
lumeno="$bin_dir/lumeno"
[ -x "$lumeno" ] || { echo "FAIL: $lumeno is not built" >&2; exit 1; }
for tool in xvfb-run xdotool xclip import; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

# Everything below runs on its own X display.
if [ -z "${LUMENO_E2E_INSIDE:-}" ]; then
  export LUMENO_E2E_INSIDE=1
  exec timeout 150 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$bin_dir"
fi

export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
work=$(mktemp -d)
lumeno_pid=
cleanup() {
  if [ -n "$lumeno_pid" ] && kill -0 "$lumeno_pid" 2>/dev/null; then
    kill "$lumeno_pid" 2>/dev/null || true
    wait "$lumeno_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$work/lumeno.log" ]; then
    echo "--- lumeno output:" >&2
    cat "$work/lumeno.log" >&2
  fi
  exit 1
}

article="$work/article.txt"
cat >"$article" <<'TEXT'
春天来了，万物复苏。小草从地下探出头来，花儿也开了！孩子们在田野里奔跑；老人们坐在门口晒太阳。
我们一起去公园散步，看见湖水清澈见底。
TEXT

"$lumeno" >"$work/lumeno.log" 2>&1 &
lumeno_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lumeno' | head -n 1) || fail "the window did not appear"
[ -n "$window" ] || fail "the window did not appear"
sleep 0.5

# Window coordinates: the client area starts inside the skin's frame (4
# pixels at the left, a 32-pixel caption); the first memo lies below the tabs,
# the command buttons on the tool strip.
memo_x=304 memo_y=332
shuffle_x=112 shuffle_y=52
copy_x=248 copy_y=52

xclip -selection clipboard -i <"$article"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool mousemove --window "$window" "$memo_x" "$memo_y" click 1
sleep 0.3
xdotool key --clearmodifiers ctrl+v
sleep 0.8
xdotool mousemove --window "$window" "$shuffle_x" "$shuffle_y" click 1
sleep 0.5

screenshot="${LUMENO_E2E_ARTIFACTS:-$work}/shuffle_copy.png"
import -window root "$screenshot" || fail "no screenshot"
echo "screenshot: $screenshot"

xdotool mousemove --window "$window" "$copy_x" "$copy_y" click 1

# The clipboard changes hands asynchronously; wait until the window owns it.
result=
for _ in $(seq 1 20); do
  sleep 0.25
  result=$(timeout 5 xclip -selection clipboard -o 2>/dev/null || true)
  if [ -n "$result" ] && [ "$result" != "$(cat "$article")" ]; then
    break
  fi
done
[ -n "$result" ] || fail "the clipboard is empty after copying"
[ "$result" != "$(cat "$article")" ] || fail "the clipboard still holds the pasted article"
printf '%s\n' "$result" >"$work/result.txt"
echo "result: $result"

# The result ends with the ideographic full stop.
last=$(printf '%s' "$result" | grep -o . | tail -n 1)
[ "$last" = "。" ] || fail "the result does not end with 。 but with '$last'"

# The same sentences, in whatever order.
sentences() {
  sed 's/[,，:.。!！；;]/\n/g' "$1" | sed 's/^[[:space:]]*//; s/[[:space:]]*$//' | grep -v '^$' | sort
}
diff <(sentences "$article") <(sentences "$work/result.txt") >"$work/sentences.diff" \
  || fail "the sentences differ: $(cat "$work/sentences.diff")"

# The same delimiters, plus the closing 。.
delimiters() {
  grep -o '[,，:.。!！；;]' "$1" | sort
}
diff <({ delimiters "$article"; echo "。"; } | sort) <(delimiters "$work/result.txt") >"$work/delimiters.diff" \
  || fail "the delimiters differ: $(cat "$work/delimiters.diff")"

# Nothing else was lost or gained.
characters() {
  grep -o . "$1" | grep -v '^[[:space:]]*$' | sort
}
diff <({ characters "$article"; echo "。"; } | sort) <(characters "$work/result.txt") >"$work/characters.diff" \
  || fail "the characters differ: $(cat "$work/characters.diff")"

kill -0 "$lumeno_pid" 2>/dev/null || fail "lumeno ended during the test"
echo "PASS"
