// Template files come from anywhere: a hostile header must neither crash the reader nor make
// it allocate what the file cannot hold, and what it reads must be written back the same.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "charts/chart_template.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  sorvella::ChartTemplate read;
  if (!sorvella::ReadTemplateBytes(bytes, read)) return 0;
  if (read.recordBytes().size() > size) std::abort();
  read.rebuildLookup(static_cast<int32_t>(size % 70000));
  for (uint32_t i = 0; i < read.count(); ++i) {
    const int32_t found = read.ImageOf(static_cast<int32_t>(read.cidOf(i)));
    if (read.cidOf(i) <= INT32_MAX &&
        (found < 0 || read.cidOf(static_cast<uint32_t>(found)) != read.cidOf(i)))
      std::abort();
    read.setImage(i, read.image(i));
  }
  const std::string text = sorvella::templateFileBytes(read);
  sorvella::ChartTemplate back;
  if (!sorvella::ReadTemplateBytes(
          std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), back) ||
      sorvella::templateFileBytes(back) != text)
    std::abort();
  return 0;
}
