#!/usr/bin/env bash
# Drives the real lumeno window by the keyboard alone: at start the focus is
# in the article, so Ctrl+V pastes there; Ctrl+Enter shuffles and
# Ctrl+Shift+C copies the new article; Ctrl+Shift+Del clears both pages and
# puts the focus back into the article, so the next Ctrl+V pastes again.
#
# Usage: keyboard_commands.sh BINDIR
set -euo pipefail

source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}" xclip
source "$(dirname "$0")/lib/keyboard_shuffle.bash"

# The characters of a text, sorted, without white space and full stops (the
# shuffle may add a closing one).
characters() { grep -o . | grep -v '^[[:space:]]*$' | grep -v '。' | sort | tr -d '\n'; }

# Pastes $1 by Ctrl+V, shuffles by Ctrl+Enter and copies by Ctrl+Shift+C;
# fails unless the clipboard then holds the same characters.
paste_shuffle_copy() {
  local result
  result=$(shuffle_by_keyboard "$1")
  echo "copied: $result"
  [ -n "$result" ] && [ "$result" != "-" ] || fail "$2: nothing was copied"
  [ "$(printf '%s' "$result" | characters)" = "$(printf '%s' "$1" | characters)" ] \
    || fail "$2: the copied article is not the pasted one shuffled"
}

start_lumeno
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.3
paste_shuffle_copy "甲乙丙，丁戊己。庚辛壬！癸子丑；寅卯辰。" "at start"
xdotool key --clearmodifiers ctrl+shift+Delete
sleep 0.3
paste_shuffle_copy "再来一篇，新的文章。" "after clearing"
echo "PASS"
