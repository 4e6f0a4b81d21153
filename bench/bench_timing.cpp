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
