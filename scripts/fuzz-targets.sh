# Sourced by the fuzz scripts: sets names to the fuzz targets given as
# arguments, or to all of them (fuzz/fuzz_*.cpp), and targets to the matching
# cmake --build arguments.
shopt -s nullglob
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for source in fuzz/fuzz_*.cpp; do
    names+=("$(basename "$source" .cpp)")
  done
fi
targets=()
for name in "${names[@]}"; do
  targets+=(--target "$name")
done
