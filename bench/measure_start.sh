#!/usr/bin/env bash
# Measures how long the main window takes from launch to its first paint, and
# how much memory it holds once idle, without and with an advertisement host,
# beside a bare Qt window of the same size. Prints the median of RUNS runs of
# each. Without a display it runs on a virtual one.
#
# Usage: bench/measure_start.sh [RUNS]   (builds what it needs first)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}

if [ -z "${LUMENO_MEASURE_INSIDE:-}" ]; then
  bash scripts/build.sh --target lumeno-start-probe >/dev/null
  export LUMENO_MEASURE_INSIDE=1
  if [ -z "${DISPLAY:-}" ]; then
    exec timeout 600 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$runs"
  fi
fi

probe=build/bin/lumeno-start-probe
# Virtual displays have no GPU.
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"

median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# mode, then how long the window stays up before its memory is read: with a
# host the browser has loaded and shown the page by then.
printf '%-16s %18s %16s %20s\n' window first-paint-ms own-pss-kb helpers-pss-kb
for entry in bare:1500 window:1500 window-with-ad:6000; do
  mode=${entry%%:*}
  idle=${entry##*:}
  results=$(for _ in $(seq "$runs"); do
    timeout 60 "$probe" "$mode" "$(date +%s%N)" "$idle" 2>/dev/null | grep '^first_paint_ms='
  done)
  value() { printf '%s\n' "$results" | tr ' ' '\n' | sed -n "s/^$1=//p" | median; }
  printf '%-16s %18s %16s %20s\n' "$mode" "$(value first_paint_ms)" "$(value pss_kb)" "$(value helpers_pss_kb)"
done
