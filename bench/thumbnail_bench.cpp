// Thumbnails per second for 200-node glyphs shaped like CJK characters (a CJK import makes
// one thumbnail per glyph).
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "cidfont/thumbnail.h"
#include "glyph/glyph.h"

namespace {

using sorvella::Glyph;
using sorvella::Node;
using sorvella::Point;

Point pt(double x, double y) {
  return {static_cast<int16_t>(std::lround(x)), static_cast<int16_t>(std::lround(y))};
}

// Ten strokes (five across, five down, crossing one another) of 20 nodes each: the outline
// runs around a rounded box, alternating straight pieces and slightly swelling curves, as
// brush strokes do. With `quadratic`, the curves are TrueType off-curve points instead.
Glyph makeStrokeGlyph(bool quadratic) {
  Glyph g;
  g.setName("uni9F98");
  g.setAdvance(0, {1000, 0});
  constexpr int kNodes = 20;
  for (int s = 0; s < 10; ++s) {
    bool across = s < 5;
    double cx = across ? 500 : 120 + (s - 5) * 190;
    double cy = across ? 760 - s * 190 : 330;
    double halfW = across ? 420 - s * 30 : 38;
    double halfH = across ? 34 : 430 - (s - 5) * 40;
    auto around = [&](double a) {
      // A superellipse: box-like sides with rounded ends.
      double c = std::cos(a), sn = std::sin(a);
      return pt(cx + halfW * std::copysign(std::pow(std::abs(c), 0.3), c),
                cy + halfH * std::copysign(std::pow(std::abs(sn), 0.3), sn));
    };
    const double step = 2 * std::numbers::pi / kNodes;
    g.appendNode(Node::move(around(0)));
    for (int k = 1; k < kNodes; ++k) {
      double a = k * step;
      if (k % 2) {
        g.appendNode(Node::line(around(a)));
      } else if (quadratic) {
        Point c = around(a);
        g.appendNode(Node::offCurve(pt(c.x + (c.x - cx) * 0.04, c.y + (c.y - cy) * 0.04)));
      } else {
        Point c1 = around(a - step * 2 / 3), c2 = around(a - step / 3);
        g.appendNode(Node::curve(around(a), pt(c1.x + (c1.x - cx) * 0.03, c1.y),
                                 pt(c2.x + (c2.x - cx) * 0.03, c2.y)));
      }
    }
  }
  return g;
}

void runThumbnails(benchmark::State& state, const Glyph& g) {
  for (auto _ : state) {
    sorvella::Thumbnail t = sorvella::makeThumbnail(g, 900, -200);
    benchmark::DoNotOptimize(t.data());
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["nodes"] = g.nodeCount();
}

void BM_ThumbnailCubic(benchmark::State& state) {
  runThumbnails(state, makeStrokeGlyph(false));
}
BENCHMARK(BM_ThumbnailCubic);

void BM_ThumbnailQuadratic(benchmark::State& state) {
  runThumbnails(state, makeStrokeGlyph(true));
}
BENCHMARK(BM_ThumbnailQuadratic);

}  // namespace
