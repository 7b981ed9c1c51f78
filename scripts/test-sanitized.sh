#!/usr/bin/env bash
# Builds the unit and widget tests with the address and undefined-behaviour
# sanitizers into build-sanitize/ and runs them: any out-of-bounds access, use
# after free, leak or undefined behaviour fails the test it happens in.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# -O1 keeps the build short and the stacks readable; benchmarks are not built.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O1 \
  -DLUMENO_SANITIZE=ON -DLUMENO_BUILD_BENCHMARKS=OFF >/dev/null
# Every test program but the browser pane's, whose web engine runs processes of
# its own that the sanitizers do not follow.
mapfile -t targets < <(ninja -C build-sanitize -t targets all | sed -n 's/^\([a-z_]*_tests\): .*/\1/p' \
  | grep -v '^app_browser_tests$' | sort -u)
cmake --build build-sanitize -j2 --target "${targets[@]}"
# A request too large for memory gets null back, as from the real allocator;
# the code under test must cope with that, not the sanitizer abort.
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/scripts/sanitizer-leaks.supp":print_suppressions=0
cd build-sanitize
ctest --output-on-failure -j2 --timeout 600 -LE e2e -E '_NOT_BUILT$'
