// Binary index files from disk must never crash the reader; whatever it reads must write back
// to a file that reads the same.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "cidfont/binary_index_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  auto result = sorvella::ReadBinaryIndex(std::span(data, size));
  sorvella::CCidFont& font = *result.font;
  font.RebuildTables();
  std::string bytes = sorvella::binaryIndexBytes(font);
  auto again = sorvella::ReadBinaryIndex(
      std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  if (again.font->characterCount() != font.characterCount()) std::abort();
  return 0;
}
