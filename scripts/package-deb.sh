#!/usr/bin/env bash
# Builds Lumeno's Debian package from the build folder that build.sh fills and
# prints its path: build/package/lumeno_VERSION_ARCH.deb holds the three
# programs, the browser module, the menu entry, the icons and the metainfo.
# Install it with: sudo apt-get install ./build/package/lumeno_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >&2
rm -rf build/package
(cd build && cpack -G DEB -B "$PWD/package" >&2)
rm -rf build/package/_CPack_Packages
ls "$PWD"/build/package/lumeno_*.deb
