// Glyph records from anywhere (native font files, the clipboard) must never crash the reader,
// and whatever it accepts must write back to a record that reads the same.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "glyph/glyph.h"
#include "glyph/glyph_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  sorvella::Glyph glyph;
  if (!sorvella::readGlyphRecord(glyph, std::span(data, size))) return 0;
  auto bytes = sorvella::glyphRecordBytes(glyph);
  sorvella::Glyph again;
  if (!sorvella::readGlyphRecord(again, bytes)) std::abort();
  if (!again.sameContent(glyph)) std::abort();
  (void)glyph.boundingBox();
  return 0;
}
