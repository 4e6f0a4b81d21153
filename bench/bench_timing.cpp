#include "bench_timing.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

namespace sorvella::bench {

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double cpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void Times::add(double w, double c) {
  wall = wall < 0 ? w : std::min(wall, w);
  cpu = cpu < 0 ? c : std::min(cpu, c);
}

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

void reportAgainstTxCff(benchmark::State& state, const std::filesystem::path& font,
                        const Times& import, int glyphs, int subsetFonts, double peakMegabytes) {
  const Times tx = txCffTimes(font, static_cast<int>(state.iterations()));
  if (tx.wall < 0) {
    state.SkipWithError("/usr/libexec/afdko/tx failed or is missing");
    return;
  }
  state.counters["glyphs"] = glyphs;
  state.counters["subset_fonts"] = subsetFonts;
  state.counters["import_ms"] = import.wall * 1000;
  state.counters["ms_per_glyph"] = glyphs > 0 ? import.wall * 1000 / glyphs : 0;
  state.counters["import_cpu_ms"] = import.cpu * 1000;
  state.counters["tx_cff_ms"] = tx.wall * 1000;
  state.counters["tx_cff_cpu_ms"] = tx.cpu * 1000;
  state.counters["import_per_tx"] = import.wall / tx.wall;
  state.counters["import_per_tx_cpu"] = tx.cpu > 0 ? import.cpu / tx.cpu : 0;
  state.counters["peak_rss_MB"] = peakMegabytes;
}

double peakRssMegabytes() {
  // VmHWM follows resets; the resource usage's maximum does not.
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void resetPeakRss() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace sorvella::bench
