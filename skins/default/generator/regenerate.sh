#!/usr/bin/env bash
# Rebuilds the built-in skins' pictures and skin.ini files with lumeno-skin-art:
# the light skin into skins/default/, the dark one into skins/dark/, and the
# application icon into desktop/icons/.
#   regenerate.sh [--check] [build folder]
# Without --check the files are rewritten; with it they are drawn into a
# scratch folder and compared byte for byte with the committed ones (exit
# status 1 when any differs).
set -euo pipefail

check=0
if [[ "${1:-}" == "--check" ]]; then
  check=1
  shift
fi
here="$(cd "$(dirname "$0")" && pwd)"
skins="$(dirname "$(dirname "$here")")"
build="${1:-$here/../../../build-skin-art}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target lumeno-skin-art >/dev/null

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for skin in light:default dark:dark; do
  theme="${skin%%:*}"
  skin_folder="$skins/${skin#*:}"
  if [[ $check -eq 0 ]]; then
    mkdir -p "$skin_folder"
    "$build/lumeno-skin-art" "$theme" "$skin_folder"
    continue
  fi
  mkdir "$scratch/$theme"
  "$build/lumeno-skin-art" "$theme" "$scratch/$theme"
  for drawn in "$scratch/$theme"/*; do
    name="$(basename "$drawn")"
    if ! cmp -s "$drawn" "$skin_folder/$name"; then
      echo "differs from the committed file: ${skin#*:}/$name" >&2
      status=1
    fi
  done
done

# The application icon, drawn by the same program.
icons="$(dirname "$skins")/desktop/icons"
if [[ $check -eq 0 ]]; then
  "$build/lumeno-skin-art" --icons "$icons"
  exit 0
fi
mkdir "$scratch/icons"
"$build/lumeno-skin-art" --icons "$scratch/icons"
for drawn in "$scratch/icons"/*; do
  if ! cmp -s "$drawn" "$icons/$(basename "$drawn")"; then
    echo "differs from the committed file: desktop/icons/$(basename "$drawn")" >&2
    status=1
  fi
done
exit $status
