#!/usr/bin/env bash
# Installs what is missing, builds Lumeno and runs every test: unit, widget and
# end-to-end tests through CTest, then each fuzz target for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
(cd build && ctest --output-on-failure -j2 --timeout 300)
bash scripts/fuzz.sh 20
