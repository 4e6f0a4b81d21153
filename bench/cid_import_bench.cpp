// Importing the IPA Mincho CIDFont (every glyph, Adobe-Identity-0) into subset fonts in
// memory, against AFDKO's tx converting the same file to CFF: the best wall-clock and CPU
// times of each and their ratios, and the peak resident set size, are counters. The fixture
// is made on first use.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "cidfont/cid_font_import.h"

namespace {

using Clock = std::chrono::steady_clock;

std::filesystem::path ipaMincho() {
  const std::filesystem::path path = std::filesystem::path(SORVELLA_FIXTURE_DIR) / "ipamincho.cid";
  if (!std::filesystem::exists(path)) {
    const std::string command =
        std::string("bash '") + SORVELLA_FIXTURE_SCRIPT + "' '" + SORVELLA_FIXTURE_DIR + "'";
    if (std::system(command.c_str()) != 0) return {};
  }
  return path;
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double cpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Best wall-clock and CPU times of a few runs; on a shared machine the best runs are the ones
// least disturbed by others.
struct Times {
  double wall = -1;
  double cpu = -1;
  void add(double w, double c) {
    wall = wall < 0 ? w : std::min(wall, w);
    cpu = cpu < 0 ? c : std::min(cpu, c);
  }
};

Times txCffTimes(const std::filesystem::path& font, int runs) {
  const std::filesystem::path out = std::filesystem::temp_directory_path() / "sorvella-bench.cff";
  const std::string command =
      "/usr/libexec/afdko/tx -cff '" + font.string() + "' '" + out.string() + "' >/dev/null 2>&1";
  Times times;
  for (int i = 0; i < runs; ++i) {
    const double cpu = cpuSeconds(RUSAGE_CHILDREN);
    const Clock::time_point start = Clock::now();
    if (std::system(command.c_str()) != 0) return {};
    times.add(secondsSince(start), cpuSeconds(RUSAGE_CHILDREN) - cpu);
  }
  std::filesystem::remove(out);
  return times;
}

double peakRssMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
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
  const Times tx = txCffTimes(font, static_cast<int>(state.iterations()));
  if (tx.wall < 0) {
    state.SkipWithError("/usr/libexec/afdko/tx failed or is missing");
    return;
  }
  state.counters["glyphs"] = glyphs;
  state.counters["subset_fonts"] = subsetFonts;
  state.counters["import_ms"] = import.wall * 1000;
  state.counters["tx_cff_ms"] = tx.wall * 1000;
  state.counters["import_per_tx"] = import.wall / tx.wall;
  state.counters["import_cpu_ms"] = import.cpu * 1000;
  state.counters["tx_cff_cpu_ms"] = tx.cpu * 1000;
  state.counters["import_per_tx_cpu"] = import.cpu / tx.cpu;
  state.counters["peak_rss_MB"] = peakRssMegabytes();
}
BENCHMARK(BM_ImportIpaMinchoAgainstTxCff)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace
