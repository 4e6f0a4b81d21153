#include "cidfont/truetype_glyph_conversion.h"

#include <algorithm>

#include "base/rounding.h"
#include "cidfont/quad_to_cubic_pen.h"
#include "glyph/outline_pen.h"

namespace sorvella {

namespace {

// x' = ((x - shift) * 1000 + units / 2) / units, in integers, the division truncating.
int16_t scaled(int64_t v, int64_t units) {
  return static_cast<int16_t>(
      std::clamp<int64_t>((v * kTrueTypeSubsetUnitsPerEm + units / 2) / units, -32768, 32767));
}

// The contour in reversed order: its first point, then the others from the last backwards.
// A contour that starts off the curve starts at its first on-curve point instead, or, with
// none, at the implied point between its first and last points, so that the shape stays.
void feedReversed(std::span<const ScaledPoint> contour, QuadToCubicPen& pen) {
  std::vector<ScaledPoint> order;
  order.reserve(contour.size());
  order.push_back(contour[0]);
  for (std::size_t i = contour.size() - 1; i > 0; --i) order.push_back(contour[i]);
  auto firstOn =
      std::find_if(order.begin(), order.end(), [](const ScaledPoint& s) { return s.onCurve; });
  if (firstOn != order.end()) {
    std::rotate(order.begin(), firstOn, order.end());
    pen.moveTo(order[0].p);
    for (std::size_t i = 1; i < order.size(); ++i) pen.addPoint(order[i].p, order[i].onCurve);
  } else {
    const Point a = order.back().p;
    const Point b = order.front().p;
    pen.moveTo({roundToInt16((a.x + b.x) / 2.0), roundToInt16((a.y + b.y) / 2.0)});
    for (const ScaledPoint& s : order) pen.addPoint(s.p, false);
  }
  pen.closePath();
}

}  // namespace

void passReversedContours(std::span<const ScaledPoint> points, std::span<const uint32_t> endPoints,
                          OutlinePen& out) {
  QuadToCubicPen pen(out);
  std::size_t start = 0;
  for (uint32_t end : endPoints) {
    if (end >= points.size()) break;
    if (end > start)  // a contour of one point is skipped
      feedReversed(points.subspan(start, end - start + 1), pen);
    start = end + 1;
  }
}

std::unique_ptr<Glyph> ConvertGlyph(TTF& font, TTGLYPH& glyph) {
  const int64_t units = font.unitsPerEm();
  if (units == 0) return nullptr;
  const bool wasLoaded = glyph.loaded();
  const bool decoded = font.LoadOutline(glyph);

  // Horizontal glyphs: the advance height stays out of the advance vector. The product is
  // divided last, so that an exact half stays exact and goes down.
  auto result = std::make_unique<Glyph>(1);
  result->setAdvance(0, {roundToInt16(glyph.advanceWidth() * double{kTrueTypeSubsetUnitsPerEm} /
                                      static_cast<double>(units)),
                         0});

  const bool simple = decoded && glyph.kind() != TTGlyphKind::kEmpty &&
                      (glyph.kind() == TTGlyphKind::kSimple || font.Flatten(glyph));
  const TTGlyphOutline& outline = glyph.outline();
  if (simple && outline.points.size() <= kScaledPointBuffer) {
    const int64_t shift = int64_t{glyph.header().xMin} - glyph.leftSideBearing();
    std::vector<ScaledPoint> points;
    points.reserve(outline.points.size());
    for (const TTPoint& p : outline.points)
      points.push_back({{scaled(p.x - shift, units), scaled(p.y, units)}, p.onCurve()});

    OutlineBuilder builder(*result);
    passReversedContours(points, outline.endPoints, builder);
    builder.end();
  }
  if (!wasLoaded) font.ReleaseOutline(glyph);
  return result;
}

}  // namespace sorvella
