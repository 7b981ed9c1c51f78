#!/usr/bin/env bash
# Builds Lumeno if needed and starts it. Without a display the window runs on a
# virtual one, and a screenshot of it is saved instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --target lumeno

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/lumeno "$@"
fi

shot="$PWD/build/lumeno-screenshot.png"
echo "No display found: running Lumeno on a virtual display for a moment." >&2
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  build/bin/lumeno "$@" &
  pid=$!
  for _ in $(seq 50); do
    xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 1
  import -window root "'"$shot"'"
  kill "$pid"
' bash "$@"
echo "Screenshot of the window saved to $shot"
