#!/usr/bin/env bash
# Rebuilds the default skin's pictures and skin.ini with lumeno-skin-art.
#   regenerate.sh [--check] [build folder]
# Without --check the files in skins/default/ are rewritten; with it they are
# drawn into a scratch folder and compared byte for byte with the committed
# ones (exit status 1 when any differs).
set -euo pipefail

check=0
if [[ "${1:-}" == "--check" ]]; then
  check=1
  shift
fi
here="$(cd "$(dirname "$0")" && pwd)"
skin_folder="$(dirname "$here")"
build="${1:-$here/../../../build-skin-art}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target lumeno-skin-art >/dev/null

if [[ $check -eq 0 ]]; then
  "$build/lumeno-skin-art" "$skin_folder"
  exit 0
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$build/lumeno-skin-art" "$scratch"
status=0
for drawn in "$scratch"/*; do
  name="$(basename "$drawn")"
  if ! cmp -s "$drawn" "$skin_folder/$name"; then
    echo "differs from the committed file: $name" >&2
    status=1
  fi
done
exit $status
