// Autohinting every glyph of the IPA Mincho CIDFont (12,728 glyphs, existing hints removed
// first) on one core: CPU milliseconds per glyph and in all, and what the glyphs received,
// as counters. The fixture is imported once, outside the timing, and made on first use.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cidfont/autohint_fonts.h"
#include "cidfont/cid_font_import.h"

namespace {

std::filesystem::path ipaMinchoFixture() {
  const auto path = std::filesystem::path(SORVELLA_FIXTURE_DIR) / "ipamincho.cid";
  if (!std::filesystem::exists(path)) {
    const std::string command =
        std::string("bash '") + SORVELLA_FIXTURE_SCRIPT + "' '" + SORVELLA_FIXTURE_DIR + "'";
    if (std::system(command.c_str()) != 0) return {};
  }
  return path;
}

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_AutohintIpaMincho(benchmark::State& state) {
  const std::filesystem::path path = ipaMinchoFixture();
  std::vector<std::unique_ptr<sorvella::SubsetFont>> fonts;
  if (path.empty() ||
      !sorvella::importCidFont(path, [&](sorvella::CCidFont&, sorvella::SubsetFont& font) {
         fonts.push_back(std::make_unique<sorvella::SubsetFont>(std::move(font)));
         return true;
       }).font) {
    state.SkipWithError("the IPA Mincho fixture could not be made or imported (tests/fixtures)");
    return;
  }
  sorvella::AutohintParameters parameters;
  parameters.removeHints = true;
  sorvella::AutohintTally tally;
  double best = -1;
  int32_t slots = 0;
  for (auto _ : state) {
    tally = {};
    slots = 0;
    const double start = cpuSeconds();
    for (auto& font : fonts) {
      sorvella::autohintSubsetFont(*font, parameters, tally);
      slots += font->slotCount();
    }
    const double seconds = cpuSeconds() - start;
    best = best < 0 ? seconds : std::min(best, seconds);
    state.SetIterationTime(seconds);
  }
  state.counters["glyphs"] = slots;
  state.counters["cpu_ms"] = best * 1000;
  state.counters["cpu_ms_per_glyph"] = best * 1000 / std::max(slots, 1);
  state.counters["hints_mean"] = static_cast<double>(tally.hints) / std::max(tally.glyphs, 1);
  state.counters["hints_max"] = tally.mostHints;
  state.counters["with_program_pct"] = 100.0 * tally.withProgram / std::max(tally.glyphs, 1);
  state.counters["failed"] = static_cast<double>(tally.failures.size());
}
BENCHMARK(BM_AutohintIpaMincho)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
