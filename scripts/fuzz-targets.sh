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

# Prints the folder of a target's kept corpus, unpacked under BUILD_DIR/kept
# when it is stored as an archive; prints nothing when there is none. A
# target that shares another's seeds (its seed folder is a link) and has no
# kept corpus of its own reads that target's.
#   kept_corpus TARGET BUILD_DIR
kept_corpus() {
  if [ -f "fuzz/corpus/$1.tar.xz" ]; then
    rm -rf "$2/kept/$1"
    mkdir -p "$2/kept/$1"
    tar -xJf "fuzz/corpus/$1.tar.xz" -C "$2/kept/$1"
    echo "$2/kept/$1"
  elif [ -d "fuzz/corpus/$1" ]; then
    echo "fuzz/corpus/$1"
  elif [ -L "fuzz/seeds/$1" ]; then
    kept_corpus "$(readlink "fuzz/seeds/$1")" "$2"
  fi
}
