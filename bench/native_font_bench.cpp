// Native font file write and read for a full subset font: 512 glyphs of 100 nodes each.
#include <benchmark/benchmark.h>

#include "glyph/native_font_file.h"

namespace {

using sorvella::Node;

std::unique_ptr<sorvella::Glyph> makeGlyph(int index) {
  auto g = std::make_unique<sorvella::Glyph>();
  g->setName("CID-" + std::to_string(index));
  g->setAdvance(0, {1000, 0});
  for (int c = 0; c < 5; ++c) {
    auto x0 = static_cast<int16_t>(60 + c * 180 + index % 7);
    g->appendNode(Node::move({x0, 80}));
    for (int k = 1; k < 20; ++k) {
      auto x = static_cast<int16_t>(x0 + k * 8);
      auto y = static_cast<int16_t>(80 + (k * 41 + index) % 760);
      if (k % 3)
        g->appendNode(Node::line({x, y}));
      else
        g->appendNode(Node::curve({x, y},
                                  {static_cast<int16_t>(x - 5), static_cast<int16_t>(y + 30)},
                                  {static_cast<int16_t>(x - 2), static_cast<int16_t>(y + 12)}));
    }
  }
  auto& hints = g->hints().emplace();
  for (int k = 0; k < 6; ++k) {
    hints.horizontal.push_back({{{static_cast<int16_t>(100 + 120 * k), 40}}});
    hints.vertical.push_back({{{static_cast<int16_t>(80 + 150 * k), 60}}});
  }
  return g;
}

const sorvella::SubsetFont& benchFont() {
  static const sorvella::SubsetFont font = [] {
    sorvella::SubsetFont f;
    f.info().setText(sorvella::FontText::kFontName, "Bench-Mincho-0001");
    for (int i = 0; i < 512; ++i) f.appendSlot(makeGlyph(i));
    return f;
  }();
  return font;
}

constexpr int kFlags = sorvella::native_font_flag::kFullInfo;

void BM_NativeFontWrite(benchmark::State& state) {
  const sorvella::SubsetFont& font = benchFont();
  std::size_t bytes = 0;
  for (auto _ : state) {
    auto file = sorvella::nativeFontBytes(font, kFlags);
    bytes += file->size();
    benchmark::DoNotOptimize(file->data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
  state.counters["glyphs"] = font.slotCount();
  state.counters["nodes_per_glyph"] = font.glyph(0)->nodeCount();
}
BENCHMARK(BM_NativeFontWrite)->Unit(benchmark::kMillisecond);

void BM_NativeFontRead(benchmark::State& state) {
  std::vector<uint8_t> file = *sorvella::nativeFontBytes(benchFont(), kFlags);
  for (auto _ : state) {
    auto font = sorvella::ReadNativeFont(file);
    if (!font) state.SkipWithError("the font did not read back");
    benchmark::DoNotOptimize(font.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
  state.counters["file_bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_NativeFontRead)->Unit(benchmark::kMillisecond);

}  // namespace
