// Change weight (+20, +20, rounded corners, dimensions kept) on every IPA Mincho glyph, in ms
// per glyph, with the glyphs whose offset contours the overlap engine could not merge.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <vector>

#include "bench_timing.h"
#include "outline/weight_outline.h"
#include "support_font.h"

namespace {

using namespace sorvella::bench;

void BM_ChangeWeightIpaMincho(benchmark::State& state) {
  const std::vector<sorvella::Glyph> glyphs = ipaMinchoGlyphs();
  if (glyphs.empty()) {
    state.SkipWithError("the IPA Mincho fixture could not be made (tests/fixtures)");
    return;
  }
  const sorvella::WeightParameters weight{20, 20, true, true};
  int fallbacks = 0;
  Times times;
  for (auto _ : state) {
    std::vector<sorvella::Glyph> work = glyphs;
    fallbacks = 0;
    const double cpu = cpuSeconds(RUSAGE_SELF);
    Clock::time_point start = Clock::now();
    for (sorvella::Glyph& g : work)
      if (sorvella::changeWeight(g, weight).outcome == sorvella::OffsetOutcome::kRawOffset)
        ++fallbacks;
    const double seconds = secondsSince(start);
    times.add(seconds, cpuSeconds(RUSAGE_SELF) - cpu);
    state.SetIterationTime(seconds);
  }
  const double perGlyph = 1000 / static_cast<double>(glyphs.size());
  state.counters["glyphs"] = static_cast<double>(glyphs.size());
  state.counters["fallbacks"] = fallbacks;
  state.counters["ms_per_glyph"] = times.wall * perGlyph;
  state.counters["cpu_ms_per_glyph"] = times.cpu * perGlyph;
}

BENCHMARK(BM_ChangeWeightIpaMincho)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
