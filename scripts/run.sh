#!/usr/bin/env bash
# Builds Lumeno if needed and starts it. Without a display the window runs on a
# virtual one for a moment, and a screenshot of it is saved instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --target lumeno

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/lumeno "$@"
fi

shot="$PWD/build/lumeno-screenshot.png"
echo "No display found: running Lumeno on a virtual display to take a screenshot." >&2
xvfb-run -a -s "-screen 0 1280x800x24" build/bin/lumeno --screenshot "$shot" "$@"
echo "Screenshot of the window saved to $shot"
