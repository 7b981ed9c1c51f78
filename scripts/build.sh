#!/usr/bin/env bash
# Installs what building needs and builds Lumeno into build/ (binaries in
# build/bin/); the tests and benchmarks are built too once their libraries are
# installed (install-deps.sh test, as test.sh does).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 "$@"
