# Sourced by end-to-end scripts that compare a window's 1x and 2x pictures:
#   doubled_mismatch ONE TWO X Y W H
# prints nothing when the W x H region at (X, Y) of picture TWO (drawn at a
# device pixel ratio of 2) is exactly the same region of picture ONE with
# every pixel doubled across and down, alpha included; otherwise it prints the
# first pixel of TWO that differs, as "x,y: 2x COLOUR, doubled 1x COLOUR".
#   undoubled_pixels TWO X Y W H
# prints how many pixels of the W x H region at (X, Y) of picture TWO (in its
# own pixels, even X and Y) differ from the top-left pixel of their 2 x 2
# block: a picture that is only a 1x one enlarged has none.

region_pixels() {
  convert "$1" -alpha on -crop "$2" +repage -depth 8 txt:- | tail -n +2 | awk '{print $1, $3}'
}

doubled_mismatch() {
  local one=$1 two=$2 x=$3 y=$4 w=$5 h=$6
  paste -d ' ' \
    <(region_pixels "$two" "$((2 * w))x$((2 * h))+$((2 * x))+$((2 * y))") \
    <(convert "$one" -alpha on -crop "${w}x${h}+${x}+${y}" +repage -sample 200% -depth 8 txt:- | tail -n +2 | awk '{print $3}') |
    awk -v ox=$((2 * x)) -v oy=$((2 * y)) '
      !found && $2 != $3 { split($1, p, /[,:]/); printf "%d,%d: 2x %s, doubled 1x %s\n", p[1] + ox, p[2] + oy, $2, $3; found = 1 }'
}

undoubled_pixels() {
  local two=$1 x=$2 y=$3 w=$4 h=$5
  region_pixels "$two" "${w}x${h}+${x}+${y}" | awk '
    { split($1, p, /[,:]/); colour[p[1], p[2]] = $2 }
    END {
      n = 0
      for (key in colour) {
        split(key, q, SUBSEP)
        if (colour[key] != colour[q[1] - q[1] % 2, q[2] - q[2] % 2]) n++
      }
      print n
    }'
}

#   doubled_mismatch_outside ONE TWO SCRATCH X Y W H [MASK...]
# doubled_mismatch over the region, leaving out the masks (each WxH+X+Y in
# 1x pixels, the places where text is drawn); SCRATCH is a folder for the
# masked copies.
doubled_mismatch_outside() {
  local one=$1 two=$2 scratch=$3 x=$4 y=$5 w=$6 h=$7
  shift 7
  local draw1=() draw2=() mask mw mh mx my
  for mask in "$@"; do
    IFS='x+' read -r mw mh mx my <<<"$mask"
    draw1+=(-draw "rectangle $mx,$my $((mx + mw - 1)),$((my + mh - 1))")
    draw2+=(-draw "rectangle $((2 * mx)),$((2 * my)) $((2 * (mx + mw) - 1)),$((2 * (my + mh) - 1))")
  done
  convert "$one" -alpha on -fill '#FF00FF' "${draw1[@]}" "$scratch/masked-1x.png"
  convert "$two" -alpha on -fill '#FF00FF' "${draw2[@]}" "$scratch/masked-2x.png"
  doubled_mismatch "$scratch/masked-1x.png" "$scratch/masked-2x.png" "$x" "$y" "$w" "$h"
}
