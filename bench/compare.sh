#!/usr/bin/env bash
# Whole processes side by side, each figure the median of RUNS runs taken in
# turns so that both sides see the same machine:
#   - lumeno-shuffle on a 20 MB Chinese article against wc -m counting its
#     characters, in both shuffles;
#   - lumeno-shuffle on 30 MB of commas, whose memory must stay a small
#     multiple of the file;
#   - lumeno --screenshot against a bare Qt Widgets window doing the same,
#     which this script builds: it takes the outer size of Lumeno's own
#     picture and, like Lumeno's window cut to its shape, saves a picture with
#     an alpha channel, so both sides encode the same number of bytes; both
#     whole processes and from exec to the saved picture (its modification
#     time), since a bare window's Qt also starts fontconfig, but only as it
#     exits; with valgrind installed, also their instructions;
#   - the same against a bare window that also shows texts of Lumeno's window
#     in its fonts and sizes: how much of the difference is the cost of
#     showing Chinese text at all;
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
bash scripts/build.sh --target lumeno lumeno-shuffle write-long-article bench_skin_load >/dev/null

work=build/compare
mkdir -p "$work"
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$PWD/$work/config"
unset LUMENO_AD_HOST

article=$work/article-20mb.txt
[ -s "$article" ] || build/bin/write-long-article 20 "$article"
commas=$work/commas-30mb.txt
[ -s "$commas" ] || head -c $((30 * 1024 * 1024)) /dev/zero | tr '\0' ',' >"$commas"

bare=$work/bare-window
if [ ! -x "$bare" ] || [ "$0" -nt "$bare" ]; then
  cat >"$work/bare_window.cpp" <<'CPP'
// A bare Qt Widgets window of the given outer size that saves a picture of
// itself with an alpha channel after it is first shown, as lumeno
// --screenshot does with its shaped window. Given TEXT, it also shows it in
// a label for each pixel size of Arial that Lumeno's window uses, with
// Lumeno's substitutes for Arial.
//
// Usage: bare-window WIDTH HEIGHT FILE [TEXT]
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 4 && argc != 5)
        return 2;
    QWidget window;
    window.resize(QString::fromLocal8Bit(argv[1]).toInt(), QString::fromLocal8Bit(argv[2]).toInt());
    if (argc == 5) {
        QFont::insertSubstitutions(QStringLiteral("Arial"), { QStringLiteral("Liberation Sans"), QStringLiteral("WenQuanYi Zen Hei") });
        int top = 0;
        for (const int pixels : { 12, 13, 14, 15 }) {
            auto* label = new QLabel(QString::fromUtf8(argv[4]), &window);
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(pixels);
            label->setFont(font);
            label->move(8, top += 2 * pixels);
        }
    }
    window.show();
    const QString path = QString::fromLocal8Bit(argv[3]);
    QTimer::singleShot(0, &window, [&] {
        const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCoreApplication::exit(picture.save(path) ? 0 : 1);
    });
    return QApplication::exec();
}
CPP
  # shellcheck disable=SC2046
  g++ -std=c++17 -O2 -fPIC "$work/bare_window.cpp" -o "$bare" $(pkg-config --cflags --libs Qt6Widgets)
fi

# Runs a command with its output thrown away and prints its wall time in
# microseconds, its peak resident size in KB and, where picture names the
# file it writes, the microseconds from its start to that file's last change.
measure() {
  local start end saved=0
  [ -z "${picture:-}" ] || rm -f "$picture"
  start=$(date +%s%N)
  if ! /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null 2>"$work/stderr"; then
    echo "compare: '$*' failed:" >&2
    cat "$work/stderr" >&2
    exit 1
  fi
  end=$(date +%s%N)
  [ -z "${picture:-}" ] || saved=$((($(stat -c %.9Y "$picture" | tr -d .) - start) / 1000))
  echo "$(((end - start) / 1000)) $(tail -n 1 "$work/rss") $saved"
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
  local base_times=() base_rss=() base_saved=() subject_times=() subject_rss=() subject_saved=() figures
  for _ in $(seq "$runs"); do
    read -r -a figures < <(picture=${baseline_picture:-} measure "${baseline[@]}")
    base_times+=("${figures[0]}"); base_rss+=("${figures[1]}"); base_saved+=("${figures[2]}")
    read -r -a figures < <(picture=${subject_picture:-} measure "${subject[@]}")
    subject_times+=("${figures[0]}"); subject_rss+=("${figures[1]}"); subject_saved+=("${figures[2]}")
  done
  local bt br bs st sr ss size
  bt=$(printf '%s\n' "${base_times[@]}" | median)
  br=$(printf '%s\n' "${base_rss[@]}" | median)
  bs=$(printf '%s\n' "${base_saved[@]}" | median)
  st=$(printf '%s\n' "${subject_times[@]}" | median)
  sr=$(printf '%s\n' "${subject_rss[@]}" | median)
  ss=$(printf '%s\n' "${subject_saved[@]}" | median)
  size=$(( $(stat -c %s "$file") / 1024 ))
  echo "$title"
  awk -v bt="$bt" -v br="$br" -v bs="$bs" -v st="$st" -v sr="$sr" -v ss="$ss" -v size="$size" -v b="${baseline[0]##*/}" -v s="${subject[0]##*/}" 'BEGIN {
    printf "  %-16s %9.3f s   peak %8.1f MB\n", b, bt / 1e6, br / 1024
    printf "  %-16s %9.3f s   peak %8.1f MB", s, st / 1e6, sr / 1024
    if (size > 0) printf " (%.2f x the input)", sr / size
    printf "\n  time ratio %.2f\n", st / bt
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
# The outer size of Lumeno's window is whatever its skin makes it: read it
# from the width and height of the PNG header of one picture taken first.
if ! "$bin/lumeno" --screenshot "$work/lumeno.png" >/dev/null 2>"$work/stderr"; then
  echo "compare: lumeno --screenshot failed:" >&2
  cat "$work/stderr" >&2
  exit 1
fi
read -r width height < <(od -An -tu1 -j16 -N8 "$work/lumeno.png" |
  awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
baseline_picture=$work/bare.png subject_picture=$work/lumeno.png
compare "lumeno --screenshot against a bare Qt window of its size (${width}x${height}, with alpha)" /dev/null \
  -- "$bare" "$width" "$height" "$work/bare.png" -- "$bin/lumeno" --screenshot "$work/lumeno.png"
# Instructions are what other work on a shared machine does not change: one
# run of each under callgrind, where valgrind is installed.
if command -v valgrind >/dev/null; then
  instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null | sed -n 's/.*Collected : //p'
  }
  base_instructions=$(instructions "$bare" "$width" "$height" "$work/bare.png")
  subject_instructions=$(instructions "$bin/lumeno" --screenshot "$work/lumeno.png")
  awk -v b="$base_instructions" -v s="$subject_instructions" 'BEGIN {
    if (b > 0 && s > 0) printf "  instructions %.1f M against %.1f M (callgrind)\n  instruction ratio %.2f\n", s / 1e6, b / 1e6, s / b
  }'
fi
compare "lumeno --screenshot against the bare window showing the window's caption in each of its text sizes" /dev/null \
  -- "$bare" "$width" "$height" "$work/bare.png" "Lumeno文章顺序随机打乱工具 V1.0" -- "$bin/lumeno" --screenshot "$work/lumeno.png"
unset baseline_picture subject_picture

echo "skin load against the bare inflate of the same package (bench_skin_load, CPU time)"
"$bin/bench_skin_load" --benchmark_filter='LoadStoredSkin|BareInflate' --benchmark_repetitions="$runs" \
  --benchmark_report_aggregates_only=true 2>/dev/null |
  awk '/_median/ { sub(/_median/, "", $1); t[$1] = $4 }
    END { printf "  load %.3f ms   inflate %.3f ms\n  time ratio %.2f\n", t["BM_LoadStoredSkin"], t["BM_BareInflate"], t["BM_LoadStoredSkin"] / t["BM_BareInflate"] }'
