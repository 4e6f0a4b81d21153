# Shell functions for building CIDFont resources with AFDKO and fontTools; sourced by the
# scripts that make the test fixtures and the bundled sample. Callers set `work` to a scratch folder.
tx=/usr/libexec/afdko/tx
mergefonts=/usr/libexec/afdko/mergefonts
python=/usr/bin/python3  # Debian's, which has fontTools

require_cidfont_tools() {
  local tool
  for tool in "$tx" "$mergefonts" "$python"; do
    [ -x "$tool" ] || { echo "$1: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
  done
}

# The cidfontinfo file mergefonts takes: FontName Registry Ordering [XUID...]; the full name
# and notice come from `full_name_suffix` and `notice` when set.
cid_info() {
  printf '%s\n' "FontName ($1)" "FullName ($1${full_name_suffix- Test})" "FamilyName ($1)" \
    "Weight (Regular)" "version (1.000)" "Registry ($2)" "Ordering ($3)" "Supplement 0" \
    "AdobeCopyright (${notice:-Made for the Sorvella tests from free fonts.})"
  [ $# -gt 3 ] && echo "XUID       ${*:4}"
  return 0
}

# "tag name" of the first N glyphs (all when N is empty) of a name-keyed font, in font order.
glyph_names() {
  "$tx" -mtx "$1" > "$work/names.mtx"
  sed -n 's/^glyph\[\([0-9]*\)\] {\([^,]*\),.*/\1 \2/p' "$work/names.mtx" |
    awk -v limit="${2:-0}" 'limit == 0 || NR <= limit'
}

# A TrueType font scaled to 1000 units per em, as CIDFonts are.
scaled_to_1000() {
  "$python" -c '
import sys
from fontTools.ttLib import TTFont
from fontTools.ttLib.scaleUpem import scale_upem
font = TTFont(sys.argv[1])
scale_upem(font, 1000)
font.save(sys.argv[2])' "$1" "$2"
}
