// CMap files come from anywhere: hostile codes, counts and numbers must neither crash nor hang
// the reader, and whatever it reads must come back the same through the writer.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "cmap/cmap_file_writer.h"
#include "cmap/cmap_resource_probe.h"
#include "cmap/code_map.h"
#include "postscript/resource_text_scanner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  sorvella::ResourceTextScanner probe(bytes);
  (void)sorvella::baseCMapName(probe);
  sorvella::ResourceTextScanner font(bytes);
  (void)sorvella::isRearrangedFont(font);

  sorvella::CCodeMap cmap;
  if (!cmap.ReadBytes(bytes)) return 0;
  const std::string text = sorvella::CMapResourceText(cmap);
  sorvella::CCodeMap back;
  const bool readBack =
      back.ReadBytes(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  if (!readBack || back.wMode != cmap.wMode || back.supplement != cmap.supplement ||
      back.uidOffset != cmap.uidOffset || back.xuid != cmap.xuid ||
      back.xuidCount != cmap.xuidCount || back.notdefs != cmap.notdefs ||
      !std::equal(back.codeTable().begin(), back.codeTable().end(), cmap.codeTable().begin()))
    std::abort();
  return 0;
}
