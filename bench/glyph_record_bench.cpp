// Glyph record write and read throughput for a 200-node glyph.
#include <benchmark/benchmark.h>

#include "glyph/glyph.h"
#include "glyph/glyph_record.h"

namespace {

sorvella::Glyph makeGlyph() {
  using sorvella::Node;
  sorvella::Glyph g;
  g.setName("uni4E00");
  g.setAdvance(0, {1000, 0});
  for (int c = 0; c < 10; ++c) {
    int16_t x0 = static_cast<int16_t>(50 + c * 90);
    g.appendNode(Node::move({x0, 100}));
    for (int k = 1; k < 20; ++k) {
      auto x = static_cast<int16_t>(x0 + k * 7);
      auto y = static_cast<int16_t>(100 + (k * 37) % 700);
      if (k % 2)
        g.appendNode(Node::line({x, y}));
      else
        g.appendNode(Node::curve({x, y}, {static_cast<int16_t>(x - 3), static_cast<int16_t>(y + 40)},
                                 {static_cast<int16_t>(x - 1), static_cast<int16_t>(y + 20)}));
    }
  }
  auto& hints = g.hints().emplace();
  for (int k = 0; k < 8; ++k) {
    hints.horizontal.push_back({{{static_cast<int16_t>(100 * k), 60}}});
    hints.vertical.push_back({{{static_cast<int16_t>(120 * k), 70}}});
  }
  return g;
}

void BM_GlyphRecordWrite(benchmark::State& state) {
  sorvella::Glyph g = makeGlyph();
  std::size_t bytes = 0;
  for (auto _ : state) {
    auto record = sorvella::glyphRecordBytes(g);
    bytes += record.size();
    benchmark::DoNotOptimize(record.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
  state.counters["nodes"] = g.nodeCount();
}
BENCHMARK(BM_GlyphRecordWrite);

void BM_GlyphRecordRead(benchmark::State& state) {
  auto record = sorvella::glyphRecordBytes(makeGlyph());
  for (auto _ : state) {
    sorvella::Glyph g;
    bool ok = sorvella::readGlyphRecord(g, record);
    benchmark::DoNotOptimize(ok);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * record.size()));
  state.counters["record_bytes"] = static_cast<double>(record.size());
}
BENCHMARK(BM_GlyphRecordRead);

}  // namespace
