#!/usr/bin/env bash
# Every program answers --version with the project version of CMakeLists.txt,
# and --help on standard output with status 0, all without a display.
#
# Usage: program_versions.sh BINDIR
set -uo pipefail
bin_dir=${1:?usage: program_versions.sh BINDIR}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

project_version=$(sed -n 's/^project(Lumeno VERSION \([0-9.]*\) .*/\1/p' "$source_dir/CMakeLists.txt")
[ -n "$project_version" ] || fail "no project version in CMakeLists.txt"

for program in lumeno lumeno-shuffle lumeno-skin; do
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin_dir/$program" --version 2>&1)
  status=$?
  [ "$status" -eq 0 ] || fail "$program --version: exit status $status"
  [ "$version" = "$program $project_version" ] || fail "$program --version printed '$version'"

  help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin_dir/$program" --help 2>/dev/null)
  status=$?
  [ "$status" -eq 0 ] || fail "$program --help: exit status $status"
  grep -q -- "$program" <<<"$help" || fail "$program --help does not name the program"
  grep -q -- "--version" <<<"$help" || fail "$program --help does not list --version"
done

[ "$failures" -eq 0 ] && echo "program_versions: all checks passed"
exit $((failures > 0))
