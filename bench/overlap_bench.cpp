// Remove overlap on every IPA Mincho glyph as it is, and on every glyph together with a copy
// of itself shifted by (15, 15), in ms per glyph with the failures counted; against AFDKO's
// overlap removal (`tx -t1 +V`) on a Type 1 font holding the same glyphs, both its whole time
// and what +V adds to a plain conversion.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "outline/overlap_removal.h"
#include "postscript/type1_font_writer.h"
#include "support_font.h"

namespace {

using namespace sorvella::bench;
namespace fs = std::filesystem;

// The glyphs of the fixture, made on first use; with `shifted` each carries a moved copy.
std::vector<sorvella::Glyph> ipaMinchoGlyphs(bool shifted) {
  std::vector<sorvella::Glyph> glyphs = sorvella::bench::ipaMinchoGlyphs();
  if (shifted) {
    for (sorvella::Glyph& g : glyphs) {
      sorvella::Outline copy(g);
      for (int i = 0; i < copy.nodeCount(); ++i)
        for (int k = 0; k < copy.pointCount(i); ++k) {
          sorvella::Point p = copy.point(i, k);
          copy.setPoint(i, k, 0, {static_cast<int16_t>(p.x + 15), static_cast<int16_t>(p.y + 15)});
        }
      g.appendNodes(copy, 0, copy.nodeCount());
    }
  }
  return glyphs;
}

// Times of `runs` runs of a shell command; negative when it failed.
Times commandTimes(const std::string& command, int runs) {
  Times times;
  for (int i = 0; i < runs; ++i) {
    const double cpu = cpuSeconds(RUSAGE_CHILDREN);
    Clock::time_point start = Clock::now();
    if (std::system(command.c_str()) != 0) return {};
    times.add(secondsSince(start), cpuSeconds(RUSAGE_CHILDREN) - cpu);
  }
  return times;
}

void removeOverlapAgainstTx(benchmark::State& state, bool shifted) {
  const std::vector<sorvella::Glyph> glyphs = ipaMinchoGlyphs(shifted);
  if (glyphs.empty()) {
    state.SkipWithError("the IPA Mincho fixture could not be made (tests/fixtures)");
    return;
  }
  int failures = 0;
  Times ours;
  for (auto _ : state) {
    std::vector<sorvella::Glyph> work = glyphs;
    failures = 0;
    const double cpu = cpuSeconds(RUSAGE_SELF);
    Clock::time_point start = Clock::now();
    for (sorvella::Glyph& g : work)
      if (sorvella::removeOverlap(g, 0, 2) != sorvella::OverlapStatus::kOk) ++failures;
    double seconds = secondsSince(start);
    ours.add(seconds, cpuSeconds(RUSAGE_SELF) - cpu);
    state.SetIterationTime(seconds);
  }

  sorvella::SubsetFont font;
  font.info().setText(sorvella::FontText::kFontName, "OverlapBench");
  for (const sorvella::Glyph& g : glyphs) font.appendSlot(std::make_unique<sorvella::Glyph>(g));
  const fs::path dir = fs::temp_directory_path();
  const fs::path in = dir / "sorvella-overlap-bench.pfb", out = dir / "sorvella-overlap-bench.t1";
  if (!sorvella::writeType1Font(font, in)) {
    state.SkipWithError("the Type 1 font for tx could not be written");
    return;
  }
  const std::string tx = "/usr/libexec/afdko/tx -t1 ";
  const std::string files = " '" + in.string() + "' '" + out.string() + "' >/dev/null 2>&1";
  const int runs = static_cast<int>(state.iterations());
  const Times withV = commandTimes(tx + "+V" + files, runs);
  const Times plain = commandTimes(tx + files, runs);
  fs::remove(in);
  fs::remove(out);
  if (withV.cpu < 0 || plain.cpu < 0) {
    state.SkipWithError("/usr/libexec/afdko/tx failed or is missing");
    return;
  }
  const double perGlyph = 1000 / static_cast<double>(glyphs.size());
  state.counters["glyphs"] = static_cast<double>(glyphs.size());
  state.counters["failures"] = failures;
  state.counters["ms_per_glyph"] = ours.wall * perGlyph;
  state.counters["cpu_ms_per_glyph"] = ours.cpu * perGlyph;
  state.counters["tx_V_ms_per_glyph"] = withV.wall * perGlyph;
  state.counters["tx_V_cpu_ms_per_glyph"] = withV.cpu * perGlyph;
  state.counters["tx_V_added_cpu_ms_per_glyph"] = (withV.cpu - plain.cpu) * perGlyph;
}

void BM_RemoveOverlapIpaMincho(benchmark::State& state) {
  removeOverlapAgainstTx(state, false);
}
void BM_RemoveOverlapIpaMinchoShifted(benchmark::State& state) {
  removeOverlapAgainstTx(state, true);
}

BENCHMARK(BM_RemoveOverlapIpaMincho)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveOverlapIpaMinchoShifted)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
