// Importing the IPA Mincho CIDFont (every glyph, Adobe-Identity-0) into subset fonts in
// memory, against AFDKO's tx converting the same file to CFF: the best wall-clock and CPU
// times of each and their ratios, and the peak resident set size, are counters. The fixture
// is made on first use.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_timing.h"
#include "cidfont/cid_font_import.h"

namespace {

using namespace sorvella::bench;

std::filesystem::path ipaMincho() {
  const std::filesystem::path path = std::filesystem::path(SORVELLA_FIXTURE_DIR) / "ipamincho.cid";
  if (!std::filesystem::exists(path)) {
    const std::string command =
        std::string("bash '") + SORVELLA_FIXTURE_SCRIPT + "' '" + SORVELLA_FIXTURE_DIR + "'";
    if (std::system(command.c_str()) != 0) return {};
  }
  return path;
}

void BM_ImportIpaMinchoAgainstTxCff(benchmark::State& state) {
  const std::filesystem::path font = ipaMincho();
  if (font.empty() || !std::filesystem::exists(font)) {
    state.SkipWithError("the IPA Mincho fixture could not be made (tests/fixtures)");
    return;
  }
  Times import;
  int glyphs = 0;
  int subsetFonts = 0;
  for (auto _ : state) {
    glyphs = subsetFonts = 0;
    const double cpu = cpuSeconds(RUSAGE_SELF);
    const Clock::time_point start = Clock::now();
    // Each subset font is dropped as soon as it is counted.
    const sorvella::CidFontImport imported =
        sorvella::importCidFont(font, [&](sorvella::CCidFont&, sorvella::SubsetFont& subset) {
          glyphs += subset.slotCount();
          ++subsetFonts;
          return true;
        });
    const double seconds = secondsSince(start);
    import.add(seconds, cpuSeconds(RUSAGE_SELF) - cpu);
    if (!imported.font) {
      state.SkipWithError("the import failed");
      return;
    }
    state.SetIterationTime(seconds);
  }
  reportAgainstTxCff(state, font, import, glyphs, subsetFonts, peakRssMegabytes());
}
BENCHMARK(BM_ImportIpaMinchoAgainstTxCff)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace
