// Debian's DejaVu Sans, DejaVu Sans Mono and IPA Mincho imported into font folders and read
// back, against fontTools: every glyph a character at CID = glyph index, the CMap equal to the
// font's (3, 1) map without glyph 0, and every glyph's advance (scaled to 1000 units), area
// and box as the TrueType outline has them. IPA Mincho keeps the outlines of every eighth
// glyph only, so that its import stays quick under the sanitizers. Also counts the cubic
// segments the conversion makes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>

#include "cidfont/font_folder.h"
#include "cidfont/truetype_font_import.h"
#include "glyph/native_font_file.h"
#include "support/temp_folder.h"
#include "support/truetype_bytes.h"
#include "support/truetype_peer.h"
#include "truetype/glyf_table.h"

namespace sorvella {
namespace {

// "G index advance (xMax - xMin for 0) area xMin yMin xMax yMax quadraticPieces" for every
// glyph, then "M code glyph" for the (3, 1) map.
constexpr char kPeerScript[] = R"(
import sys
from fontTools.ttLib import TTFont
from fontTools.pens.areaPen import AreaPen
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.basePen import NullPen
from fontTools.pens.recordingPen import DecomposingRecordingPen
class Pieces(NullPen):
    count = 0
    def qCurveTo(self, *points): self.count += len(points) - 1
f = TTFont(sys.argv[1]); gs = f.getGlyphSet(); glyf = f['glyf']; order = f.getGlyphOrder()
for i, name in enumerate(order):
    g = glyf[name]; advance = f['hmtx'][name][0]
    if advance == 0 and g.numberOfContours: advance = g.xMax - g.xMin
    recorded = DecomposingRecordingPen(gs); gs[name].draw(recorded)
    # Contours of one point (anchors) carry no outline.
    ops = [op for k, op in enumerate(recorded.value) if not (op[0] == 'moveTo' and
           recorded.value[k + 1][0] in ('closePath', 'endPath')) and not (op[0] in
           ('closePath', 'endPath') and recorded.value[k - 1][0] == 'moveTo')]
    area, bounds, pieces = AreaPen(gs), BoundsPen(gs), Pieces()
    for pen in (area, bounds, pieces):
        for op, args in ops: getattr(pen, op)(*args)
    print('G', i, advance, area.value, *(bounds.bounds or (0, 0, 0, 0)), pieces.count)
ids = {name: i for i, name in enumerate(order)}
for code, name in f['cmap'].getcmap(3, 1).cmap.items():
    if code <= 0xFFFF: print('M', code, ids[name])
)";

struct Measure {
  double area = 0;
  double perimeter = 0;  // of the control polygon, a bound on the outline's length
  int curves = 0;
};

// The signed area of the cubic outline (as fontTools' area pen integrates it).
Measure measure(const Glyph& g) {
  Measure m;
  Point start, from;
  auto line = [&](Point to) {
    m.area -= double(to.x - from.x) * (to.y + from.y) * 0.5;
    m.perimeter += std::hypot(to.x - from.x, to.y - from.y);
    from = to;
  };
  for (int i = 0; i < g.nodeCount(); ++i) {
    const Point p = g.point(i);
    if (g.type(i) == node_type::kMove) {
      if (i > 0) line(start);
      start = from = p;
    } else if (g.type(i) == node_type::kLine) {
      line(p);
    } else {
      const Point c1 = g.point(i, 1), c2 = g.point(i, 2);
      const double x1 = c1.x - from.x, y1 = c1.y - from.y, x2 = c2.x - from.x, y2 = c2.y - from.y,
                   x3 = p.x - from.x, y3 = p.y - from.y;
      m.area -= (x1 * (-y2 - y3) + x2 * (y1 - 2 * y3) + x3 * (y1 + 2 * y2)) * 0.15;
      m.perimeter +=
          std::hypot(x1, y1) + std::hypot(x2 - x1, y2 - y1) + std::hypot(x3 - x2, y3 - y2);
      m.area -= double(p.x - from.x) * (p.y + from.y) * 0.5;
      from = p;
      ++m.curves;
    }
  }
  if (g.nodeCount() > 0) line(start);
  return m;
}

// The font with the outlines of every `step`th glyph only, the others empty; every other
// table (character maps, metrics, names) as it is.
std::vector<uint8_t> sampledFont(const char* path, uint32_t step) {
  TTF font;
  EXPECT_TRUE(font.Open(path));
  const std::string bytes = test::readFile(path);
  const std::vector<uint32_t>& offsets = font.Table<locaTABLE>()->offsets();
  const TTF_TABLE* glyfTable = font.Table(TTTableKind::kGlyf);
  std::vector<uint8_t> loca, glyf;
  for (std::size_t g = 0; g + 1 < offsets.size(); ++g) {
    test::put32(loca, static_cast<uint32_t>(glyf.size()));
    if (g % step != 0) continue;
    const auto* from = bytes.data() + glyfTable->offset() + offsets[g];
    glyf.insert(glyf.end(), from, from + (offsets[g + 1] - offsets[g]));
  }
  test::put32(loca, static_cast<uint32_t>(glyf.size()));
  std::vector<std::pair<std::string, std::vector<uint8_t>>> tables;
  for (const auto& t : font.tables()) {
    std::vector<uint8_t> body(bytes.begin() + t->offset(),
                              bytes.begin() + t->offset() + t->length());
    const std::string tag = t->tagText();
    if (tag == "head") body[51] = 1;  // long offsets
    tables.emplace_back(tag, tag == "loca" ? loca : tag == "glyf" ? glyf : body);
  }
  return test::sfntBytes(tables);
}

struct FontCase {
  const char* path;
  uint32_t sample;  // the outlines kept: every one, or every so many
  bool mergeable;   // has runs of several off-curve points (IPA Mincho has none)
};

class ImportRealFonts : public ::testing::TestWithParam<FontCase> {};

TEST_P(ImportRealFonts, EveryGlyphAtItsCidWithTheFontsMapAdvancesAndOutlines) {
  const FontCase c = GetParam();
  test::TempFolder temp;
  std::filesystem::path file = c.path;
  if (c.sample > 1) {
    file = temp / file.filename().string();
    const std::vector<uint8_t> sampled = sampledFont(c.path, c.sample);
    test::writeFile(file, std::string(sampled.begin(), sampled.end()));
  }
  const auto lines = test::fontToolsLines(kPeerScript, file.string(), "GM", "1");
  ASSERT_FALSE(lines.empty());
  const std::filesystem::path folder = temp / "imported";
  std::filesystem::create_directory(folder);
  TTImporter importer;
  ASSERT_TRUE(importer.Open(file));
  importer.Name();
  TrueTypeImportRun imported = runTrueTypeImport(importer, folder, {true, 900, -200});
  ASSERT_EQ(imported.status, TrueTypeImportStatus::kImported);
  EXPECT_EQ(saveImportedCMap(*imported.cmap, importedCMapPath(folder, file)), "");
  const CCidFont& font = *imported.font;
  TTF ttf;
  ASSERT_TRUE(ttf.Open(file));
  const int32_t glyphs = static_cast<int32_t>(ttf.glyphCount());
  const double scale = 1000.0 / ttf.unitsPerEm();

  ASSERT_EQ(font.characterCount(), glyphs);
  for (int32_t cid = 0; cid < glyphs; ++cid) {
    const CharacterRecord& r = font.record(font.CharacterAt(cid));
    ASSERT_EQ(r.font * 513 + r.glyph, cid);
  }
  std::map<uint32_t, uint16_t> map;
  for (const auto& w : lines)
    if (w[0] == "M" && w[2] != "0") map[std::stoul(w[1])] = static_cast<uint16_t>(std::stoul(w[2]));
  CCodeMap cmap;
  ASSERT_TRUE(cmap.Read(folder / (file.stem().string() + ".cmp")));
  for (uint32_t code = 0; code <= 0xFFFF; ++code) {
    auto it = map.find(code);
    ASSERT_EQ(cmap.Lookup(code >> 8, code & 0xFF), it == map.end() ? CCodeMap::kNoCid : it->second)
        << code;
  }

  std::unique_ptr<SubsetFont> subset;
  int32_t loaded = -1;
  long curves = 0;
  long pieces = 0;
  for (const auto& w : lines) {
    if (w[0] != "G") continue;
    const int32_t index = std::stoi(w[1]);
    if (index / 513 != loaded) {
      loaded = index / 513;
      subset = ReadNativeFont(SubsetFontFilePath(folder, font.subsetFont(loaded).fileStem()));
      ASSERT_NE(subset, nullptr);
    }
    const Glyph& g = *subset->glyph(index % 513);
    EXPECT_EQ(g.name(), "CID-" + w[1]);
    EXPECT_EQ(g.advance(0),
              (Point{static_cast<int16_t>(std::ceil(std::stod(w[2]) * scale - 0.5)), 0}))
        << index;
    const Measure m = measure(g);
    EXPECT_NEAR(m.area, -std::stod(w[3]) * scale * scale, 3 * m.perimeter + 10) << index;
    if (!g.empty()) {
      const Box box = g.boundingBox();
      const int16_t got[] = {box.xMin, box.yMin, box.xMax, box.yMax};
      for (int k = 0; k < 4; ++k) EXPECT_NEAR(got[k], std::stod(w[4 + k]) * scale, 3.0) << index;
    }
    curves += m.curves;
    pieces += std::stol(w[8]);
  }
  std::printf("%s: %ld cubic segments for %ld quadratic pieces\n", c.path, curves, pieces);
  RecordProperty("cubicSegments", std::to_string(curves));
  // Each quadratic piece converted alone would give one cubic; merged runs give fewer.
  EXPECT_LE(curves, pieces);
  if (c.mergeable) {
    EXPECT_LT(curves, pieces * 4 / 5);
  }
}

INSTANTIATE_TEST_SUITE_P(DebianFonts, ImportRealFonts,
                         ::testing::Values(FontCase{test::kDejaVuSans, 1, true},
                                           FontCase{test::kDejaVuSansMono, 1, true},
                                           FontCase{test::kIpaMincho, 8, false}));

}  // namespace
}  // namespace sorvella
