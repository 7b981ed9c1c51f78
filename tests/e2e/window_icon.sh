#!/usr/bin/env bash
# The real lumeno window on a virtual display carries the program's icon in
# every size that desktop/icons holds, and names its desktop entry, so a task
# bar or window switcher shows the icon and groups the window with its entry.
#
# Usage: window_icon.sh BINDIR
set -euo pipefail

source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}" xprop
icons="$(cd "$(dirname "$0")/../../desktop/icons" && pwd)"

start_lumeno
offered=$(xprop -len 1000000 -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u) \
  || fail "the window has no _NET_WM_ICON"
for picture in "$icons"/lumeno-*.png; do
  size=$(basename "$picture" .png)
  size=${size#lumeno-}
  grep -qx "Icon ($size x $size)" <<<"$offered" || fail "the window offers no ${size}x${size} icon: $offered"
done
xprop -id "$window" WM_CLASS | grep -q '"lumeno"' || fail "the window's class does not name lumeno: $(xprop -id "$window" WM_CLASS)"
echo PASS
