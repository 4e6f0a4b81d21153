// Reading the 35 Type 1 fonts of fonts-urw-base35 into subset fonts, with the time AFDKO's
// `tx -mtx` takes over the same files as a yardstick.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "postscript/program_encodings.h"
#include "postscript/type1_font_file.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr char kFontFolder[] = "/usr/share/fonts/X11/Type1";
constexpr char kTx[] = "/usr/libexec/afdko/tx";
constexpr std::size_t kUrwFontCount = 35;

const std::vector<fs::path>& urwFonts() {
  static const std::vector<fs::path> fonts = [] {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(kFontFolder, error), end; !error && it != end;
         it.increment(error))
      if (it->path().extension() == ".pfb") found.push_back(it->path());
    std::sort(found.begin(), found.end());
    return found;
  }();
  return fonts;
}

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// tx -mtx once per font, timed once per process; a negative value when a run failed.
double txMilliseconds() {
  static const double milliseconds = [] {
    const Clock::time_point start = Clock::now();
    for (const fs::path& font : urwFonts()) {
      const std::string command =
          std::string(kTx) + " -mtx '" + font.string() + "' >/dev/null 2>&1";
      if (std::system(command.c_str()) != 0) return -1.0;
    }
    return millisecondsSince(start);
  }();
  return milliseconds;
}

void BM_Type1ReadUrwFonts(benchmark::State& state) {
  if (urwFonts().size() != kUrwFontCount) {
    state.SkipWithError("the fonts of fonts-urw-base35 are missing");
    return;
  }
  std::size_t glyphs = 0;
  const Clock::time_point start = Clock::now();
  for (auto _ : state) {
    glyphs = 0;
    for (const fs::path& path : urwFonts()) {
      const auto font = sorvella::readType1Font(path, sorvella::programEncodings());
      if (!font) {
        state.SkipWithError(("could not read " + path.string()).c_str());
        return;
      }
      glyphs += static_cast<std::size_t>(font->slotCount());
      benchmark::DoNotOptimize(font.get());
    }
  }
  const double ours = millisecondsSince(start) / static_cast<double>(state.iterations());
  state.counters["fonts"] = static_cast<double>(urwFonts().size());
  state.counters["glyphs"] = static_cast<double>(glyphs);

  if (!fs::exists(kTx)) {
    state.SkipWithError("tx (afdko) is missing");
    return;
  }
  const double tx = txMilliseconds();
  if (tx < 0) {
    state.SkipWithError("tx -mtx failed");
    return;
  }
  state.counters["tx_ms"] = tx;
  // Below 1: reading takes less time than tx -mtx on the same fonts.
  state.counters["time_vs_tx"] = ours / tx;
}
BENCHMARK(BM_Type1ReadUrwFonts)->Unit(benchmark::kMillisecond);

}  // namespace
