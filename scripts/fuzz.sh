#!/usr/bin/env bash
# Builds the fuzz targets with clang and the sanitizers, and runs each one for
# the given number of seconds (default 60) from its seeds (fuzz/seeds) and its
# kept corpus (fuzz/corpus). An input that takes more memory or time than the
# limits below is a finding like a crash.
#
#   bash scripts/fuzz.sh [--long] [SECONDS] [TARGET...]
#
# TARGET names fuzz targets (fuzz_skin_render, ...); all of them by default.
# With --long, what a run found is merged back into fuzz/corpus/TARGET,
# minimized with -merge=1: the kept corpus then holds the smallest set of
# inputs that reaches everything the old corpus and the run reached. A kept
# corpus of more than a few megabytes (whole skin packages) is stored as
# fuzz/corpus/TARGET.tar.xz instead: its inputs share most of their pictures,
# which xz's large window finds across files (50 MB of packages take 1 MB).
set -euo pipefail
cd "$(dirname "$0")/.."
long=0
if [ "${1:-}" = "--long" ]; then
  long=1
  shift
fi
seconds="${1:-60}"
shift || true
rss_limit_mb=2048
timeout_seconds=20
# A kept corpus larger than this is stored compressed.
archive_above_mb=4
# The window target loads fonts; their cache is not a leak of ours.
export LSAN_OPTIONS=suppressions="$PWD/scripts/sanitizer-leaks.supp":print_suppressions=0
bash scripts/install-deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMENO_BUILD_FUZZERS=ON >/dev/null
source scripts/fuzz-targets.sh "$@"
[ ${#names[@]} -gt 0 ] || exit 0
cmake --build build-fuzz -j2 "${targets[@]}"
mkdir -p build-fuzz/logs build-fuzz/findings
status=0
for name in "${names[@]}"; do
  target="build-fuzz/bin/$name"
  # New inputs go to the first folder, the scratch corpus; the kept corpus
  # and the seeds are only read.
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  kept=$(kept_corpus "$name" build-fuzz)
  inputs=()
  for folder in "$kept" "fuzz/seeds/$name"; do
    [ -n "$folder" ] && [ -d "$folder" ] && inputs+=("$folder")
  done
  log="build-fuzz/logs/$name.log"
  echo "Fuzzing $name for ${seconds}s"
  found=0
  if ! "$target" -max_total_time="$seconds" -rss_limit_mb="$rss_limit_mb" -timeout="$timeout_seconds" \
    -artifact_prefix="build-fuzz/findings/$name-" "$corpus" "${inputs[@]}" >"$log" 2>&1; then
    status=1
    found=1
    grep -E "ERROR|SUMMARY|Test unit written" "$log" >&2 || tail -n 20 "$log" >&2
  fi
  # The last status line: executions, coverage, corpus and speed.
  grep -E "^#[0-9]+" "$log" | tail -n 1
  if [ $long -eq 1 ] && [ $found -eq 0 ]; then
    merged="build-fuzz/merged/$name"
    rm -rf "$merged"
    mkdir -p "$merged"
    previous=()
    [ -n "$kept" ] && previous+=("$kept")
    "$target" -merge=1 -rss_limit_mb="$rss_limit_mb" -timeout="$timeout_seconds" "$merged" "${previous[@]}" "$corpus" \
      >"build-fuzz/logs/$name.merge.log" 2>&1
    count=$(ls "$merged" | wc -l)
    rm -rf "fuzz/corpus/$name" "fuzz/corpus/$name.tar.xz"
    mkdir -p fuzz/corpus
    if [ "$(du -s --block-size=1M --apparent-size "$merged" | cut -f1)" -gt "$archive_above_mb" ]; then
      tar --sort=name -cf - -C "$merged" . | xz -9 -T1 >"fuzz/corpus/$name.tar.xz"
      kept_as="fuzz/corpus/$name.tar.xz"
    else
      mv "$merged" "fuzz/corpus/$name"
      kept_as="fuzz/corpus/$name"
    fi
    echo "Kept corpus of $name: $count inputs in $kept_as, $(du -sh --apparent-size "$kept_as" | cut -f1)"
  fi
done
exit $status
