#!/usr/bin/env bash
# Drives the real lumeno window on a virtual display: pastes an article into
# the first page, presses "打乱文章顺序" and "复制新文章", and checks that the
# clipboard then holds the article's sentences in another order, with the
# delimiters given back and a closing "。".
#
# Usage: shuffle_copy.sh BINDIR
# Set LUMENO_E2E_ARTIFACTS to a folder to keep the screenshot there.
set -euo pipefail

source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}" xclip

article="$work/article.txt"
cat >"$article" <<'TEXT'
春天来了，万物复苏。小草从地下探出头来，花儿也开了！孩子们在田野里奔跑；老人们坐在门口晒太阳。
我们一起去公园散步，看见湖水清澈见底。
TEXT

start_lumeno

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

screenshot="$artifacts/shuffle_copy.png"
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
