#!/usr/bin/env bash
# Builds the bundled sample CIDFont, DejaVuSample.cid, from Debian's DejaVu fonts with AFDKO:
# three font dictionaries (Sans, Serif, Sans Mono) in Adobe-Identity-0.
# Usage: make-sample.sh OUTDIR. Does nothing when the sample is already there.
set -euo pipefail

out=${1:?usage: make-sample.sh OUTDIR}
sample=DejaVuSample.cid
[ -s "$out/$sample" ] && exit 0

source "$(dirname "$0")/cidfont-building.sh"
require_cidfont_tools make-sample
dejavu=/usr/share/fonts/truetype/dejavu
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

full_name_suffix="" notice="Made for Sorvella from the DejaVu fonts (free license)." \
  cid_info DejaVuSample Adobe Identity > "$work/sample.info"

# Each dictionary: the first COUNT glyphs of a DejaVu face from CID FIRST on.
dictionaries=()
add_dictionary() {  # FACE FIRST COUNT
  local face=$1 first=$2 count=$3
  scaled_to_1000 "$dejavu/$face.ttf" "$work/$face.ttf"
  "$tx" -t1 "$work/$face.ttf" "$work/$face.t1" 2>/dev/null
  { echo "mergefonts DejaVuSample-${face#DejaVu} 0"
    glyph_names "$work/$face.t1" "$count" |
      awk -v first="$first" '$2 != ".notdef" || first == 0 { print $1 + first, $2 }'
  } > "$work/$face.alias"
  dictionaries+=("$work/$face.alias" "$work/$face.t1")
}
# Sans is larger than one subset font holds, so it arrives as two.
add_dictionary DejaVuSans 0 700
add_dictionary DejaVuSerif 1000 300
add_dictionary DejaVuSansMono 2000 200

"$mergefonts" -cid "$work/sample.info" "$work/$sample" "${dictionaries[@]}" >/dev/null 2>&1
mv -f "$work/$sample" "$out/$sample"
