// Writing and reading the binary index file of a CID font of 65,535 characters.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "cidfont/binary_index_file.h"
#include "support_font.h"

namespace {

void BM_BinaryIndexWrite(benchmark::State& state) {
  const sorvella::CCidFont& font = sorvella::bench::bigFont();
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string file = sorvella::binaryIndexBytes(font);
    bytes += file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_BinaryIndexWrite)->Unit(benchmark::kMillisecond);

void BM_BinaryIndexRead(benchmark::State& state) {
  std::string file = sorvella::binaryIndexBytes(sorvella::bench::bigFont());
  std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(file.data()), file.size());
  for (auto _ : state) {
    auto result = sorvella::ReadBinaryIndex(bytes);
    benchmark::DoNotOptimize(result.font->characterCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_BinaryIndexRead)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

std::filesystem::path benchFile() {
  return std::filesystem::temp_directory_path() / "sorvella-bench" / "BENCH.sqf";
}

void BM_BinaryIndexWriteFile(benchmark::State& state) {
  sorvella::CCidFont font = sorvella::bench::bigFont();
  for (auto _ : state) benchmark::DoNotOptimize(sorvella::WriteBinaryIndex(font, benchFile()));
}
BENCHMARK(BM_BinaryIndexWriteFile)->Unit(benchmark::kMillisecond);

void BM_BinaryIndexReadFile(benchmark::State& state) {
  sorvella::CCidFont font = sorvella::bench::bigFont();
  sorvella::WriteBinaryIndex(font, benchFile());
  for (auto _ : state) {
    auto result = sorvella::ReadBinaryIndex(benchFile());
    result.font->RebuildTables();
    benchmark::DoNotOptimize(result.font->characterCount());
  }
  std::filesystem::remove_all(benchFile().parent_path());
}
BENCHMARK(BM_BinaryIndexReadFile)->Unit(benchmark::kMillisecond);

}  // namespace
