#!/usr/bin/env bash
# Drives lumeno-shuffle from the outside: output, reproducibility with --seed,
# exit status and silence on standard output when something is wrong.
set -uo pipefail
shuffle="$1/lumeno-shuffle"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect_output NAME EXPECTED [ARGS...] (input on standard input)
expect_output() {
  local name="$1" expected="$2"
  shift 2
  local actual
  actual="$("$shuffle" "$@"; echo "[exit $?]")"
  [ "$actual" = "$expected" ] || fail "$name: got '$actual', wanted '$expected'"
}

# expect_error NAME [ARGS...]: exit status 2, a message, nothing on standard output
expect_error() {
  local name="$1"
  shift
  "$shuffle" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ "$status" -eq 2 ] || fail "$name: exit status $status, wanted 2"
  [ -s "$work/out" ] && fail "$name: wrote to standard output"
  grep -q '^lumeno-shuffle: ' "$work/err" || fail "$name: no message on standard error"
}

# From state 0 the partner draws are 1, 1, 2: pieces 乙 / 甲 / line break.
expect_output "seed 0" $'乙。甲，\n。\n[exit 0]' --seed 0 <<<'甲，乙。'
printf '甲，乙。' >"$work/article.txt"
expect_output "seed 0 from a file" $'乙。甲，\n。\n[exit 0]' --seed 0 "$work/article.txt" </dev/null
expect_output "line breaks removed" $'乙。甲，。\n[exit 0]' --seed=0 --remove-line-breaks "$work/article.txt"
expect_output "two pieces always exchange" $'\n。甲。\n[exit 0]' < <(printf '甲。')
expect_output "spaces kept" $'\n。甲 乙。\n[exit 0]' --keep-spaces < <(printf '甲 乙。')
expect_output "spaces removed" $'\n。甲乙。\n[exit 0]' < <(printf '甲 \t乙。')
# From state 7 the shuffle gives 乙 / 甲 / line break.
expect_output "keyword after every piece of a short article" $'乙词。甲词，词。\n[exit 0]' \
  --seed 7 --keyword 词 --remove-line-breaks "$work/article.txt"
expect_output "empty input writes nothing" '[exit 0]' </dev/null
expect_output "only line breaks, removed, writes nothing" '[exit 0]' --remove-line-breaks < <(printf '\r\n\n')
expect_output "byte order mark dropped" $'\n。甲。\n[exit 0]' < <(printf '\xef\xbb\xbf甲。')

# A long article comes out the same for the same seed, differently for another.
for i in $(seq 1 200); do printf '第%d句，' "$i"; done >"$work/long.txt"
"$shuffle" --seed 12345 --keyword 词 "$work/long.txt" >"$work/a" || fail "long article: exit status $?"
"$shuffle" --seed 12345 --keyword 词 <"$work/long.txt" >"$work/b" || fail "long article from standard input"
"$shuffle" --seed 54321 --keyword 词 "$work/long.txt" >"$work/c" || fail "long article, other seed"
cmp -s "$work/a" "$work/b" || fail "the same seed gave different output"
cmp -s "$work/a" "$work/c" && fail "different seeds gave the same output"
for i in 1 100 200; do grep -q "第${i}句" "$work/a" || fail "piece $i lost"; done

# Whole sentences: each keeps its marks, the paragraphs, their line ends (CR LF
# or LF) and the gaps stay, and nothing is added, not even a final line break.
expect_output "whole sentences" '夏天到了。秋天走了。春天来了。[exit 0]' \
  --whole-sentences --seed 5 < <(printf '春天来了。夏天到了。秋天走了。')
printf '　　甲。乙！\r\n\r\n丙？”丁\n' >"$work/paragraphs.txt"
"$shuffle" -w --seed 3 "$work/paragraphs.txt" >"$work/w" || fail "whole sentences: exit status $?"
for expected in '　　甲。乙！\r\n\r\n丙？”丁\n' '　　乙！甲。\r\n\r\n丙？”丁\n' '　　甲。乙！\r\n\r\n丁丙？”\n' '　　乙！甲。\r\n\r\n丁丙？”\n'; do
  cmp -s "$work/w" <(printf "$expected") && matched=1
done
[ "${matched:-0}" = 1 ] || fail "whole sentences lost their paragraphs: $(od -c "$work/w" | head -5)"
"$shuffle" -w --seed 3 --remove-line-breaks "$work/paragraphs.txt" >"$work/w1" || fail "one paragraph: exit status $?"
[ "$(tr -d '\r\n' <"$work/w1" | wc -c)" = "$(wc -c <"$work/w1")" ] || fail "one paragraph kept a line break"

expect_error "frequency too small" --frequency 1 </dev/null
expect_error "frequency too large" --frequency=31 </dev/null
expect_error "seed out of range" --seed 4294967296 </dev/null
expect_error "unknown option" --shuffle-harder </dev/null
expect_error "missing file" "$work/no such file.txt"
expect_error "directory" "$work"
expect_error "two files" "$work/article.txt" "$work/long.txt"
printf 'ok\xff\xfe' >"$work/latin1.txt"
expect_error "invalid UTF-8" "$work/latin1.txt"
expect_error "invalid UTF-8 on standard input" <"$work/latin1.txt"
expect_error "invalid UTF-8, whole sentences" -w "$work/latin1.txt"

"$shuffle" --help >"$work/help" || fail "--help: exit status $?"
grep -q -- '--frequency' "$work/help" || fail "--help does not describe --frequency"
grep -q -- '--whole-sentences' "$work/help" || fail "--help does not describe --whole-sentences"

[ "$failures" -eq 0 ] && echo "lumeno-shuffle: all checks passed"
exit $((failures > 0))
