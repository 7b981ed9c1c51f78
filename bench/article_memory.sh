#!/usr/bin/env bash
# Measures the main window's resident memory with a big article, of many
# short paragraphs and of one paragraph, after each of paste, shuffle and
# copy (see article_memory_probe.cpp), on a virtual display.
#
# Usage: bench/article_memory.sh [MEGABYTES]   (default 20; builds the probe)
set -euo pipefail
cd "$(dirname "$0")/.."
megabytes=${1:-20}

if [ -z "${LUMENO_MEASURE_INSIDE:-}" ]; then
  cmake --build build --target lumeno-article-memory-probe >/dev/null
  export LUMENO_MEASURE_INSIDE=1
  if [ -z "${DISPLAY:-}" ]; then
    exec timeout 900 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$megabytes"
  fi
fi

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"
for shape in paragraphs one-paragraph; do
  echo "== $megabytes MB article, $shape"
  build/bin/lumeno-article-memory-probe "$shape" "$megabytes"
done
