#!/usr/bin/env bash
# Which lines of the engine the fuzz corpus reaches: builds the fuzz targets
# with source-based coverage (no sanitizers), runs every input of the seeds
# and of the kept corpus once, and prints line coverage per folder of skin/
# and of app/text, all targets together.
#
#   bash scripts/fuzz-coverage.sh [--seeds-only] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seeds_only=0
if [ "${1:-}" = "--seeds-only" ]; then
  seeds_only=1
  shift
fi
bash scripts/install-deps.sh >/dev/null
CXX=clang++ cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMENO_BUILD_FUZZERS=ON \
  -DLUMENO_FUZZ_COVERAGE=ON >/dev/null
source scripts/fuzz-targets.sh "$@"
cmake --build build-coverage -j2 "${targets[@]}"
profiles=build-coverage/profiles
rm -rf "$profiles"
mkdir -p "$profiles"
objects=()
export QT_QPA_PLATFORM=offscreen
for name in "${names[@]}"; do
  inputs=("fuzz/seeds/$name")
  kept=$(kept_corpus "$name" build-coverage)
  [ $seeds_only -eq 0 ] && [ -n "$kept" ] && inputs+=("$kept")
  # %m keeps one profile per binary; -runs=0 runs each input once and stops.
  LLVM_PROFILE_FILE="$profiles/$name-%m.profraw" "build-coverage/bin/$name" -runs=0 "${inputs[@]}" \
    >"$profiles/$name.log" 2>&1 || echo "$name stopped on an input; see $profiles/$name.log" >&2
  objects+=(-object "build-coverage/bin/$name")
done
llvm-profdata merge -sparse "$profiles"/*.profraw -o "$profiles/all.profdata"
# The lcov form names each source file by its path (SF:, from the build
# folder when the compiler saw it so) with its lines
# (LF:) and the lines reached (LH:); they are summed per folder.
llvm-cov export -format=lcov "${objects[@]:1}" -instr-profile="$profiles/all.profdata" |
  awk -v root="$PWD/" '
    /^SF:/ { file = substr($0, 4); sub("^" root, "", file); sub("^[^/]+/\\.\\./", "", file); n = split(file, parts, "/")
             folder = parts[1]; for (i = 2; i < n; i++) folder = folder "/" parts[i]
             keep = folder ~ /^(skin\/|app\/text)/ && !seen[file]++ }
    /^LF:/ && keep { lines[folder] += substr($0, 4) }
    /^LH:/ && keep { hit[folder] += substr($0, 4) }
    END {
      for (f in lines) printf "%-22s %8d %8d %7.1f%%\n", f, lines[f], hit[f], lines[f] ? 100 * hit[f] / lines[f] : 0
    }' | sort | { printf "%-22s %8s %8s %8s\n" folder lines reached covered; cat; }
