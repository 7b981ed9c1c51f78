#!/usr/bin/env bash
# Builds the fuzz targets with clang and the sanitizers, and runs each one for
# the given number of seconds (default 60). An input that takes more memory or
# time than the limits below is a finding like a crash.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
rss_limit_mb=2048
timeout_seconds=20
# The window target loads fonts; their cache is not a leak of ours.
export LSAN_OPTIONS=suppressions="$PWD/scripts/sanitizer-leaks.supp":print_suppressions=0
bash scripts/install-deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMENO_BUILD_FUZZERS=ON >/dev/null
shopt -s nullglob
targets=()
for source in fuzz/fuzz_*.cpp; do
  targets+=(--target "$(basename "$source" .cpp)")
done
[ ${#targets[@]} -gt 0 ] || exit 0
cmake --build build-fuzz -j2 "${targets[@]}"
for target in build-fuzz/bin/fuzz_*; do
  corpus="build-fuzz/corpus/$(basename "$target")"
  mkdir -p "$corpus"
  seeds="fuzz/seeds/$(basename "$target")"
  [ -d "$seeds" ] || seeds=
  echo "Fuzzing $(basename "$target") for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb="$rss_limit_mb" -timeout="$timeout_seconds" \
    -print_final_stats=0 "$corpus" $seeds 2>&1 | tail -n 3
done
