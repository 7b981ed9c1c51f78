#!/usr/bin/env bash
# Drives the real lumeno window through "整句打乱": a click on the box, a pasted
# article of two paragraphs and an empty line, Ctrl+Enter and Ctrl+Shift+C
# give back each paragraph's sentences whole, with their own marks, in their
# own paragraph. The box is remembered: started again, the window shuffles
# whole sentences without another click.
#
# Usage: whole_sentences.sh BINDIR
set -euo pipefail

source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}" xclip python3
source "$(dirname "$0")/lib/keyboard_shuffle.bash"

article=$'　　春天来了。夏天到了！“秋天呢？”\n\n冬天，很冷……冬天走了。'

# Pastes the article, shuffles it by Ctrl+Enter, copies the result by
# Ctrl+Shift+C and fails unless it holds the article's sentences whole.
shuffle_and_check() {
  xdotool key --clearmodifiers ctrl+shift+Delete
  local result
  result=$(shuffle_by_keyboard "$article")
  echo "copied: $result"
  RESULT="$result" python3 - "$1" <<'PY' || fail "$1: the sentences did not come back whole in their paragraphs"
import itertools, os, sys
lines = os.environ["RESULT"].split("\n")
first = {"春天来了。", "夏天到了！", "“秋天呢？”"}
second = {"冬天，很冷……", "冬天走了。"}
def whole(line, sentences):
    for order in itertools.permutations(sentences):
        if line == "".join(order):
            return True
    return False
ok = len(lines) == 3 and lines[0].startswith("　　") and whole(lines[0][2:], first) \
    and lines[1] == "" and whole(lines[2], second)
sys.exit(0 if ok else 1)
PY
}

start_lumeno
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.3
# The box sits right of "清除换行" in the tool strip.
xdotool mousemove --window "$window" 640 54 click 1
sleep 0.3
shuffle_and_check "after a click on the box"
import -window "$window" "$artifacts/whole-sentences.png"

grep -q '^wholeSentences=true$' "$XDG_CONFIG_HOME/Lumeno/Lumeno.conf" \
  || fail "the choice was not remembered: $(cat "$XDG_CONFIG_HOME/Lumeno/Lumeno.conf" 2>/dev/null)"
kill "$lumeno_pid"
wait "$lumeno_pid" 2>/dev/null || true
start_lumeno
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.3
shuffle_and_check "started again"
echo "PASS"
