// Reading the largest everyday CMap, UniJIS-UCS2-H of poppler-data, and writing it again.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "cmap/cmap_file_writer.h"
#include "cmap/code_map.h"

namespace {

const std::filesystem::path kUniJis = "/usr/share/poppler/cMap/Adobe-Japan1/UniJIS-UCS2-H";

std::filesystem::path benchFolder() {
  return std::filesystem::temp_directory_path() / "sorvella-cmap-bench";
}

void BM_CMapRead(benchmark::State& state) {
  for (auto _ : state) {
    sorvella::CCodeMap cmap;
    if (!cmap.Read(kUniJis)) {
      state.SkipWithError("UniJIS-UCS2-H cannot be read: install poppler-data");
      return;
    }
    benchmark::DoNotOptimize(cmap.Lookup(0x30, 0x42));
  }
  state.SetBytesProcessed(
      static_cast<int64_t>(state.iterations() * std::filesystem::file_size(kUniJis)));
}
BENCHMARK(BM_CMapRead)->Unit(benchmark::kMillisecond);

void BM_CMapWriteText(benchmark::State& state) {
  sorvella::CCodeMap cmap;
  if (!cmap.Read(kUniJis)) {
    state.SkipWithError("UniJIS-UCS2-H cannot be read: install poppler-data");
    return;
  }
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string text = sorvella::CMapResourceText(cmap);
    bytes += text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_CMapWriteText)->Unit(benchmark::kMillisecond);

void BM_CMapSave(benchmark::State& state) {
  sorvella::CCodeMap cmap;
  if (!cmap.Read(kUniJis)) {
    state.SkipWithError("UniJIS-UCS2-H cannot be read: install poppler-data");
    return;
  }
  const std::filesystem::path file = benchFolder() / "UniJIS-UCS2-H.cmp";
  for (auto _ : state) {
    if (!cmap.Save(file)) {
      state.SkipWithError("the CMap cannot be saved");
      break;
    }
  }
  std::filesystem::remove_all(benchFolder());
}
BENCHMARK(BM_CMapSave)->Unit(benchmark::kMillisecond);

}  // namespace
