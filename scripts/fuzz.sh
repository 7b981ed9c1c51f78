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
mkdir -p build-fuzz/logs build-fuzz/findings
status=0
for target in build-fuzz/bin/fuzz_*; do
  name=$(basename "$target")
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds="fuzz/seeds/$name"
  [ -d "$seeds" ] || seeds=
  log="build-fuzz/logs/$name.log"
  echo "Fuzzing $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -rss_limit_mb="$rss_limit_mb" -timeout="$timeout_seconds" \
    -artifact_prefix="build-fuzz/findings/$name-" "$corpus" $seeds >"$log" 2>&1; then
    status=1
    grep -E "ERROR|SUMMARY|Test unit written" "$log" >&2 || tail -n 20 "$log" >&2
  fi
  # The last status line: executions, coverage, corpus and speed.
  grep -E "^#[0-9]+" "$log" | tail -n 1
done
exit $status
