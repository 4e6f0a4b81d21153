// ConvertGlyph over Debian's DejaVu Sans, DejaVu Sans Mono and IPA Mincho against fontTools:
// every glyph's advance scaled to 1000 units, its area (with the contours reversed) and its
// bounding box; and how many cubic segments DejaVu Sans takes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "cidfont/truetype_glyph_conversion.h"
#include "support/truetype_peer.h"

namespace sorvella {
namespace {

// index advance (xMax - xMin for 0) area xMin yMin xMax yMax quadraticPieces, for every
// glyph whose index is a multiple of the step.
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
f = TTFont(sys.argv[1]); gs = f.getGlyphSet(); glyf = f['glyf']
for i, name in enumerate(f.getGlyphOrder()):
    if i % int(sys.argv[2]): continue
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

struct FontCase {
  const char* path;
  int step;        // every glyph of the DejaVu fonts, every fourth of the 12,728 of IPA Mincho
  bool mergeable;  // has runs of several off-curve points (IPA Mincho has none)
};

class ConvertRealFonts : public ::testing::TestWithParam<FontCase> {};

TEST_P(ConvertRealFonts, AdvancesAreasAndBoxesMatchFontTools) {
  const FontCase c = GetParam();
  const auto lines = test::fontToolsLines(kPeerScript, c.path, "G", std::to_string(c.step));
  ASSERT_FALSE(lines.empty());
  TTF font;
  ASSERT_TRUE(font.Open(c.path));
  const double scale = 1000.0 / font.unitsPerEm();
  long curves = 0;
  long pieces = 0;
  for (const auto& w : lines) {
    const uint32_t index = static_cast<uint32_t>(std::stoi(w[1]));
    std::unique_ptr<Glyph> g = ConvertGlyph(font, *font.glyph(index));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->advance(0),
              (Point{static_cast<int16_t>(std::ceil(std::stod(w[2]) * scale - 0.5)), 0}))
        << index;
    const Measure m = measure(*g);
    const double area = -std::stod(w[3]) * scale * scale;
    EXPECT_NEAR(m.area, area, 3 * m.perimeter + 10) << "glyph " << index;
    if (!g->empty()) {
      const Box box = g->boundingBox();
      const double expected[] = {std::stod(w[4]), std::stod(w[5]), std::stod(w[6]),
                                 std::stod(w[7])};
      const int16_t got[] = {box.xMin, box.yMin, box.xMax, box.yMax};
      for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(got[k], expected[k] * scale, 3.0) << "glyph " << index;
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

INSTANTIATE_TEST_SUITE_P(DebianFonts, ConvertRealFonts,
                         ::testing::Values(FontCase{test::kDejaVuSans, 1, true},
                                           FontCase{test::kDejaVuSansMono, 1, true},
                                           FontCase{test::kIpaMincho, 4, false}));

}  // namespace
}  // namespace sorvella
