// The TrueType reader on Debian's DejaVu Sans, DejaVu Sans Mono and IPA Mincho, table by table
// against what fontTools reads: metrics and flattened outlines of every glyph, the (3, 1)
// character map, the Windows names, the glyph names, the kerning pairs, the vendor and the
// hinting tables. Both sides describe them in the same lines, which must be equal.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/truetype_peer.h"
#include "truetype/cmap_table.h"
#include "truetype/kern_table.h"
#include "truetype/name_table.h"
#include "truetype/post_table.h"
#include "truetype/program_tables.h"
#include "truetype/tt_glyph.h"
#include "truetype/tt_header_tables.h"
#include "truetype/ttf.h"

namespace sorvella {
namespace {

// G index advance advanceHeight points contours sumX sumY onCurve (an advance of 0 taken
// from the box); M code glyph; N nameID encoding language cp1252-hex; P index name (standard
// names 1 and 2 as "null" and "CR"); K left right value; V vendor-hex weight; T tag hex.
constexpr char kPeerScript[] = R"(
import sys
from fontTools.ttLib import TTFont
f = TTFont(sys.argv[1]); glyf = f['glyf']; order = f.getGlyphOrder()
index = {n: i for i, n in enumerate(order)}
for i, name in enumerate(order):
    g = glyf[name]; w = f['hmtx'][name][0]; h = f['vmtx'][name][0] if 'vmtx' in f else 0
    c, ends, flags = g.getCoordinates(glyf) if g.numberOfContours else ([], [], [])
    if g.numberOfContours: w, h = w or g.xMax - g.xMin, h or g.yMax - g.yMin
    print('G', i, w, h, len(c), len(ends), sum(int(x) for x, y in c), sum(int(y) for x, y in c),
          sum(fl & 1 for fl in flags))
for code, name in f['cmap'].getcmap(3, 1).cmap.items():
    if code < 65536: print('M', code, index[name])
for r in f['name'].names:
    if r.platformID == 3:
        print('N', r.nameID, r.platEncID, r.langID, r.toUnicode().encode('cp1252', 'replace').hex())
if f['post'].formatType == 2:
    own = set(f['post'].extraNames)
    standard = {'.null': 'null', 'nonmarkingreturn': 'CR'}
    for i, n in enumerate(order): print('P', i, n if n in own else standard.get(n, n))
if 'kern' in f:
    for (l, r), v in f['kern'].kernTables[0].kernTable.items(): print('K', index[l], index[r], v)
print('V', f['OS/2'].achVendID.encode('latin-1').ljust(4)[:4].hex(), f['OS/2'].usWeightClass)
for tag in ('cvt ', 'fpgm', 'prep'):
    if tag in f: print('T', tag.strip(), f.reader[tag].hex())
)";

std::string hexOf(std::span<const uint8_t> bytes) {
  std::string hex;
  for (uint8_t b : bytes)
    hex += std::string("0123456789abcdef").substr(b >> 4, 1) + "0123456789abcdef"[b & 15];
  return hex;
}

// Our reading of the font in the peer's lines.
std::vector<std::string> ourLines(TTF& font) {
  std::vector<std::string> lines;
  auto add = [&](std::initializer_list<std::string> words) {
    std::string line;
    for (const std::string& w : words) line += (line.empty() ? "" : " ") + w;
    lines.push_back(line);
  };
  using std::to_string;
  for (uint32_t i = 0; i < font.glyphCount(); ++i) {
    TTGLYPH& g = *font.glyph(i);
    EXPECT_TRUE(font.Flatten(g)) << i;
    int64_t sumX = 0, sumY = 0, on = 0;
    for (const TTPoint& p : g.outline().points) {
      sumX += p.x;
      sumY += p.y;
      on += p.onCurve();
    }
    add({"G", to_string(i), to_string(g.advanceWidth()), to_string(g.advanceHeight()),
         to_string(g.outline().points.size()), to_string(g.outline().endPoints.size()),
         to_string(sumX), to_string(sumY), to_string(on)});
    font.ReleaseOutline(g);
  }
  for (uint32_t code = 0; code < 65536; ++code)
    if (uint16_t glyph = font.FindSubtable(3, 1)->glyphFor(code))
      add({"M", to_string(code), to_string(glyph)});
  for (const TTNameRecord& r : font.Table<nameTABLE>()->records()) {
    const std::string text = r.text();
    if (r.platform == 3)
      add({"N", to_string(r.nameId), to_string(r.encoding), to_string(r.language),
           hexOf({reinterpret_cast<const uint8_t*>(text.data()), text.size()})});
  }
  const postTABLE* post = font.Table<postTABLE>();
  for (uint32_t i = 0; i < post->namedGlyphs(); ++i) add({"P", to_string(i), post->glyphName(i)});
  if (const kernTABLE* kern = font.Table<kernTABLE>())
    for (const TTKernPair& p : kern->subtables().at(0).pairs)
      add({"K", to_string(p.left), to_string(p.right), to_string(p.value)});
  const OS2TABLE* os2 = font.Table<OS2TABLE>();
  const std::string vendor = os2->vendor();
  add({"V", hexOf({reinterpret_cast<const uint8_t*>(vendor.data()), 4}),
       to_string(os2->fields().usWeightClass)});
  std::vector<uint8_t> cvt;
  for (int16_t v : font.Table<cvtTABLE>()->values())
    for (int shift : {8, 0}) cvt.push_back(static_cast<uint8_t>(static_cast<uint16_t>(v) >> shift));
  add({"T", "cvt", hexOf(cvt)});
  add({"T", "fpgm", hexOf(font.Table<fpgmTABLE>()->bytes())});
  add({"T", "prep", hexOf(font.Table<prepTABLE>()->bytes())});
  return lines;
}

class TrueTypeRealFonts : public ::testing::TestWithParam<const char*> {};

TEST_P(TrueTypeRealFonts, ReadsWhatFontToolsReads) {
  std::vector<std::string> theirs;
  for (const auto& words : test::fontToolsLines(kPeerScript, GetParam(), "GMNPKVT")) {
    std::string line;
    for (const std::string& w : words) line += (line.empty() ? "" : " ") + w;
    theirs.push_back(line);
  }
  ASSERT_FALSE(theirs.empty());
  TTF font;
  ASSERT_TRUE(font.Open(GetParam())) << errorText(font.error());
  std::vector<std::string> ours = ourLines(font);
  // Kerning pairs and codes may come in another order.
  std::sort(ours.begin(), ours.end());
  std::sort(theirs.begin(), theirs.end());
  EXPECT_EQ(ours.size(), theirs.size());
  auto [mine, peer] = std::mismatch(ours.begin(), ours.end(), theirs.begin(), theirs.end());
  EXPECT_TRUE(mine == ours.end() && peer == theirs.end())
      << "first difference: ours \"" << (mine == ours.end() ? "" : *mine) << "\", fontTools \""
      << (peer == theirs.end() ? "" : *peer) << "\"";
  for (const auto& t : font.tables()) EXPECT_EQ(t->error(), TTError::kNone) << t->tagText();
}

INSTANTIATE_TEST_SUITE_P(DebianFonts, TrueTypeRealFonts,
                         ::testing::Values(test::kDejaVuSans, test::kDejaVuSansMono,
                                           test::kIpaMincho));

}  // namespace
}  // namespace sorvella
