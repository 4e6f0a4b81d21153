// Importing IPA Mincho (ipam.ttf, 12,728 glyphs, autohinted, with smooth joins) as a CID font:
// in memory (each subset font and the CMap made into their file bytes) and into a font folder
// (25 subset font files, the index file and the CMap file), against AFDKO's tx converting the
// same font to CFF; times in all and per glyph and the peak resident set size are counters.
// Also the cubic segments DejaVu Sans converts to.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "bench_timing.h"
#include "cidfont/binary_index_file.h"
#include "cidfont/font_folder.h"
#include "cidfont/truetype_font_import.h"
#include "cidfont/truetype_glyph_conversion.h"
#include "cmap/cmap_file_writer.h"
#include "glyph/native_font_writer.h"

namespace {

using namespace sorvella;
using namespace sorvella::bench;

constexpr const char* kIpaMincho = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf";
constexpr const char* kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

void BM_ImportIpaMinchoTrueTypeInMemory(benchmark::State& state) {
  Times import;
  int glyphs = 0;
  int subsetFonts = 0;
  double peak = 0;
  for (auto _ : state) {
    glyphs = subsetFonts = 0;
    resetPeakRss();
    const double cpu = cpuSeconds(RUSAGE_SELF);
    const Clock::time_point start = Clock::now();
    TTImporter importer;
    if (!importer.Open(kIpaMincho)) {
      state.SkipWithError("ipam.ttf (fonts-ipafont-mincho) cannot be read");
      return;
    }
    importer.Name();
    std::size_t bytes = 0;
    const bool run = importer.Run([&](CCidFont&, SubsetFont& subset) {
      glyphs += subset.slotCount();
      ++subsetFonts;
      bytes += nativeFontBytes(subset, 4).value_or(std::vector<uint8_t>()).size();
      return true;
    });
    bytes += CMapResourceText(importer.cmap()).size();
    const double seconds = secondsSince(start);
    import.add(seconds, cpuSeconds(RUSAGE_SELF) - cpu);
    peak = std::max(peak, peakRssMegabytes());
    if (!run || bytes == 0) {
      state.SkipWithError("the import failed");
      return;
    }
    state.SetIterationTime(seconds);
  }
  reportAgainstTxCff(state, kIpaMincho, import, glyphs, subsetFonts, peak);
}
BENCHMARK(BM_ImportIpaMinchoTrueTypeInMemory)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

void BM_ImportIpaMinchoTrueTypeToFolder(benchmark::State& state) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "sorvella-bench-ipam";
  Times import;
  int glyphs = 0;
  int subsetFonts = 0;
  double peak = 0;
  for (auto _ : state) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    resetPeakRss();
    const double cpu = cpuSeconds(RUSAGE_SELF);
    const Clock::time_point start = Clock::now();
    TTImporter importer;
    const bool opened = importer.Open(kIpaMincho);
    if (opened) importer.Name();
    TrueTypeImportRun run;
    if (opened) run = runTrueTypeImport(importer, folder, {true, 900, -200});
    const bool written = run.status == TrueTypeImportStatus::kImported &&
                         WriteBinaryIndex(*run.font, binaryIndexPath(folder)) &&
                         saveImportedCMap(*run.cmap, importedCMapPath(folder, kIpaMincho)).empty();
    const double seconds = secondsSince(start);
    import.add(seconds, cpuSeconds(RUSAGE_SELF) - cpu);
    peak = std::max(peak, peakRssMegabytes());
    if (!written) {
      state.SkipWithError("the import failed");
      return;
    }
    glyphs = run.font->characterCount();
    subsetFonts = run.font->subsetFontCount();
    state.SetIterationTime(seconds);
  }
  std::filesystem::remove_all(folder);
  reportAgainstTxCff(state, kIpaMincho, import, glyphs, subsetFonts, peak);
}
BENCHMARK(BM_ImportIpaMinchoTrueTypeToFolder)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// Every glyph of DejaVu Sans converted; the cubic segments of all of them are a counter.
void BM_ConvertDejaVuSansToCubics(benchmark::State& state) {
  long curves = 0;
  for (auto _ : state) {
    TTF font;
    if (!font.Open(kDejaVuSans)) {
      state.SkipWithError("DejaVuSans.ttf (fonts-dejavu-core) cannot be read");
      return;
    }
    curves = 0;
    for (uint32_t i = 0; i < font.glyphCount(); ++i) {
      std::unique_ptr<Glyph> g = ConvertGlyph(font, *font.glyph(i));
      for (int n = 0; g && n < g->nodeCount(); ++n) curves += g->type(n) == node_type::kCurve;
    }
  }
  state.counters["cubic_segments"] = static_cast<double>(curves);
}
BENCHMARK(BM_ConvertDejaVuSansToCubics)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
