// CID font table operations on a font of 65,535 characters in 128 subset fonts.
#include <benchmark/benchmark.h>

#include "cidfont/cid_font.h"
#include "support_font.h"

namespace {

using sorvella::CCidFont;

using sorvella::bench::bigFont;

void BM_RebuildTables(benchmark::State& state) {
  CCidFont font = bigFont();
  for (auto _ : state) font.RebuildTables();
  state.counters["characters"] = font.characterCount();
}
BENCHMARK(BM_RebuildTables)->Unit(benchmark::kMillisecond);

void BM_Refresh(benchmark::State& state) {
  CCidFont font = bigFont();
  for (auto _ : state) font.Refresh();
}
BENCHMARK(BM_Refresh)->Unit(benchmark::kMillisecond);

// Each run starts from a fresh copy of the font, outside the timing.
template <typename Operation>
void runOnCopy(benchmark::State& state, Operation operation) {
  for (auto _ : state) {
    state.PauseTiming();
    CCidFont font = bigFont();
    state.ResumeTiming();
    operation(font);
    benchmark::DoNotOptimize(font.rangeTop());
    state.PauseTiming();
    { CCidFont released = std::move(font); }
    state.ResumeTiming();
  }
}

void BM_CopyRange10000(benchmark::State& state) {
  runOnCopy(state, [](CCidFont& f) { f.CopyRange(20000, 29999, 25000); });
}
BENCHMARK(BM_CopyRange10000)->Unit(benchmark::kMillisecond);

void BM_MoveRange10000(benchmark::State& state) {
  runOnCopy(state, [](CCidFont& f) { f.MoveRange(20000, 29999, 25000); });
}
BENCHMARK(BM_MoveRange10000)->Unit(benchmark::kMillisecond);

void BM_ClearRange10000(benchmark::State& state) {
  runOnCopy(state, [](CCidFont& f) { f.ClearRange(20000, 29999); });
}
BENCHMARK(BM_ClearRange10000)->Unit(benchmark::kMillisecond);

void BM_Compact(benchmark::State& state) {
  runOnCopy(state, [](CCidFont& f) { f.Compact(); });
}
BENCHMARK(BM_Compact)->Unit(benchmark::kMillisecond);

}  // namespace
