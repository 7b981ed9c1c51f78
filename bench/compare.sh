#!/usr/bin/env bash
# Whole processes side by side, each figure the median of RUNS runs taken in
# turns so that both sides see the same machine:
#   - lumeno-shuffle on a 20 MB Chinese article against wc -m counting its
#     characters, in both shuffles;
#   - lumeno-shuffle on 30 MB of commas, whose memory must stay a small
#     multiple of the file;
#   - lumeno --screenshot against plain-window (bench/plain_window.cpp), the
#     same main window built from Qt's standard widgets in the Fusion style,
#     which saves its picture with an alpha channel at the same moment: wall
#     time both as whole processes and from exec to the saved picture (its
#     modification time), CPU time, peak resident size and, with valgrind
#     installed, instructions;
#   - a skin load (bench_skin_load) against the bare inflate of the same
#     package, in CPU time.
# Prints wall times, their ratio and peak resident sizes.
#
# Usage: bench/compare.sh [RUNS] [BINDIR]
# Without BINDIR it builds what it needs and measures build/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
bin=${2:-build/bin}
bash scripts/build.sh --target lumeno plain-window lumeno-shuffle write-long-article bench_skin_load >/dev/null

work=build/compare
mkdir -p "$work"
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$PWD/$work/config"
unset LUMENO_AD_HOST

article=$work/article-20mb.txt
[ -s "$article" ] || build/bin/write-long-article 20 "$article"
commas=$work/commas-30mb.txt
[ -s "$commas" ] || head -c $((30 * 1024 * 1024)) /dev/zero | tr '\0' ',' >"$commas"

# Runs a command with its output thrown away and prints its wall time in
# microseconds, its peak resident size in KB, where picture names the file it
# writes the microseconds from its start to that file's last change, and its
# CPU time (user and system, from the kernel's own accounting rather than
# time(1)'s hundredths) in microseconds.
measure() {
  local wall rss cpu start saved=0
  [ -z "${picture:-}" ] || rm -f "$picture"
  if ! python3 -c '
import resource, subprocess, sys, time
start = time.time_ns()
status = subprocess.run(sys.argv[2:], stdout=subprocess.DEVNULL, stderr=open(sys.argv[1], "w")).returncode
wall = (time.time_ns() - start) // 1000
usage = resource.getrusage(resource.RUSAGE_CHILDREN)
print(wall, usage.ru_maxrss, round((usage.ru_utime + usage.ru_stime) * 1e6), start)
sys.exit(status)' "$work/stderr" "$@" >"$work/usage"; then
    echo "compare: '$*' failed:" >&2
    cat "$work/stderr" >&2
    exit 1
  fi
  read -r wall rss cpu start <"$work/usage"
  [ -z "${picture:-}" ] || saved=$((($(stat -c %.9Y "$picture" | tr -d .) - start) / 1000))
  echo "$wall $rss $saved $cpu"
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# compare TITLE FILE -- BASELINE... -- SUBJECT...
# With baseline_picture and subject_picture naming the pictures the two
# write, also compares the times from exec to the saved picture.
compare() {
  local title=$1 file=$2
  shift 3
  local baseline=() subject=()
  while [ "$1" != -- ]; do baseline+=("$1"); shift; done
  shift
  subject=("$@")
  local base_times=() base_rss=() base_saved=() base_cpu=() subject_times=() subject_rss=() subject_saved=() subject_cpu=() figures
  for _ in $(seq "$runs"); do
    read -r -a figures < <(picture=${baseline_picture:-} measure "${baseline[@]}")
    base_times+=("${figures[0]}"); base_rss+=("${figures[1]}"); base_saved+=("${figures[2]}"); base_cpu+=("${figures[3]}")
    read -r -a figures < <(picture=${subject_picture:-} measure "${subject[@]}")
    subject_times+=("${figures[0]}"); subject_rss+=("${figures[1]}"); subject_saved+=("${figures[2]}"); subject_cpu+=("${figures[3]}")
  done
  local bt br bs bc st sr ss sc size
  bt=$(printf '%s\n' "${base_times[@]}" | median)
  br=$(printf '%s\n' "${base_rss[@]}" | median)
  bs=$(printf '%s\n' "${base_saved[@]}" | median)
  bc=$(printf '%s\n' "${base_cpu[@]}" | median)
  st=$(printf '%s\n' "${subject_times[@]}" | median)
  sr=$(printf '%s\n' "${subject_rss[@]}" | median)
  ss=$(printf '%s\n' "${subject_saved[@]}" | median)
  sc=$(printf '%s\n' "${subject_cpu[@]}" | median)
  size=$(( $(stat -c %s "$file") / 1024 ))
  echo "$title"
  awk -v bt="$bt" -v br="$br" -v bs="$bs" -v bc="$bc" -v st="$st" -v sr="$sr" -v ss="$ss" -v sc="$sc" -v size="$size" -v picture_run="${subject_picture:+1}" -v b="${baseline[0]##*/}" -v s="${subject[0]##*/}" 'BEGIN {
    printf "  %-16s %9.3f s   peak %8.1f MB\n", b, bt / 1e6, br / 1024
    printf "  %-16s %9.3f s   peak %8.1f MB", s, st / 1e6, sr / 1024
    if (size > 0) printf " (%.2f x the input)", sr / size
    printf "\n  time ratio %.2f\n", st / bt
    if (bc > 0) printf "  cpu %.3f s against %.3f s, ratio %.2f\n", sc / 1e6, bc / 1e6, sc / bc
    if (picture_run) printf "  peak memory ratio %.2f\n", sr / br
    if (bs > 0 && ss > 0)
      printf "  exec to saved picture %.3f s against %.3f s, ratio %.2f\n", ss / 1e6, bs / 1e6, ss / bs
  }'
}

echo "Medians of $runs runs each, taken in turns."
compare "lumeno-shuffle against wc -m on a 20 MB Chinese article" "$article" \
  -- wc -m "$article" -- "$bin/lumeno-shuffle" --seed 7 --keyword 关键 "$article"
compare "lumeno-shuffle --whole-sentences against wc -m on a 20 MB Chinese article" "$article" \
  -- wc -m "$article" -- "$bin/lumeno-shuffle" --whole-sentences --seed 7 --keyword 关键 "$article"
compare "lumeno-shuffle on 30 MB of commas against wc -m" "$commas" \
  -- wc -m "$commas" -- "$bin/lumeno-shuffle" --seed 7 "$commas"
baseline_picture=$work/plain.png subject_picture=$work/lumeno.png
compare "lumeno --screenshot against the same window built from Qt's standard widgets (plain-window)" /dev/null \
  -- "$bin/plain-window" "$work/plain.png" -- "$bin/lumeno" --screenshot "$work/lumeno.png"
unset baseline_picture subject_picture
# Instructions are what other work on a shared machine does not change: one
# run of each under callgrind, where valgrind is installed.
if command -v valgrind >/dev/null; then
  instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null | sed -n 's/.*Collected : //p'
  }
  base_instructions=$(instructions "$bin/plain-window" "$work/plain.png")
  subject_instructions=$(instructions "$bin/lumeno" --screenshot "$work/lumeno.png")
  awk -v b="$base_instructions" -v s="$subject_instructions" 'BEGIN {
    if (b > 0 && s > 0) printf "  instructions %.1f M against %.1f M (callgrind)\n  instruction ratio %.2f\n", s / 1e6, b / 1e6, s / b
  }'
fi

echo "skin load against the bare inflate of the same package (bench_skin_load, CPU time)"
"$bin/bench_skin_load" --benchmark_filter='LoadStoredSkin|BareInflate' --benchmark_repetitions="$runs" \
  --benchmark_report_aggregates_only=true 2>/dev/null |
  awk '/_median/ { sub(/_median/, "", $1); t[$1] = $4 }
    END { printf "  load %.3f ms   inflate %.3f ms\n  time ratio %.2f\n", t["BM_LoadStoredSkin"], t["BM_BareInflate"], t["BM_LoadStoredSkin"] / t["BM_BareInflate"] }'
