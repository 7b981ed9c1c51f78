# Sourced by end-to-end scripts that run the shuffle by the keyboard, after
# window_session.bash (with xclip among its tools):
#   copied=$(shuffle_by_keyboard TEXT)
# puts TEXT on the clipboard, pastes it by Ctrl+V into the focused article,
# shuffles by Ctrl+Enter and copies the new article by Ctrl+Shift+C; prints
# what the clipboard then holds, or nothing when nothing was copied.
shuffle_by_keyboard() {
  printf '%s' "$1" | xclip -selection clipboard -i
  sleep 0.3
  xdotool key --clearmodifiers ctrl+v
  sleep 0.3
  xdotool key --clearmodifiers ctrl+Return
  sleep 1
  printf '%s' "-" | xclip -selection clipboard -i
  sleep 0.3
  xdotool key --clearmodifiers ctrl+shift+c
  local result=
  for _ in $(seq 1 20); do
    sleep 0.25
    result=$(timeout 5 xclip -selection clipboard -o 2>/dev/null || true)
    [ -n "$result" ] && [ "$result" != "-" ] && break
  done
  [ "$result" = "-" ] || printf '%s' "$result"
}
