#!/usr/bin/env bash
# Installs what is missing, builds Lumeno and runs every test: each fuzz target
# for a short while, the unit, widget and end-to-end tests through CTest, the
# Debian package built, installed and run, then the unit and widget tests
# again in a build with the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
bash scripts/build.sh
bash scripts/fuzz.sh 20
cd build
ctest --output-on-failure -j2 --timeout 300
cd ..
bash scripts/test-package.sh
bash scripts/test-sanitized.sh
