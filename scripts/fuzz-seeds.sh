#!/usr/bin/env bash
# Writes the seeds of the skin fuzz targets (fuzz/seeds/fuzz_skin_render, which
# fuzz_skin_window shares) from the built-in skins as they are now: each skin's
# package with its definitions as they stand and its pictures stored small
# (fuzz/small_skin_seed.h). Run it after a built-in skin changes.
#
#   bash scripts/fuzz-seeds.sh
set -euo pipefail
cd "$(dirname "$0")/.."
export LSAN_OPTIONS=suppressions="$PWD/scripts/sanitizer-leaks.supp":print_suppressions=0
bash scripts/install-deps.sh >/dev/null
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMENO_BUILD_FUZZERS=ON >/dev/null
cmake --build build-fuzz -j2 --target lumeno-fuzz-seeds
build-fuzz/bin/lumeno-fuzz-seeds fuzz/seeds/fuzz_skin_render
