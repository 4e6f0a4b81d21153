// Timing helpers the import benchmarks share: best wall-clock and CPU times of a few runs,
// AFDKO's tx converting a font to CFF as the reference, and the peak resident set size.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace sorvella::bench {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start);
// RUSAGE_SELF or RUSAGE_CHILDREN.
double cpuSeconds(int who);

// Best wall-clock and CPU times of a few runs; on a shared machine the best runs are the ones
// least disturbed by others.
struct Times {
  double wall = -1;
  double cpu = -1;
  void add(double w, double c);
};

// `tx -cff font` run `runs` times; wall -1 when tx failed or is missing.
Times txCffTimes(const std::filesystem::path& font, int runs);

// The counters of an import of `glyphs` glyphs in `subsetFonts` subset fonts against
// `tx -cff font`, run as often as the benchmark ran; the benchmark is skipped when tx failed.
void reportAgainstTxCff(benchmark::State& state, const std::filesystem::path& font,
                        const Times& import, int glyphs, int subsetFonts, double peakMegabytes);

// The process's peak resident set size in MB since the last reset (or since it started).
double peakRssMegabytes();
// Starts a new peak at the present size, where the system allows it (Linux 4.0 on).
void resetPeakRss();

}  // namespace sorvella::bench
