#!/usr/bin/env bash
# Installs the Debian packages Lumeno needs, by what they are needed for:
#   install-deps.sh run    running the window (its libraries, fonts, a
#                          virtual display for run.sh without a screen)
#   install-deps.sh build  the above, and compiling the programs
#   install-deps.sh test   the above, and building and running every test,
#                          benchmark and fuzz target, and the package checks
# Without an argument it installs everything (test). Does nothing when all
# is already there, so every other script can call it.
set -euo pipefail

run=(
  libqt6widgets6 libqt6gui6 libqt6core6 zlib1g
  fonts-wqy-zenhei fonts-liberation qt6-translations-l10n
  xvfb xauth
)
build=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev zlib1g-dev
)
test=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev llvm
  xdotool xclip imagemagick x11-utils openbox time xz-utils
  desktop-file-utils appstream
  at-spi2-core dbus-daemon python3-pyatspi gir1.2-atspi-2.0
)

case "${1:-test}" in
  run) packages=("${run[@]}") ;;
  build) packages=("${run[@]}" "${build[@]}") ;;
  test) packages=("${run[@]}" "${build[@]}" "${test[@]}") ;;
  *)
    echo "usage: install-deps.sh [run|build|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
