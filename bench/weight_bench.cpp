// Change weight (+20, +20, rounded corners, dimensions kept) on every IPA Mincho glyph, in ms
// per glyph, with the glyphs whose offset contours the overlap engine could not merge.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "cidfont/cid_font_import.h"
#include "outline/weight_outline.h"

namespace {

using namespace sorvella::bench;
namespace fs = std::filesystem;

std::vector<sorvella::Glyph> minchoGlyphs() {
  const fs::path path = fs::path(SORVELLA_FIXTURE_DIR) / "ipamincho.cid";
  if (!fs::exists(path)) {
    const std::string command =
        std::string("bash '") + SORVELLA_FIXTURE_SCRIPT + "' '" + SORVELLA_FIXTURE_DIR + "'";
    if (std::system(command.c_str()) != 0) return {};
  }
  std::vector<sorvella::Glyph> glyphs;
  sorvella::importCidFont(path, [&](sorvella::CCidFont&, sorvella::SubsetFont& font) {
    for (int32_t g = 0; g < font.slotCount(); ++g)
      if (font.glyph(g)) glyphs.push_back(*font.glyph(g));
    return true;
  });
  return glyphs;
}

void BM_ChangeWeightIpaMincho(benchmark::State& state) {
  const std::vector<sorvella::Glyph> glyphs = minchoGlyphs();
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
